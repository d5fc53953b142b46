import { expect, test, type Locator } from '@playwright/test';
import { calculate, focusField, openApp, typeOnKeypad } from './pages';

// Small windows: 320 × 480, and what 200 % browser zoom leaves of a phone (390 × 844) and of a
// tablet (768 × 1024), a window half as wide and half as tall in CSS pixels.
const windows = [
  { project: 'phone', name: '320 × 480', width: 320, height: 480 },
  { project: 'phone', name: 'a phone at 200 %', width: 195, height: 422 },
  { project: 'tablet', name: 'a tablet at 200 %', width: 384, height: 512 },
];

type Box = { x: number; y: number; width: number; height: number };
const box = async (locator: Locator): Promise<Box> => (await locator.boundingBox())!;
const inside = (a: Box, b: Box) =>
  a.x >= b.x - 0.5 && a.y >= b.y - 0.5 && a.x + a.width <= b.x + b.width + 0.5 && a.y + a.height <= b.y + b.height + 0.5;
const overlap = (a: Box, b: Box) => a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;

// The shown buttons, fields, tabs and sliders under `root` smaller than 44 px either way.
const smallControls = (root: Locator) => root.evaluate((element) =>
  [...element.querySelectorAll<HTMLElement>('button, input, [role="tab"], [role="slider"]')]
    .filter((control) => control.checkVisibility({ visibilityProperty: true }))
    .map((control) => [control.id || control.className, control.getBoundingClientRect()] as const)
    .filter(([, { width, height }]) => width < 43.5 || height < 43.5)
    .map(([name, { width, height }]) => `${name} ${Math.round(width)} × ${Math.round(height)}`));

// No typeset piece starts below the first one's bottom: nothing went on to a second line.
const oneLine = (formula: Locator) => formula.evaluate((element) => {
  const pieces = [...element.querySelectorAll('.katex-html > .base')].map((base) => base.getBoundingClientRect());
  return pieces.every((piece) => piece.top < pieces[0].bottom);
});

for (const size of windows) {
  test.describe(`in ${size.name}`, () => {
    const window = { x: 0, y: 0, width: size.width, height: size.height };

    test.beforeEach(async ({ page }, info) => {
      test.skip(info.project.name !== size.project, `the ${size.project}'s window`);
      await page.setViewportSize({ width: size.width, height: size.height });
      await openApp(page);
    });

    test('an input error\'s message shows in the window beside its field, off the keys', async ({ page }) => {
      for (const [name, field] of [['alpha', page.locator('.field').nth(0)], ['b', page.locator('.field').nth(1)]] as const) {
        await page.getByRole('button', { name: 'Clear' }).click();
        await focusField(page, name);
        await typeOnKeypad(page, '1/0');
        // The check mark at the foot of a page that scrolls, as a thumb reaches it.
        await calculate(page);
        const message = page.getByRole('status');
        await expect(message).toHaveText('The denominator must not be 0: you cannot divide by zero.');
        const [shown, at] = [await box(message), await box(field)];
        expect(inside(shown, window) && inside(at, window), 'the message and its field in the window').toBe(true);
        const gap = shown.y >= at.y + at.height ? shown.y - (at.y + at.height) : at.y - (shown.y + shown.height);
        expect(gap, 'between the message and its field').toBeGreaterThanOrEqual(-0.5);
        expect(gap, 'between the message and its field').toBeLessThanOrEqual(16.5);
        for (const key of await page.locator('.key').all()) expect(overlap(shown, await box(key))).toBe(false);
      }
    });

    test('every control is at least 44 px, the title keeps its size, dialogs keep their buttons', async ({ page }) => {
      const title = page.locator('.main-screen > .toolbar h1');
      await expect(title).toHaveCSS('font-size', '20px');
      expect(await title.evaluate((h1) => h1.scrollWidth <= h1.clientWidth), 'the title whole').toBe(true);
      expect(inside(await box(title), window)).toBe(true);
      expect(await smallControls(page.locator('.main-screen'))).toEqual([]);
      for (const key of await page.locator('.key').all()) expect(inside(await box(key), { ...window, height: 1e4 })).toBe(true);

      // A result with the hint, the steps and the circle.
      await focusField(page, 'b');
      await typeOnKeypad(page, '2.35619449019');
      await calculate(page);
      await expect(page.locator('#piHintButton')).toBeVisible();
      await page.locator('.chart-row[data-kind="unitCircle"]').scrollIntoViewIfNeeded();
      await expect(page.getByRole('button', { name: 'Animate again' })).toBeVisible();
      expect(await smallControls(page.locator('#page-result'))).toEqual([]);

      await page.locator('#historyButton').click();
      expect(await smallControls(page.locator('.history-page'))).toEqual([]);
      await page.locator('#historyClearButton').click();
      const dialog = page.getByRole('dialog', { name: 'Clear History' });
      const frame = await box(dialog);
      expect(inside(frame, window)).toBe(true);
      for (const button of await dialog.getByRole('button').all()) expect(inside(await box(button), frame)).toBe(true);
      expect(await smallControls(dialog)).toEqual([]);
    });

    test('long numbers scroll sideways over a line that says so; the card breaks between values', async ({ page }) => {
      await focusField(page, 'b');
      await typeOnKeypad(page, '123456789.123456789');
      await calculate(page);
      const formulas = page.locator('#page-result .step-formula');
      await expect(formulas.first()).toBeVisible();
      for (const formula of await formulas.all()) expect(await oneLine(formula)).toBe(true);
      // The line under one that scrolls is as long as what is in sight, where the view is.
      // Which ones scroll is settled once the formulas' fonts have come.
      await page.evaluate(() => document.fonts.ready);
      const scrolling = await formulas.evaluateAll((all) => all.findIndex((formula) => formula.classList.contains('scrolls')));
      expect(scrolling).toBeGreaterThanOrEqual(0);
      const formula = formulas.nth(scrolling);
      const line = () => formula.evaluate((element) => {
        const hint = getComputedStyle(element, '::after');
        const start = parseFloat(hint.left) - element.scrollLeft;
        return { start, end: start + parseFloat(hint.width), view: element.clientWidth };
      });
      expect(Math.abs((await line()).start)).toBeLessThan(1);
      expect((await line()).end).toBeLessThan((await line()).view);
      await formula.evaluate((element) => element.scrollTo({ left: element.scrollWidth }));
      await expect.poll(async () => Math.abs((await line()).end - (await line()).view)).toBeLessThan(1);
      expect((await line()).start).toBeGreaterThan(0);
      // It is a stop for the keyboard, which scrolls it; one that fits is none.
      await expect(page.locator('#page-result .step-formula:not(.scrolls)').first()).not.toHaveAttribute('tabindex');
      await formula.evaluate((element) => element.scrollTo({ left: 0 }));
      await formula.focus();
      await page.keyboard.press('ArrowRight');
      await expect.poll(() => formula.evaluate((element) => element.scrollLeft)).toBeGreaterThan(0);

      const card = page.locator('.exact-card');
      const frame = await box(card);
      expect(frame.x + frame.width).toBeLessThanOrEqual(size.width + 0.5);
      for (const part of await card.locator('.exact-part').all()) {
        expect(await oneLine(part)).toBe(true);
        expect(inside(await box(part), frame)).toBe(true);
      }
      // α and b beside their decimals go on more than one row.
      const rows = await card.locator('.exact-line').first().locator('.exact-part')
        .evaluateAll((parts) => new Set(parts.map((part) => Math.round(part.getBoundingClientRect().top))).size);
      expect(rows).toBeGreaterThan(1);
    });
  });
}
