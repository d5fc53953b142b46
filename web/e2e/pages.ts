import { expect, type Page } from '@playwright/test';

// What every test does on the pages: open the app, tap keys, calculate.

export async function openApp(page: Page): Promise<void> {
  // Also in a browser of a test's own, which starts without the configuration's storage.
  await page.addInitScript(() => {
    localStorage.setItem('introductionSeen', 'yes');
    localStorage.setItem('privacyAccepted', 'yes');
  });
  await page.goto('./');
  await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
}

const keyIds: Record<string, string> = {
  '/': 'key_slash', '-': 'key_minus', '.': 'key_point', '(': 'key_open', ')': 'key_close', 'π': 'key_pi', e: 'key_e',
};

// Taps (on touch screens) or clicks the keypad's keys for each character.
export async function typeOnKeypad(page: Page, text: string): Promise<void> {
  const touch = page.context().browser() !== null && (await page.evaluate(() => navigator.maxTouchPoints > 0));
  for (const character of text) {
    const key = page.locator('#' + (keyIds[character] ?? `key_${character}`));
    if (touch) await key.tap();
    else await key.click();
  }
}

export async function calculate(page: Page): Promise<void> {
  await page.locator('#calculateButton').click();
}

export async function focusField(page: Page, field: 'alpha' | 'b'): Promise<void> {
  await page.locator(field === 'alpha' ? '#alphaTextField' : '#bTextField').click();
}
