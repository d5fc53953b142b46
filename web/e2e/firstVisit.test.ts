import { expect, test } from '@playwright/test';

// A first visit: no introduction seen, no notice accepted.
test.use({ storageState: { cookies: [], origins: [] } });

test('the privacy notice lies above the introduction until accepted; both come once', async ({ page }) => {
  await page.goto('./');
  const notice = page.getByRole('dialog', { name: 'Privacy' });
  await expect(notice).toBeVisible();
  await expect(notice).toContainText('in this browser only');
  // Escape does not pass it by.
  await page.keyboard.press('Escape');
  await expect(notice).toBeVisible();
  await notice.getByRole('button', { name: 'Accept' }).click();
  await expect(notice).toBeHidden();

  const introduction = page.locator('.onboarding');
  await expect(introduction).toBeVisible();
  await expect(page.locator('.onboarding-text')).toHaveText(/^Welcome to Unit Circle!/);
  for (let i = 0; i < 4; ++i) await page.locator('#onboardingAdvance').click();
  await expect(page.locator('#onboardingAdvance')).toHaveText("Let's start");
  await expect(page.locator('.onboarding-text')).toContainText('history');
  await page.locator('#onboardingAdvance').click();
  await expect(introduction).toHaveCount(0);
  await expect(page.locator('#key_7')).toBeVisible();
  await page.locator('#key_7').click();
  await expect(page.locator('#alphaTextField')).toHaveValue('7');

  await page.reload();
  await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
  await expect(page.getByRole('dialog')).toHaveCount(0);
  await expect(introduction).toHaveCount(0);
});

test.describe('in German on a small phone at twice the text size', () => {
  test.use({ locale: 'de-DE', viewport: { width: 320, height: 480 } });

  test('the notice\'s Accept is in sight with its text, and the introduction closes', async ({ page }) => {
    await page.goto('./');
    await page.evaluate(() => { document.documentElement.style.fontSize = '200%'; });
    const notice = page.getByRole('dialog', { name: 'Datenschutz' });
    await expect(notice).toBeVisible();
    await expect(notice.getByRole('button', { name: 'Akzeptieren' })).toBeInViewport({ ratio: 1 });
    await notice.getByRole('button', { name: 'Akzeptieren' }).click();
    await expect(page.locator('#onboardingAdvance')).toHaveText('Weiter');
    await page.locator('#onboardingClose').click();
    await expect(page.locator('.onboarding')).toHaveCount(0);
  });
});
