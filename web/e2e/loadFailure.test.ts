import { expect, test, type Route } from '@playwright/test';
import { calculate, openApp, typeOnKeypad } from './pages';

// The page's own scripts fail: a short message in place of a blank, busy page.
test.use({ serviceWorkers: 'block' });

const appScript = '**/assets/index-*.js';
const faults: [string, (route: Route) => Promise<void>][] = [
  ['do not load', (route) => route.fulfill({ status: 404 })],
  ['throw as they start', (route) => route.fulfill({ contentType: 'text/javascript', body: "throw new Error('broken start');" })],
];

test.describe('the app cannot start', () => {
  for (const [name, fault] of faults) {
    test(`when its scripts ${name}, a message says so, and a reload once they load starts it`, async ({ page }) => {
      await page.route(appScript, fault);
      await page.goto('./');
      await expect(page.getByRole('alert')).toHaveText('The app could not be loaded. Check your internet connection and reload the page.');
      await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
      await page.unrouteAll();
      await openApp(page);
      await expect(page.getByRole('alert')).toHaveCount(0);
      await typeOnKeypad(page, '45');
      await calculate(page);
      await expect(page.locator('#page-result .step')).toHaveCount(23);
    });
  }

  test.describe('in German', () => {
    test.use({ locale: 'de-DE' });
    test('the message is in the browser\'s language', async ({ page }) => {
      await page.route(appScript, (route) => route.fulfill({ status: 404 }));
      await page.goto('./');
      await expect(page.getByRole('alert')).toHaveText('Die App konnte nicht geladen werden. Prüfe deine Internetverbindung und lade die Seite neu.');
    });
  });
});
