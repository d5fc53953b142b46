import { expect, test } from '@playwright/test';
import { calculate, focusField, openApp, typeOnKeypad } from './pages';

test.describe('calculate', () => {
  test('an angle typed on the keypad gives every step and the exact values', async ({ page }) => {
    await openApp(page);
    await expect(page.getByRole('tab', { name: 'Result' })).toBeDisabled();
    await typeOnKeypad(page, '45');
    await expect(page.locator('#alphaTextField')).toHaveValue('45');
    await expect(page.locator('#bTextField')).toBeDisabled();
    await calculate(page);

    await expect(page.getByRole('tab', { name: 'Result' })).toHaveAttribute('aria-selected', 'true');
    const steps = page.locator('#page-result .step');
    await expect(steps).toHaveCount(23);
    await expect(steps.nth(1).locator('.step-title')).toHaveText('Step 1    Chosen Formula');
    await expect(steps.nth(22)).toContainText('Quadrant');
    await expect(steps.nth(10).locator('.katex')).toBeVisible();
    // KaTeX typeset every formula: nothing fell back to raw text.
    await expect(page.locator('.math-error')).toHaveCount(0);
    const card = page.locator('.exact-card');
    await expect(card.getByRole('heading', { name: 'Exact values' })).toBeVisible();
    // The core's lines: α and b, sin, cos and tan beside their decimals, the reference angle
    // and the quadrant.
    await expect(card.locator('annotation')).toContainText([
      '\\alpha = 45^{\\circ}', 'b = \\frac{\\pi}{4}', '\\approx 0.7854',
      '\\sin\\alpha = \\frac{\\sqrt{2}}{2}', '\\approx 0.7071',
      '\\tan\\alpha = 1', '\\text{Reference angle}', '45^{\\circ}', '\\text{Quadrant I}',
    ]);
  });

  test('the keypad edits at the caret and the sign key toggles', async ({ page }) => {
    await openApp(page);
    await focusField(page, 'b');
    await typeOnKeypad(page, '3π4');
    await page.locator('#bTextField').evaluate((input: HTMLInputElement) => input.setSelectionRange(2, 2));
    await typeOnKeypad(page, '/');
    await expect(page.locator('#bTextField')).toHaveValue('3π/4');
    await typeOnKeypad(page, '-');
    await expect(page.locator('#bTextField')).toHaveValue('-3π/4');
    await typeOnKeypad(page, '-');
    // The caret came back after the "/" it typed.
    await page.locator('#deleteButton').click();
    await expect(page.locator('#bTextField')).toHaveValue('3π4');
    await expect(page.locator('#alphaTextField')).toBeDisabled();
  });

  test('an input error colours its field, shows its message and stores nothing', async ({ page }) => {
    await openApp(page);
    await focusField(page, 'alpha');
    // A physical keyboard types too; keys the keypad lacks are ignored.
    await page.keyboard.type('1x/0');
    await expect(page.locator('#alphaTextField')).toHaveValue('1/0');
    await page.keyboard.press('Enter');
    await expect(page.getByRole('status')).toHaveText('The denominator must not be 0: you cannot divide by zero.');
    await expect(page.locator('.field').first()).toHaveAttribute('data-border', 'red');
    // The message sits above the keypad: the keys that correct the input stay free.
    const message = await page.getByRole('status').boundingBox();
    const keypad = await page.locator('#key_7').boundingBox();
    expect(message!.y + message!.height).toBeLessThanOrEqual(keypad!.y);
    await expect(page.locator('#alphaTextField')).toHaveAttribute('aria-invalid', 'true');
    await expect(page.getByRole('tab', { name: 'Result' })).toBeDisabled();
    await page.locator('#historyButton').click();
    await expect(page.getByText('No calculations yet')).toBeVisible();
  });

  test('Input and Result swipe, and Clear empties both', async ({ page }) => {
    await openApp(page);
    await typeOnKeypad(page, '30');
    await calculate(page);
    await expect(page.getByRole('tab', { name: 'Result' })).toHaveAttribute('aria-selected', 'true');
    const resultPage = page.locator('#page-result');
    // A learner swipes back once the result has slid in; swiping during the slide is not this test.
    const strip = page.locator('.pages');
    await expect.poll(() => strip.evaluate((element) => element.scrollLeft === (element.querySelector('#page-result') as HTMLElement).offsetLeft)).toBe(true);
    await resultPage.evaluate((element) => element.scrollTo({ top: 600 }));
    await strip.evaluate((element) => element.scrollTo({ left: 0 }));
    await expect(page.getByRole('tab', { name: 'Input' })).toHaveAttribute('aria-selected', 'true');
    await calculate(page);
    await expect(page.getByRole('tab', { name: 'Result' })).toHaveAttribute('aria-selected', 'true');
    expect(await resultPage.evaluate((element) => element.scrollTop)).toBe(0);
    await page.getByRole('tab', { name: 'Input' }).click();
    await page.getByRole('button', { name: 'Clear' }).click();
    await expect(page.locator('#alphaTextField')).toHaveValue('');
    await expect(page.getByRole('tab', { name: 'Result' })).toBeDisabled();
  });
});

test('a b typed as a decimal near a fraction of π offers that fraction on a fresh input page', async ({ page }) => {
  await openApp(page);
  await focusField(page, 'b');
  await typeOnKeypad(page, '2.35619449019');
  await calculate(page);
  const hint = page.getByRole('button', { name: 'Did you mean b = 3π/4?' });
  await expect(hint).toBeVisible();
  await hint.click();
  await expect(page.getByRole('tab', { name: 'Input' })).toHaveAttribute('aria-selected', 'true');
  await expect(page.locator('#bTextField')).toHaveValue('3π/4');
  await expect(page.locator('#alphaTextField')).toBeDisabled();
  await calculate(page);
  await expect(page.getByRole('button', { name: /Did you mean/ })).toHaveCount(0);
});

test('pasted text is read as if typed; a character no key types is refused with the core\'s message', async ({ page, context }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  const paste = async (text: string) => {
    await page.evaluate((pasted) => navigator.clipboard.writeText(pasted), text);
    await page.keyboard.press('Control+V');
  };
  await openApp(page);
  // The decimal comma, the keypad's own minus sign, blanks around it.
  for (const [pasted, read] of [['13,5', '13.5'], ['\u2212135', '-135'], [' 135 ', '135']]) {
    await page.getByRole('button', { name: 'Clear' }).click();
    await focusField(page, 'alpha');
    await paste(pasted);
    await expect(page.locator('#alphaTextField')).toHaveValue(read);
  }
  // Over the selection, like a key.
  await page.locator('#alphaTextField').evaluate((input: HTMLInputElement) => input.setSelectionRange(1, 2));
  await paste('4,');
  await expect(page.locator('#alphaTextField')).toHaveValue('14.5');

  await paste('1\u0007');
  await expect(page.locator('#alphaTextField')).toHaveValue('14.5');
  await expect(page.getByRole('status')).toHaveText('Use only digits, one “.”, one “/” and π or e at the end.');
  await expect(page.locator('#alphaTextField')).toHaveAttribute('aria-invalid', 'true');
});

test('after Enter the focus is on the result\'s first element, and Tab goes through the steps in order', async ({ page }) => {
  await openApp(page);
  await focusField(page, 'alpha');
  await page.keyboard.type('45');
  await page.keyboard.press('Enter');
  await expect(page.locator('#page-result .step')).toHaveCount(23);
  // The card's heading at the top of one column; the first step in the left of two panes.
  const twoPanes = await page.locator('.solution-page.two-panes').count();
  const first = twoPanes ? page.locator('#page-result .step-toggle').first() : page.locator('.exact-card h2');
  await expect(first).toBeFocused();
  await expect(first).toBeInViewport();
  // The steps the focus is in, in the order it comes to them.
  const focusedStep = () => page.evaluate(() => {
    const row = document.activeElement?.closest('#page-result .step');
    return row ? [...row.parentElement!.children].indexOf(row) : -1;
  });
  const reached = [await focusedStep()].filter((step) => step >= 0);
  for (let i = 0; i < 40 && reached.length < 23; i++) {
    await page.keyboard.press('Tab');
    const step = await focusedStep();
    if (step >= 0 && !reached.includes(step)) reached.push(step);
    else if (step < 0 && reached.length > 0) break;
  }
  expect(reached).toEqual([...Array(23).keys()]);
});
