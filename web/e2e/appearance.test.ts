import { expect, test } from '@playwright/test';
import { calculate, openApp, typeOnKeypad } from './pages';

test.describe('language and appearance', () => {
  test.use({ locale: 'de-DE', colorScheme: 'dark' });

  test('German texts and the dark palette follow the browser', async ({ page }) => {
    await openApp(page);
    await expect(page.locator('html')).toHaveAttribute('lang', 'de');
    await expect(page.getByRole('tab', { name: 'Eingabe' })).toBeVisible();
    await expect(page.getByText('Trage den Wert ein, den du kennst:')).toBeVisible();
    // The palette at 70 % brightness: primary (1.0, 0.82, 0.69) becomes #b2927b.
    await expect(page.locator('.main-screen > .toolbar')).toHaveCSS('background-color', 'rgb(178, 146, 123)');
    await expect(page.locator('body')).toHaveCSS('background-color', 'rgb(0, 0, 0)');
    await typeOnKeypad(page, '45');
    await calculate(page);
    await expect(page.locator('#page-result .step').first()).toContainText('Deine Eingabe');
    await expect(page.locator('.exact-card h2')).toHaveText('Exakte Werte');
  });

  test('text follows the browser text size', async ({ page }) => {
    await openApp(page);
    const field = page.locator('.field').first();
    const before = await field.boundingBox();
    await page.addStyleTag({ content: 'html { font-size: 150% }' });
    const after = await field.boundingBox();
    expect(after!.height).toBeGreaterThan(before!.height);
    // The keypad stays below the fields; the page scrolls instead.
    const bField = await page.locator('.field').nth(1).boundingBox();
    const firstKey = await page.locator('#key_7').boundingBox();
    expect(firstKey!.y).toBeGreaterThanOrEqual(bField!.y + bField!.height);
    expect(await page.locator('.fill-in').evaluate((e) => parseFloat(getComputedStyle(e).fontSize))).toBeGreaterThan(24);
  });

  test('Ctrl with + - and 0 sets the tutor\'s own text size, said in German and kept over a reload', async ({ page }) => {
    await openApp(page);
    const fontSize = () => page.locator('.fill-in').evaluate((e) => parseFloat(getComputedStyle(e).fontSize));
    const normal = await fontSize();
    await page.keyboard.press('Control+=');
    await expect(page.locator('.toast')).toHaveText('Textgröße 125 %');
    expect(await fontSize()).toBeCloseTo(normal * 1.25, 1);
    for (let i = 0; i < 5; ++i) await page.keyboard.press('Control+=');
    await expect(page.locator('.toast')).toHaveText('Textgröße 200 %');
    // Every key stays inside the window; the title keeps its size on a row of its own.
    const keypad = await page.locator('.keypad').boundingBox();
    expect(keypad!.x + keypad!.width).toBeLessThanOrEqual(page.viewportSize()!.width);
    const title = page.locator('.toolbar h1');
    expect(await title.evaluate((e) => e.scrollWidth <= e.clientWidth)).toBe(true);
    await page.keyboard.press('Control+-');
    await page.reload();
    await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
    expect(await fontSize()).toBeCloseTo(normal * 1.75, 1);
    await page.keyboard.press('Control+0');
    expect(await fontSize()).toBeCloseTo(normal, 1);
  });
});
