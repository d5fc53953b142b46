import AxeBuilder from '@axe-core/playwright';
import { expect, test, type Locator, type Page } from '@playwright/test';
import { calculate, openApp, typeOnKeypad } from './pages';

// The solution on a projector: Present opens it full screen, the keys (as the core maps them)
// reveal the steps one at a time, the circle stresses what the newest one works out, and
// every way out returns to the solution with the focus on Present.

// Without motion the solution page's circle ends its run at once, as the presentation's does.
test.use({ reducedMotion: 'reduce' });

async function solve(page: Page, alpha = '135'): Promise<void> {
  await openApp(page);
  await typeOnKeypad(page, alpha);
  await calculate(page);
  await expect(page.locator('#page-result .step').first()).toBeVisible();
  await expect(page.locator('#presentButton')).toBeVisible();
}

const presentation = (page: Page, name = 'Presentation') => page.getByRole('dialog', { name });
const shownTitles = (dialog: Locator) => dialog.locator('.presentation-step:visible .presentation-step-title').allTextContents();

// What a circle stresses, part by part: 1 stressed, -1 faded, 0 as usual.
const stresses = (circle: Locator) => circle.evaluate((root) =>
  [...root.querySelectorAll('[data-stress]')].map((part) => {
    const name = part.getAttribute('data-part') ?? part.getAttribute('data-quadrant') ?? `turn ${part.getAttribute('data-turn')}`;
    return `${name}=${part.getAttribute('data-stress')}`;
  }).join(' '));

test.describe('presentation', () => {
  test('Present reveals the steps in order with the keys and a tap; Escape returns to Present', async ({ page }) => {
    await solve(page);
    const titles = await page.locator('#page-result .step .step-toggle').allTextContents();
    const count = titles.length;
    expect(count).toBeGreaterThan(5);
    await page.getByRole('button', { name: 'Present' }).click();
    const dialog = presentation(page);
    await expect(dialog).toBeVisible();
    const counter = dialog.getByRole('status');
    await expect(counter).toHaveText(`1 of ${count} shown`);
    expect(await shownTitles(dialog)).toEqual(titles.slice(0, 1));

    const moves: [string, number][] = [
      ['Space', 2], ['PageDown', 3], ['ArrowRight', 4], ['ArrowLeft', 3], ['tap', 4], ['Home', 1], ['End', count],
    ];
    for (const [key, shown] of moves) {
      if (key === 'tap') await dialog.locator('.presentation-step.newest').click();
      else await page.keyboard.press(key);
      await expect(counter).toHaveText(`${shown} of ${count} shown`);
      expect(await shownTitles(dialog), key).toEqual(titles.slice(0, shown));
      // The newest is the one marked, and in sight.
      const newest = dialog.locator('.presentation-step.newest');
      await expect(newest).toHaveCount(1);
      await expect(newest).toHaveAttribute('aria-current', 'step');
      await expect(dialog.locator('.presentation-step').nth(shown - 1)).toHaveClass(/newest/);
      await expect(newest).toBeInViewport();
    }
    // Past the last step nothing more shows; the formulas are drawn large.
    await page.keyboard.press('ArrowDown');
    await expect(counter).toHaveText(`${count} of ${count} shown`);
    const pageFormula = await page.locator('#page-result .step-formula').first().evaluate((e) => parseFloat(getComputedStyle(e).fontSize));
    const shownFormula = await dialog.locator('.presentation-formula').first().evaluate((e) => parseFloat(getComputedStyle(e).fontSize));
    expect(shownFormula / pageFormula).toBeGreaterThan(1.4);

    await page.keyboard.press('Escape');
    await expect(dialog).toHaveCount(0);
    await expect(page.locator('#presentButton')).toBeFocused();
    await expect.poll(() => page.evaluate(() => document.fullscreenElement === null)).toBe(true);
  });

  test('the circle stresses what the newest step works out, as the solution page links them', async ({ page }) => {
    test.slow();
    await solve(page);
    const steps = page.locator('#page-result .step');
    const count = await steps.count();
    const pageCircle = page.locator('#page-result .chart-row[data-kind="unitCircle"]');
    await pageCircle.scrollIntoViewIfNeeded();
    await expect(pageCircle.locator('.unit-circle-view')).toBeVisible();
    // Its run at its end, as the presentation draws it.
    await expect(pageCircle.locator('.circle-arc').first()).toBeAttached();
    // The page's link, step by step: each tap moves the mark to the step tapped.
    const expected: string[] = [];
    for (let i = 0; i < count; i++) {
      await steps.nth(i).locator('.step-toggle').click();
      await page.waitForTimeout(i === 0 ? 1500 : 150);
      expected.push(await stresses(pageCircle));
    }
    // Some steps stress something and not all alike, or the comparison would say little.
    expect(expected.filter((signature) => /=1\b/.test(signature)).length).toBeGreaterThan(2);
    expect(new Set(expected).size).toBeGreaterThan(2);

    await page.locator('#presentButton').click();
    const dialog = presentation(page);
    const circle = dialog.locator('.presentation-circle');
    await expect(circle.locator('.circle-arc').first()).toBeAttached();
    for (let i = 0; i < count; i++) {
      if (i > 0) await page.keyboard.press('ArrowRight');
      await expect(dialog.getByRole('status')).toHaveText(`${i + 1} of ${count} shown`);
      await expect.poll(() => stresses(circle), `step ${i + 1}`).toBe(expected[i]);
    }
    await expect(circle).toBeInViewport();
  });

  test('the close button and leaving full screen return to Present; axe finds nothing serious', async ({ page }) => {
    await solve(page);
    await page.locator('#presentButton').click();
    const dialog = presentation(page);
    await expect(dialog.getByRole('status')).toHaveText(/^1 of \d+ shown$/);
    await page.keyboard.press('End');
    const results = await new AxeBuilder({ page }).include('.presentation').analyze();
    const serious = results.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
      .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
    expect(serious).toEqual([]);
    // The page beneath takes no focus nor clicks meanwhile.
    await expect(page.locator('#app')).toHaveAttribute('inert', '');

    await dialog.getByRole('button', { name: 'Close presentation' }).click();
    await expect(dialog).toHaveCount(0);
    await expect(page.locator('#presentButton')).toBeFocused();
    await expect(page.locator('#app')).not.toHaveAttribute('inert', '');

    // The browser's own way out of full screen (its Escape) ends the presentation too.
    await page.keyboard.press('Enter');
    await expect(dialog).toBeVisible();
    const fullscreen = await page.evaluate(() => document.fullscreenElement?.getAttribute('role') ?? null);
    test.skip(fullscreen !== 'dialog', 'this browser refused full screen');
    await page.evaluate(() => document.exitFullscreen());
    await expect(dialog).toHaveCount(0);
    await expect(page.locator('#presentButton')).toBeFocused();
  });

});

test.describe('presentation without the engine', () => {
  // A service worker would serve the calls' module from its cache, past the route.
  test.use({ serviceWorkers: 'block' });

  test('it says so, and Escape still returns', async ({ page }, info) => {
    test.skip(info.project.name !== 'phone', 'failure paths run on the phone');
    // The calls' module is missing: the solution still comes, its keys find no answer.
    await page.route('**/assets/unitcircle-calls-*.js', (route) => route.fulfill({ status: 404 }));
    await solve(page);
    await page.locator('#presentButton').click();
    const dialog = presentation(page);
    await expect(dialog.getByRole('alert')).toHaveText(/cannot be shown step by step/);
    await page.keyboard.press('ArrowRight');
    await expect(dialog.getByRole('alert')).toBeVisible();
    await expect(dialog.locator('.presentation-step:visible')).toHaveCount(0);
    // Its circle cannot be drawn either: left out, not shown empty.
    await expect(dialog.locator('.presentation-circle')).toHaveCount(0);
    await page.keyboard.press('Escape');
    await expect(dialog).toHaveCount(0);
    await expect(page.locator('#presentButton')).toBeFocused();
  });
});

test.describe('presentation in German', () => {
  test.use({ locale: 'de-DE' });

  test('the button, the counter and the close button speak German', async ({ page }) => {
    await solve(page);
    const count = await page.locator('#page-result .step').count();
    await page.getByRole('button', { name: 'Präsentieren' }).click();
    const dialog = presentation(page, 'Präsentation');
    await expect(dialog.getByRole('status')).toHaveText(`1 von ${count} gezeigt`);
    await page.keyboard.press('PageDown');
    await expect(dialog.getByRole('status')).toHaveText(`2 von ${count} gezeigt`);
    await dialog.getByRole('button', { name: 'Präsentation schließen' }).click();
    await expect(dialog).toHaveCount(0);
    await expect(page.getByRole('button', { name: 'Präsentieren' })).toBeFocused();
  });
});

// Pictures to look at: a projector's 1920 × 1080, a tablet upright and a phone.
test('pictures of the presentation', async ({ page }, info) => {
  if (info.project.name === 'tablet') await page.setViewportSize({ width: 1920, height: 1080 });
  await solve(page);
  await page.locator('#presentButton').click();
  const dialog = presentation(page);
  for (let i = 0; i < 8; i++) await page.keyboard.press('ArrowRight');
  await expect(dialog.getByRole('status')).toHaveText(/^9 of \d+ shown$/);
  await expect(dialog.locator('.circle-arc').first()).toBeAttached();
  await page.waitForTimeout(600);
  await page.screenshot({ path: `/tmp/presentation-${info.project.name === 'tablet' ? 'landscape' : 'phone'}.png` });
  if (info.project.name !== 'tablet') return;
  await page.keyboard.press('Escape');
  await page.setViewportSize({ width: 1024, height: 1366 });
  await page.locator('#presentButton').click();
  for (let i = 0; i < 8; i++) await page.keyboard.press('ArrowRight');
  await expect(dialog.getByRole('status')).toHaveText(/^9 of \d+ shown$/);
  await page.waitForTimeout(600);
  await page.screenshot({ path: '/tmp/presentation-tablet.png' });
});
