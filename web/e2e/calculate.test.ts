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
