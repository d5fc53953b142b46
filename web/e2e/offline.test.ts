import { expect, test } from '@playwright/test';
import { calculate, openApp, typeOnKeypad } from './pages';

test('after the first visit the tutor opens and calculates with the network off', async ({ page, context }) => {
  await openApp(page);
  // Controlled: the worker has precached everything and serves this page.
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  await page.reload();
  await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
  await typeOnKeypad(page, '45');
  await calculate(page);
  await expect(page.locator('#page-result .step')).toHaveCount(23);
  await expect(page.locator('#page-result .katex').first()).toBeVisible();
});

test('offline, a deep link with a query opens the tutor, which calculates', async ({ page, context }) => {
  await openApp(page);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  await page.goto('./some/where?x=1');
  await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
  await typeOnKeypad(page, '45');
  await calculate(page);
  await expect(page.locator('#page-result .step')).toHaveCount(23);
});
