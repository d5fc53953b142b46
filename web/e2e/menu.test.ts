import { readFileSync } from 'node:fs';
import AxeBuilder from '@axe-core/playwright';
import { expect, test, type Page, type Route } from '@playwright/test';
import { calculate, openApp, typeOnKeypad } from './pages';

// The side menu: its rows, the introduction and the notice read again, and the catalogue of the
// other apps, bundled or fetched from ./config.json (answered here, also with hostile answers).

test.use({ serviceWorkers: 'block' });

const bundledApps = JSON.parse(readFileSync(new URL('../../resources/config/RemoteConfigDefaults.json', import.meta.url), 'utf8')).apps;
const bundledNames = ['Maths Toolbox', 'Triangle Solver', 'Fraction Calculator', 'Statistics'];

const menu = (page: Page) => page.getByRole('dialog', { name: 'Menu' });

// Messages for the console that the page itself writes as errors or throws.
function watchErrors(page: Page): string[] {
  const errors: string[] = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  return errors;
}

async function serveConfig(page: Page, answer: (route: Route) => Promise<void>): Promise<void> {
  await page.route('**/config.json', answer);
}

// Opened once the page has dealt with its fetch: a document taken (and noted), or a failure
// noted on the console.
async function openAfterFetch(page: Page): Promise<void> {
  const failed = page.waitForEvent('console', (message) => message.text().startsWith('Remote configuration not fetched'))
    .catch(() => undefined);
  await openApp(page);
  await Promise.race([failed, page.waitForFunction(() => localStorage.getItem('remoteConfig.lastFetchAt') !== null)]);
  await openMenu(page);
}

async function openMenu(page: Page): Promise<void> {
  await page.locator('#menuButton').click();
  await expect(menu(page)).toBeVisible();
}

async function expectBundledCatalogue(page: Page): Promise<void> {
  for (const name of bundledNames) await expect(menu(page).getByText(name, { exact: true })).toBeVisible();
}

// A catalogue from the bundled one, its apps changed by `change`.
function catalogue(change: (app: Record<string, unknown>, index: number) => Record<string, unknown>): string {
  return JSON.stringify({ apps: { apps: bundledApps.map((app: Record<string, unknown>, i: number) => change({ ...app }, i)) } });
}

test('opens from the toolbar over the inert pages, and Escape, a tap beside it and Calculate close it', async ({ page }) => {
  await openApp(page);
  await openMenu(page);
  await expect(menu(page).getByRole('button', { name: 'Calculation' })).toBeFocused();
  await expect(page.locator('.main-screen')).toHaveAttribute('inert', '');
  // The drawer slides in: measured once it is in place, not on its way.
  await expect.poll(async () => (await menu(page).boundingBox())?.x).toBe(0);
  const box = (await menu(page).boundingBox())!;
  const width = page.viewportSize()!.width;
  expect(box.width).toBeGreaterThanOrEqual(Math.min(0.8 * width, 300));
  expect(box.width).toBeLessThan(width);

  await page.keyboard.press('Escape');
  await expect(menu(page)).toHaveCount(0);
  await expect(page.locator('#menuButton')).toBeFocused();
  await expect(page.locator('.main-screen')).not.toHaveAttribute('inert');

  await openMenu(page);
  await page.mouse.click(width - 8, box.height / 2);
  await expect(menu(page)).toHaveCount(0);
  await expect(page.locator('#menuButton')).toBeFocused();

  await openMenu(page);
  await menu(page).getByRole('button', { name: 'Calculation' }).click();
  await expect(menu(page)).toHaveCount(0);
  await page.locator('#key_4').click();
  await expect(page.locator('#alphaTextField')).toHaveValue('4');
});

for (const colorScheme of ['light', 'dark'] as const) {
  test(`its rows are named, readable and large enough to tap (${colorScheme})`, async ({ page }) => {
    await page.emulateMedia({ colorScheme });
    await openApp(page);
    await openMenu(page);
    await expectBundledCatalogue(page);
    const results = await new AxeBuilder({ page }).include('#sideMenu').analyze();
    expect(results.violations.map((violation) => violation.id)).toEqual([]);
    const heights = await menu(page).locator('.side-menu-row').evaluateAll((rows) => rows.map((row) => row.getBoundingClientRect().height));
    expect(Math.min(...heights)).toBeGreaterThanOrEqual(44);
    // The last row is reached by scrolling the menu, not the page.
    await menu(page).getByText('Statistics').scrollIntoViewIfNeeded();
    await expect(menu(page).getByText('Statistics')).toBeInViewport();
  });
}

test('its rows open the history, practice and Explore as the toolbar does', async ({ page }) => {
  await openApp(page);
  const rows: [string, string, string][] = [
    ['History', '.history-page', '#historyBackButton'],
    ['Practice', '.practice-overlay', '#practiceBackButton'],
    ['Explore', '.explore-overlay', ''],
  ];
  for (const [name, screen, back] of rows) {
    await openMenu(page);
    await menu(page).getByRole('button', { name, exact: true }).click();
    await expect(menu(page)).toHaveCount(0);
    await expect(page.locator(screen)).toBeVisible();
    if (back) {
      await page.locator(back).click();
      await expect(page.locator(screen)).toHaveCount(0);
    }
  }
});

test('the introduction and the privacy notice are there to read again', async ({ page }) => {
  await openApp(page);
  await openMenu(page);
  await menu(page).getByRole('button', { name: 'Introduction' }).click();
  await expect(page.locator('.onboarding-text')).toHaveText(/^Welcome to Unit Circle!/);
  await page.locator('#onboardingClose').click();
  await expect(page.locator('.onboarding')).toHaveCount(0);
  await expect(page.locator('#menuButton')).toBeFocused();

  await openMenu(page);
  await menu(page).getByRole('button', { name: 'Privacy Policy' }).click();
  const notice = page.getByRole('dialog', { name: 'Privacy' });
  await expect(notice).toContainText('in this browser only');
  // Accepted before: it closes without a second Accept.
  await page.keyboard.press('Escape');
  await expect(notice).toHaveCount(0);
  await expect(page.locator('#menuButton')).toBeFocused();
  expect(await page.evaluate(() => localStorage.getItem('privacyAccepted'))).toBe('yes');
});

test('the bundled catalogue, with its community and rating, links out in a new tab', async ({ page }) => {
  const errors = watchErrors(page);
  await serveConfig(page, (route) => route.fulfill({ status: 404 }));
  await openAfterFetch(page);
  await expectBundledCatalogue(page);
  await expect(menu(page).getByRole('heading', { name: 'All in one:' })).toBeVisible();
  await expect(menu(page).getByRole('heading', { name: 'Other apps:' })).toBeVisible();
  // Its own entry is the rating's, not a row.
  await expect(menu(page).getByText('Unit Circle Tutor')).toHaveCount(0);
  const community = menu(page).getByRole('link', { name: 'Join our community' });
  await expect(community).toHaveAttribute('href', /^https:\/\//);
  await expect(community).toHaveAttribute('target', '_blank');
  await expect(community).toHaveAttribute('rel', 'noopener');
  await expect(menu(page).getByRole('link', { name: 'Rate this App' })).toHaveAttribute('href', 'https://apps.unitcircle.app/unit-circle-tutor-pro/rate');
  const app = menu(page).getByRole('link', { name: 'Triangle Solver' });
  await expect(app).toHaveAttribute('href', 'https://apps.unitcircle.app/triangle-solver-pro');
  await expect(app).toHaveAttribute('target', '_blank');
  await expect(app).toHaveAttribute('rel', 'noopener noreferrer');
  // The missing document is the browser's line on the console, never the page's.
  expect(errors.filter((text) => !text.startsWith('Failed to load resource'))).toEqual([]);
});

test.describe('a hostile or broken configuration', () => {
  const answers: [string, (route: Route) => Promise<void>][] = [
    ['an oversized body', (route) => route.fulfill({ contentType: 'application/json', body: `{"apps": "${' '.repeat(1024 * 1024 + 10)}"}` })],
    ['invalid JSON', (route) => route.fulfill({ contentType: 'application/json', body: '{"apps": {"apps": [' })],
    ['a document that is not an object', (route) => route.fulfill({ contentType: 'application/json', body: '[1, 2]' })],
    ['apps that do not decode', (route) => route.fulfill({ contentType: 'application/json', body: '{"apps": {"apps": [{"appName": 3}]}}' })],
  ];
  for (const [what, answer] of answers) {
    test(`${what} leaves the bundled catalogue, without a word to the learner`, async ({ page }) => {
      const errors = watchErrors(page);
      await serveConfig(page, answer);
      await openAfterFetch(page);
      await expectBundledCatalogue(page);
      await expect(page.locator('.toast.visible')).toHaveCount(0);
      await expect(page.getByRole('alertdialog')).toHaveCount(0);
      expect(await page.evaluate(() => localStorage.getItem('remoteConfig.apps'))).toBeNull();
      expect(errors).toEqual([]);
    });
  }

  test('an answer that never comes holds nothing up', async ({ page }) => {
    let answer = () => undefined as void;
    const released = new Promise<void>((resolve) => (answer = resolve));
    const asked = page.waitForRequest('**/config.json');
    await serveConfig(page, async (route) => {
      await released;
      await route.abort().catch(() => undefined);
    });
    await openApp(page);
    await asked;
    await openMenu(page);
    await expectBundledCatalogue(page);
    await page.keyboard.press('Escape');
    await typeOnKeypad(page, '45');
    await calculate(page);
    await expect(page.locator('#page-result .step').first()).toBeVisible();
    answer();
  });

  test('links that are not https show as names only', async ({ page }) => {
    await serveConfig(page, (route) => route.fulfill({
      contentType: 'application/json',
      body: catalogue((app, i) => {
        const address = i === 6 ? 'javascript:alert(1)' : i === 1 ? 'http://apps.unitcircle.app/triangle-solver' : null;
        return address ? { ...app, appURL: address, appURLPro: address, storeURL: address, storeURLPro: address } : app;
      }),
    }));
    await openAfterFetch(page);
    await expect(menu(page).getByText('Maths Toolbox', { exact: true })).toBeVisible();
    await expect(menu(page).getByRole('link', { name: 'Maths Toolbox' })).toHaveCount(0);
    await expect(menu(page).getByText('Triangle Solver', { exact: true })).toBeVisible();
    await expect(menu(page).getByRole('link', { name: 'Triangle Solver' })).toHaveCount(0);
    await expect(menu(page).getByRole('link', { name: 'Statistics' })).toHaveAttribute('href', /^https:/);
    await expect(menu(page).locator('a[href^="javascript:"], a[href^="http:"]')).toHaveCount(0);
  });
});

test('a fetched catalogue is kept: its new app shows after a reload, and it is not asked again for hours', async ({ page }) => {
  let asked = 0;
  await serveConfig(page, (route) => {
    asked += 1;
    return route.fulfill({
      contentType: 'application/json',
      body: catalogue((app, i) => (i === 2 ? { ...app, appName: { en: 'Angle Workshop', de: 'Winkelwerkstatt' } } : app)),
    });
  });
  await openApp(page);
  await page.waitForFunction(() => localStorage.getItem('remoteConfig.apps') !== null);
  await page.reload();
  await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
  await openMenu(page);
  await expect(menu(page).getByRole('link', { name: 'Angle Workshop' })).toHaveAttribute('href', 'https://apps.unitcircle.app/fraction-calculator-pro');
  await expect(menu(page).getByText('Fraction Calculator')).toHaveCount(0);
  expect(asked).toBe(1);
});

test.describe('offline', () => {
  test.use({ serviceWorkers: 'allow' });

  test('the bundled catalogue shows', async ({ page, context }, testInfo) => {
    test.skip(testInfo.project.name !== 'phone', 'the network does not depend on the layout');
    await openApp(page);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await context.setOffline(true);
    await page.reload();
    await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
    await openMenu(page);
    await expectBundledCatalogue(page);
  });
});
