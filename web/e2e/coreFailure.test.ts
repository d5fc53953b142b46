import { expect, test, type Page, type Route } from '@playwright/test';
import { calculate, openApp, typeOnKeypad } from './pages';

// Faults of the core's worker, made by serving its script broken. A service worker would serve
// the script from its cache, past these routes.
test.use({ serviceWorkers: 'block' });

const workerScript = '**/assets/coreWorker-*.js';
const notAnswered = 'The calculator did not answer. Your input is fine: tap Calculate to try again.';

async function expectCoreFailure(page: Page, timeout?: number): Promise<void> {
  await expect(page.getByRole('status')).toHaveText(notAnswered, { timeout });
  // Not an input error: the valid input is not marked.
  await expect(page.locator('#alphaTextField')).toHaveAttribute('aria-invalid', 'false');
  await expect(page.locator('.field').first()).toHaveAttribute('data-border', 'normal');
  await expect(page.getByRole('tab', { name: 'Result' })).toBeDisabled();
}

// After a fault the keys and Clear work, and once it is lifted the next calculation gets a
// fresh worker.
async function expectWorksOnceLifted(page: Page): Promise<void> {
  const alpha = page.locator('#alphaTextField');
  await typeOnKeypad(page, '0');
  await expect(alpha).toHaveValue('450');
  await page.getByRole('button', { name: 'Clear' }).click();
  await expect(alpha).toHaveValue('');
  await page.unrouteAll();
  await typeOnKeypad(page, '45');
  await calculate(page);
  await expect(page.locator('#page-result .step')).toHaveCount(23);
}

const faults: [string, (route: Route) => Promise<void>][] = [
  ['its script is missing', (route) => route.fulfill({ status: 404 })],
  ['its WebAssembly is corrupted', async (route) => {
    const response = await route.fetch();
    const script = await response.text();
    // The core's module carries its WebAssembly inline; a wrong version number in its header.
    const body = script.replace('base64,AGFzbQEA', 'base64,AGFzbQIA');
    expect(body).not.toBe(script);
    await route.fulfill({ response, body });
  }],
  ['it throws as it starts', (route) =>
    route.fulfill({ contentType: 'text/javascript', body: "throw new Error('broken worker');" })],
  ['it throws while answering', (route) =>
    route.fulfill({ contentType: 'text/javascript', body: "self.onmessage = () => { throw new Error('broken core'); };" })],
];

test.describe('the core fails', () => {
  for (const [name, fault] of faults) {
    test(`when ${name}, the page says so and calculates once it is lifted`, async ({ page }) => {
      await page.route(workerScript, fault);
      await openApp(page);
      await typeOnKeypad(page, '45');
      await calculate(page);
      await expectCoreFailure(page);
      await expectWorksOnceLifted(page);
    });
  }

  test('a worker that never answers runs out of time', async ({ page }) => {
    test.setTimeout(45_000);
    await page.route(workerScript, (route) => route.fulfill({ contentType: 'text/javascript', body: 'self.onmessage = () => {};' }));
    await openApp(page);
    await typeOnKeypad(page, '45');
    await calculate(page);
    await expectCoreFailure(page, 15_000);
    await expectWorksOnceLifted(page);
  });

  test('Clear and a new calculation cancel one that waits for a silent worker', async ({ page }) => {
    await page.route(workerScript, (route) => route.fulfill({ contentType: 'text/javascript', body: 'self.onmessage = () => {};' }));
    await openApp(page);
    const alpha = page.locator('#alphaTextField');
    await typeOnKeypad(page, '45');
    await calculate(page);
    await page.getByRole('button', { name: 'Clear' }).click();
    await expect(alpha).toHaveValue('');
    await typeOnKeypad(page, '45');
    await calculate(page);
    await page.unrouteAll();
    // Well within the time limit: the waiting calculation gave way, and its worker with it.
    await calculate(page);
    await expect(page.locator('#page-result .step')).toHaveCount(23, { timeout: 5_000 });
    // Given up on, not failed: no message for them.
    await expect(page.getByText(notAnswered)).toHaveCount(0);
  });
});
