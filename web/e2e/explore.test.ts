import AxeBuilder from '@axe-core/playwright';
import { expect, test, type Page } from '@playwright/test';
import { openApp } from './pages';

// The Explore screen over the WebAssembly core: the point dragged and stepped round the circle,
// its exact values, and the angles where sin, cos or tan take a typed value.

async function openExplore(page: Page): Promise<void> {
  await openApp(page);
  await page.locator('#exploreButton').click();
  await expect(page.locator('.explore-circle')).toBeVisible();
}

// The typeset formula shown: its source, as KaTeX keeps it for screen readers (after the display
// style the page typesets in). A cell keeps the formulas it showed before, hidden.
async function expectLatex(page: Page, testId: string, latex: string): Promise<void> {
  await expect(page.getByTestId(testId).locator('.shown annotation')).toHaveText('\\displaystyle ' + latex);
}

// Drags the point from where it is along the circle to `degrees`, the pointer kept at 0.8 of
// the radius (any distance from the centre points the same way).
async function dragTo(page: Page, fromDegrees: number, degrees: number): Promise<void> {
  const box = (await page.locator('.explore-circle').boundingBox())!;
  const radius = box.width / 2 / 1.35;
  const at = (d: number) => {
    const radians = (d * Math.PI) / 180;
    return [box.x + box.width / 2 + 0.8 * radius * Math.cos(radians), box.y + box.height / 2 - 0.8 * radius * Math.sin(radians)] as const;
  };
  await page.mouse.move(...at(fromDegrees));
  await page.mouse.down();
  for (let d = fromDegrees; d <= degrees; d += 5) await page.mouse.move(...at(d));
  await page.mouse.move(...at(degrees));
  await page.mouse.up();
}

// Asks on a keyboard: each character goes through the core's typing rules, as a key does.
async function askInverse(page: Page, fn: 'sin' | 'cos' | 'tan', value: string): Promise<void> {
  await page.getByTestId('explore-inverse-function').selectOption(fn);
  await page.locator('#exploreClearQuestion').click();
  const input = page.getByTestId('explore-inverse-input');
  await expect(input).toHaveValue('');
  await input.click();
  await page.keyboard.type(value);
  await expect(input).toHaveValue(value);
  await page.getByTestId('explore-inverse-show').click();
}

// Drags the value line's handle to `value` in circle units along the line's direction (up for
// sin and tan, right for cos).
async function dragValueLine(page: Page, value: number): Promise<void> {
  const circle = (await page.locator('.explore-circle').boundingBox())!;
  const radius = circle.width / 2 / 1.35;
  const handle = (await page.getByTestId('explore-value-handle').locator('.explore-value-handle-target').boundingBox())!;
  const [x, y] = [handle.x + handle.width / 2, handle.y + handle.height / 2];
  const horizontal = (await page.getByTestId('explore-value-handle').getAttribute('data-function')) === 'cos';
  const target = horizontal ? circle.x + circle.width / 2 + value * radius : circle.y + circle.height / 2 - value * radius;
  await page.mouse.move(x, y);
  await page.mouse.down();
  for (let i = 1; i <= 8; ++i) {
    const t = (horizontal ? x : y) + ((target - (horizontal ? x : y)) * i) / 8;
    await page.mouse.move(horizontal ? t : x, horizontal ? y : t);
  }
  await page.mouse.up();
}

test.describe('explore', () => {
  test('the point dragged to 135° shows its exact values; the arrow keys step it', async ({ page }) => {
    await openExplore(page);
    const circle = page.locator('.explore-circle');
    await expect(circle).toHaveAttribute('role', 'slider');
    await expect(circle).toHaveAttribute('aria-label', 'Point on the unit circle');
    await dragTo(page, 30, 135);

    await expect(circle).toHaveAttribute('aria-valuenow', '135');
    await expect(circle).toHaveAttribute('aria-valuetext', /^α = 135°/);
    await expectLatex(page, 'explore-alpha', '135^{\\circ}');
    await expectLatex(page, 'explore-radians', '\\frac{3\\pi}{4}');
    await expectLatex(page, 'explore-sin', '\\frac{\\sqrt{2}}{2}');
    await expectLatex(page, 'explore-cos', '-\\frac{\\sqrt{2}}{2}');
    await expectLatex(page, 'explore-tan', '-1');
    await expectLatex(page, 'explore-reference', '45^{\\circ}');
    await expect(page.getByTestId('explore-quadrant')).toHaveAttribute('data-quadrant', '2');
    await expect(page.getByTestId('explore-quadrant')).toHaveText('II');
    await expect(page.locator('.explore-quadrant.current')).toHaveText('II');
    // The graph's tracer follows the point.
    await expect(page.locator('.explore-graph-tracer')).toHaveCount(1);

    // Without snapping, a key moves one degree; back and forth returns.
    await page.locator('#exploreSnap').uncheck();
    await circle.focus();
    await page.keyboard.press('ArrowRight');
    await expect(circle).toHaveAttribute('aria-valuenow', '136');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    await expect(circle).toHaveAttribute('aria-valuenow', '134');
    await expect(page.getByTestId('explore-quadrant')).toHaveAttribute('data-quadrant', '2');
  });

  test('at 90° tan is undefined; the same reference angle lists its four angles with their signs', async ({ page }) => {
    await openExplore(page);
    await page.locator('#exploreSnap').uncheck();
    const circle = page.locator('.explore-circle');
    await circle.focus();
    // From 30°: sixty single degrees.
    for (let i = 0; i < 60; ++i) await page.keyboard.press('ArrowUp');
    await expect(circle).toHaveAttribute('aria-valuenow', '90');
    await expect(page.getByTestId('explore-tan').locator('.shown')).toHaveText('undefined');
    await expect(page.getByTestId('explore-quadrant')).toHaveText('on the positive y-axis');
    await expect(page.locator('.explore-tan')).toBeHidden();

    for (let i = 0; i < 30; ++i) await page.keyboard.press('ArrowDown');
    await expect(circle).toHaveAttribute('aria-valuenow', '60');
    await page.locator('label[for="exploreShared"]').click();
    const rows = page.locator('.explore-shared-table tbody tr');
    await expect(rows).toHaveCount(4);
    await expect(rows.nth(0)).toHaveAttribute('aria-current', 'true');
    await expect(rows.nth(1).locator('td')).toHaveText(['+', '−', '−']);
    await expect(page.locator('.explore-shared-point')).toHaveCount(3);
  });

  test('for which α: every solution listed and marked, or why there is none', async ({ page }) => {
    await openExplore(page);
    const solutions = page.getByTestId('explore-solutions');

    await askInverse(page, 'sin', '1/2');
    await expect(solutions.locator('li')).toHaveCount(2);
    await expect(solutions.locator('li').nth(0)).toHaveAttribute('data-degrees', '30');
    await expect(solutions.locator('li').nth(1)).toHaveAttribute('data-degrees', '150');
    await expect(solutions.locator('annotation').nth(0)).toContainText('30^{\\circ}');
    await expect(solutions.locator('annotation').nth(1)).toContainText('150^{\\circ}');
    await expect(page.locator('.explore-solution-point')).toHaveCount(2);
    await expect(page.locator('.explore-inverse-line')).toHaveCount(1);
    await expect(page.locator('.explore-graph-crossing')).toHaveCount(2);

    await askInverse(page, 'tan', '1');
    await expect(solutions.locator('li')).toHaveCount(2);
    await expect(solutions.locator('li').nth(0)).toHaveAttribute('data-degrees', '45');
    await expect(solutions.locator('li').nth(1)).toHaveAttribute('data-degrees', '225');
    // The graph turned to the question's function.
    await expect(page.locator('.explore-graph')).toHaveAttribute('data-function', 'tan');

    await askInverse(page, 'sin', '2');
    await expect(solutions).toHaveText('no solution');
    await expect(page.locator('.explore-solution-point')).toHaveCount(0);

    await askInverse(page, 'cos', '1//2');
    await expect(page.getByRole('alert')).not.toBeEmpty();
    await expect(solutions.locator('li')).toHaveCount(0);

    await askInverse(page, 'cos', '√3/2');
    await expect(solutions.locator('li')).toHaveCount(2);
    await expect(page.locator('.explore-message')).toBeEmpty();
    await page.locator('#exploreClearQuestion').click();
    await expect(solutions.locator('li')).toHaveCount(0);
    await expect(page.locator('.explore-solution-point')).toHaveCount(0);
  });

  test('Escape closes it and gives the focus back; #/explore opens it', async ({ page }) => {
    await openExplore(page);
    await expect(page.locator('.main-screen')).toHaveAttribute('inert', '');
    await page.keyboard.press('Escape');
    await expect(page.locator('.explore-page')).toHaveCount(0);
    await expect(page.locator('#exploreButton')).toBeFocused();
    await expect(page.locator('.main-screen')).not.toHaveAttribute('inert');

    await page.goto('./#/explore');
    await expect(page.locator('.explore-circle')).toBeVisible();
    await page.locator('#exploreBackButton').click();
    await expect(page.locator('.explore-page')).toHaveCount(0);
    expect(new URL(page.url()).hash).toBe('');
  });

  test('nothing is wider than the window', async ({ page }) => {
    await openExplore(page);
    await page.locator('label[for="exploreShared"]').click();
    await askInverse(page, 'sin', '1/3');
    await expect(page.getByTestId('explore-solutions').locator('li')).toHaveCount(2);
    const overflow = await page.locator('.explore-overlay').evaluate((el) => el.scrollWidth - el.clientWidth);
    expect(overflow).toBeLessThanOrEqual(0);
  });

  test('the sin line dragged: snapped to 1/2, or a decimal with approximate angles, or beyond the circle', async ({ page }) => {
    await openExplore(page);
    const solutions = page.getByTestId('explore-solutions');
    const input = page.getByTestId('explore-inverse-input');
    const handle = page.getByTestId('explore-value-handle');
    await expect(handle).toHaveAttribute('data-function', 'sin');
    // A finger's target: at least 44 px across.
    const target = (await handle.locator('.explore-value-handle-target').boundingBox())!;
    expect(Math.min(target.width, target.height)).toBeGreaterThanOrEqual(44);

    await dragValueLine(page, 0.52);
    await expect(input).toHaveValue('1/2');
    await expect(solutions.locator('li')).toHaveCount(2);
    await expect(solutions.locator('li').nth(0)).toHaveAttribute('data-degrees', '30');
    await expect(solutions.locator('li').nth(1)).toHaveAttribute('data-degrees', '150');
    await expect(solutions.locator('annotation').nth(0)).not.toContainText('approx');
    await expect(page.locator('.explore-inverse-line')).toHaveCount(1);
    await expect(page.locator('.explore-solution-point')).toHaveCount(2);

    await page.locator('#exploreSnap').uncheck();
    await dragValueLine(page, 0.37);
    await expect(input).toHaveValue(/^0\.\d\d$/);
    await expect(solutions.locator('li')).toHaveCount(2);
    await expect(solutions.locator('annotation').nth(0)).toContainText('approx');
    await expect(solutions.locator('annotation').nth(1)).toContainText('approx');

    await dragValueLine(page, 1.6);
    await expect(solutions).toHaveText('no solution');
    await expect(page.locator('.explore-solution-point')).toHaveCount(0);
  });

  test('the keypad types the value: cos α = √3/2 at 30° and 330°', async ({ page }) => {
    await openExplore(page);
    await page.getByTestId('explore-inverse-function').selectOption('cos');
    const keypad = page.getByTestId('explore-keypad');
    await expect(keypad).toBeHidden();
    await page.getByTestId('explore-inverse-input').click();
    await expect(keypad).toBeVisible();
    for (const key of ['√', '3', '/', '2', '2']) await keypad.locator(`[data-key="${key}"]`).click();
    await keypad.locator('[data-key="delete"]').click();
    await expect(page.getByTestId('explore-inverse-input')).toHaveValue('√3/2');
    await keypad.locator('[data-key="check"]').click();
    const solutions = page.getByTestId('explore-solutions');
    await expect(solutions.locator('li')).toHaveCount(2);
    await expect(solutions.locator('li').nth(0)).toHaveAttribute('data-degrees', '30');
    await expect(solutions.locator('li').nth(1)).toHaveAttribute('data-degrees', '330');
    await expect(keypad).toBeHidden();
    // The cos line stands at x = √3/2, its handle below the circle.
    await expect(page.getByTestId('explore-value-handle')).toHaveAttribute('data-function', 'cos');
    await expect(page.locator('.explore-inverse-line')).toHaveCount(1);
  });

  for (const colorScheme of ['light', 'dark'] as const) {
    test(`no serious accessibility violation, ${colorScheme}`, async ({ page }) => {
      await page.emulateMedia({ colorScheme });
      await openExplore(page);
      await page.locator('label[for="exploreShared"]').click();
      await askInverse(page, 'cos', '-1/2');
      await expect(page.getByTestId('explore-solutions').locator('li')).toHaveCount(2);
      const results = await new AxeBuilder({ page }).include('.explore-overlay').analyze();
      const serious = results.violations
        .filter((v) => v.impact === 'serious' || v.impact === 'critical')
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
      expect(serious).toEqual([]);
    });
  }
});
