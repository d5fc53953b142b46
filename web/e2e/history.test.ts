import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { expect, test, type Page } from '@playwright/test';
import { calculate, openApp, typeOnKeypad } from './pages';

// Calculates each α on a fresh input page, as a learner fills the history.
async function calculateEach(page: Page, alphas: string[]): Promise<void> {
  for (const alpha of alphas) {
    await page.getByRole('button', { name: 'Clear' }).click();
    await typeOnKeypad(page, alpha);
    await calculate(page);
    await expect(page.locator('#page-result .step')).toHaveCount(23);
  }
}

test.describe('history', () => {
  test('keeps calculations over a reload, newest first, and reopens one on a fresh input page', async ({ page }) => {
    await openApp(page);
    await calculateEach(page, ['30', '90']);
    await page.reload();
    await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
    await page.locator('#historyButton').click();
    const rows = page.locator('.history-row .history-open');
    await expect(rows).toHaveCount(2);
    await expect(rows.nth(0)).toHaveAccessibleName('α = 90');
    await expect(rows.nth(1)).toHaveAccessibleName('α = 30');

    await rows.nth(1).click();
    await expect(page.locator('#alphaTextField')).toHaveValue('30');
    await expect(page.getByRole('tab', { name: 'Input' })).toHaveAttribute('aria-selected', 'true');
    await expect(page.getByRole('tab', { name: 'Result' })).toBeDisabled();
  });

  test('deletes one entry, and clears all only after the question', async ({ page }) => {
    await openApp(page);
    await calculateEach(page, ['30', '45', '90']);
    await page.locator('#historyButton').click();
    const names = () => page.locator('.history-row .history-open').evaluateAll((rows) => rows.map((row) => row.getAttribute('aria-label')));
    await page.getByRole('button', { name: 'Delete: α = 45' }).click();
    await expect(page.locator('.history-row')).toHaveCount(2);
    // Undo while the message shows puts it back where it was.
    await expect(page.locator('.toast')).toContainText('Calculation deleted');
    await page.locator('.toast').getByRole('button', { name: 'Undo' }).click();
    await expect(page.locator('.history-row')).toHaveCount(3);
    expect(await names()).toEqual(['α = 90', 'α = 45', 'α = 30']);

    // A row pushed a little to the left slides back and opens nothing; pushed far, it goes.
    const push = async (share: number) => {
      const box = (await page.locator('.history-row').first().boundingBox())!;
      await page.mouse.move(box.x + box.width * 0.8, box.y + box.height / 2);
      await page.mouse.down();
      for (let step = 1; step <= 8; ++step) await page.mouse.move(box.x + box.width * (0.8 - (share * step) / 8), box.y + box.height / 2);
      await page.mouse.up();
    };
    await push(0.2);
    await expect(page.locator('.history-page')).toBeVisible();
    expect(await names()).toEqual(['α = 90', 'α = 45', 'α = 30']);
    await push(0.7);
    await expect(page.locator('.history-row')).toHaveCount(2);
    expect(await names()).toEqual(['α = 45', 'α = 30']);
    await expect(page.locator('.toast')).toContainText('Calculation deleted');

    await page.locator('#historyClearButton').click();
    const alert = page.getByRole('dialog', { name: 'Clear History' });
    await alert.getByRole('button', { name: 'Cancel' }).click();
    await expect(page.locator('.history-row')).toHaveCount(2);
    await page.locator('#historyClearButton').click();
    await alert.getByRole('button', { name: 'Clear' }).click();
    await expect(page.getByText('No calculations yet')).toBeVisible();
  });

  test('Escape and the browser\'s Back close it rather than leaving the tutor', async ({ page }) => {
    await openApp(page);
    await typeOnKeypad(page, '30');
    const historyPage = page.getByRole('dialog', { name: 'History', exact: true });
    await page.locator('#historyButton').click();
    await expect(historyPage).toBeVisible();
    await page.keyboard.press('Escape');
    await expect(historyPage).toHaveCount(0);
    await expect(page.locator('#historyButton')).toBeFocused();

    // The back gesture.
    await page.locator('#historyButton').click();
    await expect(historyPage).toBeVisible();
    await page.goBack();
    await expect(historyPage).toHaveCount(0);
    await expect(page.locator('#alphaTextField')).toHaveValue('30');
    await expect(page.locator('#historyButton')).toBeFocused();

    // Escape in its question closes the question only.
    await page.locator('#historyButton').click();
    await page.locator('#historyClearButton').click();
    const question = page.getByRole('dialog', { name: 'Clear History' });
    await expect(question).toBeVisible();
    await page.keyboard.press('Escape');
    await expect(question).toHaveCount(0);
    await expect(historyPage).toBeVisible();

    // Closed by its own button, it leaves nothing behind for Back: one Back leaves the tutor.
    await page.locator('#historyBackButton').click();
    await expect(historyPage).toHaveCount(0);
    await page.goBack();
    await expect(page).toHaveURL('about:blank');
  });
});

test('the history and the typed input survive a browser restart', async ({ playwright, baseURL }, testInfo) => {
  const profile = mkdtempSync(join(tmpdir(), 'unitcircle-profile-'));
  const { viewport, hasTouch, isMobile, launchOptions } = testInfo.project.use;
  const launch = () => playwright.chromium.launchPersistentContext(profile, { ...launchOptions, viewport, hasTouch, isMobile, baseURL });
  try {
    let browser = await launch();
    let page = browser.pages()[0] ?? (await browser.newPage());
    await openApp(page);
    await typeOnKeypad(page, '45');
    await calculate(page);
    await expect(page.locator('#page-result .step')).toHaveCount(23);
    await page.getByRole('tab', { name: 'Input' }).click();
    await typeOnKeypad(page, '0');
    await expect(page.locator('#alphaTextField')).toHaveValue('450');
    // Closed only once the typed input is stored, as a learner's browser would have had time to.
    await page.waitForFunction(async () => {
      const db = await new Promise<IDBDatabase>((resolve) => {
        const request = indexedDB.open('unitcircle');
        request.onsuccess = () => resolve(request.result);
      });
      const stored = await new Promise<{ inputParameters?: Record<string, string> } | undefined>((resolve) => {
        const request = db.transaction('open').objectStore('open').get('currentCalculation');
        request.onsuccess = () => resolve(request.result);
      });
      db.close();
      return stored?.inputParameters?.['α'] === '450';
    });
    await browser.close();

    browser = await launch();
    page = browser.pages()[0] ?? (await browser.newPage());
    await openApp(page);
    await expect(page.locator('#alphaTextField')).toHaveValue('450');
    await page.locator('#historyButton').click();
    await expect(page.locator('.history-row .history-open')).toHaveAccessibleName('α = 45');
    await browser.close();
  } finally {
    rmSync(profile, { recursive: true, force: true, maxRetries: 5 });
  }
});

test.describe('history order', () => {
  test('edit mode moves rows by their handles, with the keys or a drag, and keeps the order', async ({ page }) => {
    await openApp(page);
    await calculateEach(page, ['30', '45', '90']);
    await page.locator('#historyButton').click();
    const names = () => page.locator('.history-row .history-open').evaluateAll((rows) => rows.map((row) => row.getAttribute('aria-label')));
    await expect.poll(names).toEqual(['α = 90', 'α = 45', 'α = 30']);
    await expect(page.locator('.history-handle')).toHaveCount(0);

    await page.locator('#historyEditButton').click();
    await expect(page.locator('#historyEditButton')).toHaveAttribute('aria-pressed', 'true');
    const handle = (alpha: string) => page.getByRole('button', { name: `Move: α = ${alpha}` });
    await handle('30').focus();
    await page.keyboard.press('ArrowUp');
    await expect.poll(names).toEqual(['α = 90', 'α = 30', 'α = 45']);
    await expect(handle('30')).toBeFocused();
    await page.keyboard.press('ArrowUp');
    await expect.poll(names).toEqual(['α = 30', 'α = 90', 'α = 45']);

    // Carried from the top to below the last row.
    const from = (await handle('30').boundingBox())!;
    const last = (await page.locator('.history-row').last().boundingBox())!;
    await page.mouse.move(from.x + from.width / 2, from.y + from.height / 2);
    await page.mouse.down();
    await page.mouse.move(from.x + from.width / 2, last.y + last.height, { steps: 8 });
    await page.mouse.up();
    await expect.poll(names).toEqual(['α = 90', 'α = 45', 'α = 30']);

    await page.reload();
    await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
    await page.locator('#historyButton').click();
    await expect.poll(names).toEqual(['α = 90', 'α = 45', 'α = 30']);
  });

  test('a row moved in one tab shows moved in another, and a calculation made there is not lost', async ({ page, context }) => {
    await openApp(page);
    await calculateEach(page, ['30', '45']);
    const other = await context.newPage();
    await openApp(other);
    await other.locator('#historyButton').click();
    const names = (tab: typeof page) => tab.locator('.history-row .history-open').evaluateAll((rows) => rows.map((row) => row.getAttribute('aria-label')));
    await expect.poll(() => names(other)).toEqual(['α = 45', 'α = 30']);

    await page.locator('#historyButton').click();
    await page.locator('#historyEditButton').click();
    await page.getByRole('button', { name: 'Move: α = 30' }).focus();
    await page.keyboard.press('ArrowUp');
    await expect.poll(() => names(other)).toEqual(['α = 30', 'α = 45']);

    await other.locator('#historyBackButton').click();
    await other.getByRole('button', { name: 'Clear' }).click();
    await typeOnKeypad(other, '60');
    await calculate(other);
    await expect(other.locator('#page-result .step').first()).toBeVisible();
    await expect.poll(() => names(page)).toEqual(['α = 60', 'α = 30', 'α = 45']);
  });
});
