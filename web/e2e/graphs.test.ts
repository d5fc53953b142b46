import { expect, test, type Page } from '@playwright/test';
import { calculate, focusField, openApp, typeOnKeypad } from './pages';

// The sine and cosine graphs of the result page: drawn as the rows near the screen, with the
// core's ticks, and a crosshair whose tooltip shows the core's texts of the nearest point.

async function graph(page: Page, type: 'sin' | 'cos') {
  const rows = page.locator('.chart-row[data-kind="trigonometric"]');
  await rows.nth(type === 'sin' ? 0 : 1).scrollIntoViewIfNeeded();
  return page.locator(`.spline-chart[data-type="${type}"]`);
}

// The canvas holds the drawn x labels; the chart names them in data-x-ticks ("0|π/2|π").
const xTickLabels = async (chart: ReturnType<Page['locator']>) =>
  ((await chart.getAttribute('data-x-ticks')) ?? '').split('|');

test.describe('graphs', () => {
  test('the crosshair shows the core\'s texts of the point under the pointer', async ({ page }) => {
    await openApp(page);
    await typeOnKeypad(page, '45');
    await calculate(page);
    const sine = await graph(page, 'sin');
    await expect(sine.locator('.spline-plot')).toHaveAttribute('role', 'img');
    await expect(sine.locator('.spline-plot')).toHaveAttribute('aria-label', 'Sin, sin(x): x: 0 – x: 0.784');
    await expect(sine.locator('.u-title')).toHaveText('Sin');
    await expect(sine.locator('.spline-legend')).toHaveText('sin(x)');

    const plot = sine.locator('.u-over');
    const box = (await plot.boundingBox())!;
    const tooltip = sine.locator('.spline-tooltip');
    await expect(tooltip).toBeHidden();
    await expect(tooltip).toHaveAttribute('aria-live', 'polite');
    // Near the right end: snapped onto the last sample.
    await page.mouse.move(box.x + box.width - 2, box.y + box.height / 2);
    await expect(tooltip).toBeVisible();
    await expect(tooltip).toContainText('x: 0.784');
    await expect(tooltip).toContainText('sin(x): 0.706');
    // The tooltip stays inside the plot.
    const tip = (await tooltip.boundingBox())!;
    expect(tip.x + tip.width).toBeLessThanOrEqual(box.x + box.width + 1);

    // A finger shows it too, at the left end.
    await page.mouse.move(0, 0);
    await expect(tooltip).toBeHidden();
    await page.touchscreen.tap(box.x + 2, box.y + box.height / 2);
    await expect(tooltip).toContainText('x: 0');
    await expect(tooltip).toContainText('sin(x): 0');

    const cosine = await graph(page, 'cos');
    await expect(cosine.locator('.u-title')).toHaveText('Cos');
    await expect(cosine.locator('.spline-plot')).toHaveAttribute('aria-label', 'Cos, cos(x): x: 0 – x: 0.784');
  });

  test('b = 2π labels its ticks from 0 in steps of π/2', async ({ page }) => {
    await openApp(page);
    await focusField(page, 'b');
    await typeOnKeypad(page, '2π');
    await calculate(page);
    const sine = await graph(page, 'sin');
    await expect(sine).toHaveAttribute('data-x-ticks', /^0\|π\/2\|/);
    const labels = await xTickLabels(sine);
    // The core keeps the labels that fit: at least every π on a phone.
    expect(labels).toContain('π');
    expect(labels.every((label) => ['0', 'π/2', 'π', '3π/2', '2π'].includes(label))).toBe(true);
  });

  test('b = 1000 says the graph is too long instead of drawing a band', async ({ page }) => {
    await openApp(page);
    await focusField(page, 'b');
    await typeOnKeypad(page, '1000');
    await calculate(page);
    const sine = await graph(page, 'sin');
    await expect(sine.locator('.spline-message')).toHaveText('This graph is too long to draw: it repeats every 2π.');
    await expect(sine.locator('canvas')).toHaveCount(0);
  });
});
