import AxeBuilder from '@axe-core/playwright';
import { expect, test, type Page } from '@playwright/test';
import { calculate, openApp, typeOnKeypad } from './pages';

async function seriousViolations(page: Page): Promise<string[]> {
  const results = await new AxeBuilder({ page }).analyze();
  return results.violations
    .filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

for (const colorScheme of ['light', 'dark'] as const) {
  test.describe(`accessibility, ${colorScheme}`, () => {
    test.use({ colorScheme });

    test('no serious or critical violation on any page', async ({ page }) => {
      // Seven full checks of pages, one with the charts.
      test.slow();
      await openApp(page);
      expect(await seriousViolations(page)).toEqual([]);

      await typeOnKeypad(page, '1/0');
      await calculate(page);
      await expect(page.getByRole('status')).not.toBeEmpty();
      expect(await seriousViolations(page)).toEqual([]);

      await page.getByRole('button', { name: 'Clear' }).click();
      await typeOnKeypad(page, '45');
      await calculate(page);
      await expect(page.locator('#page-result .step')).toHaveCount(23);
      expect(await seriousViolations(page)).toEqual([]);

      // The charts under the steps: the circle with a marked step, then with an angle set.
      await page.locator('.chart-row[data-kind="unitCircle"]').scrollIntoViewIfNeeded();
      await expect(page.getByRole('slider')).toBeVisible();
      await page.locator('#page-result .step').nth(12).locator('.step-toggle').click();
      await expect(page.locator('.step.marked')).toHaveCount(1);
      expect(await seriousViolations(page)).toEqual([]);
      await page.getByRole('slider').focus();
      await page.keyboard.press('ArrowRight');
      await expect(page.locator('.calculate-angle')).toBeVisible();
      expect(await seriousViolations(page)).toEqual([]);

      await page.locator('#historyButton').click();
      expect(await seriousViolations(page)).toEqual([]);
      await page.locator('#historyClearButton').click();
      await expect(page.getByRole('dialog', { name: 'Clear History' })).toBeVisible();
      expect(await seriousViolations(page)).toEqual([]);
    });

    test('no serious or critical violation in practice', async ({ page }) => {
      test.slow();
      await page.goto('./#/practice?seed=3&level=1');
      await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
      await expect(page.locator('.practice-prompt')).toBeVisible();
      expect(await seriousViolations(page)).toEqual([]);
      // A wrong answer's feedback: the right answer, the circle and the card.
      for (const character of '7') await page.locator(`[data-key="${character}"]`).click();
      await page.locator('[data-key="check"]').click();
      await expect(page.locator('.practice-wrong')).toBeVisible();
      expect(await seriousViolations(page)).toEqual([]);
      await page.locator('#practiceMapButton').click();
      await expect(page.locator('#practiceStart')).toBeVisible();
      expect(await seriousViolations(page)).toEqual([]);
    });
  });
}
