import AxeBuilder from '@axe-core/playwright';
import { expect, test, type Page, type Request } from '@playwright/test';
import { calculate, openApp, typeOnKeypad } from './pages';

// The recommended videos under the solution and the help sheets. The video host is never
// contacted: every address outside the test server is refused, and the host's still images and
// player are answered here by stubs. Before the consent not even a stub is asked.

test.use({ serviceWorkers: 'block' });

const videoHost = /(youtube|ytimg|googlevideo|ggpht)/;
const lists = JSON.stringify({
  KV: {
    en: ['https://www.youtube.com/watch?v=abcdefghijk&t=90s', 'https:www.youtube.com/shorts/ABCDEFGHIJ_', 'https://videos.test/not-a-video'],
    de: ['https://www.youtube.com/watch?v=deutsch1234'],
  },
});
// A one-pixel PNG.
const stillImage = Buffer.from('iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAQAAAC1HAwCAAAAC0lEQVR42mNkYAAAAAYAAjCB0C8AAAAASUVORK5CYII=', 'base64');

const strip = (page: Page) => page.locator('#videoCollectionTableViewCell');
const cells = (page: Page) => strip(page).locator('.video-cell');

// The videos' list as the configuration kept it, and every request the page makes, recorded.
async function prepare(page: Page, options: { thumbnails: 'answer' | 'fail' } = { thumbnails: 'answer' }): Promise<Request[]> {
  const requests: Request[] = [];
  page.on('request', (request) => requests.push(request));
  await page.addInitScript((videos) => {
    localStorage.setItem('remoteConfig.videoTutorials', videos);
    localStorage.setItem('remoteConfig.lastFetchAt', String(Date.now()));
  }, lists);
  // The last route added answers first: anything outside the test server is refused.
  await page.route((url) => url.hostname !== '127.0.0.1', (route) => route.abort('blockedbyclient'));
  await page.route('https://i.ytimg.com/vi/**', (route) =>
    options.thumbnails === 'answer' ? route.fulfill({ contentType: 'image/png', body: stillImage }) : route.abort('internetdisconnected'));
  await page.route('https://www.youtube-nocookie.com/embed/**', (route) =>
    route.fulfill({ contentType: 'text/html', body: '<!doctype html><title>player</title><p id="stub">stub player</p>' }));
  return requests;
}

async function showSolution(page: Page): Promise<void> {
  await typeOnKeypad(page, '45');
  await calculate(page);
  await expect(page.locator('#page-result .step').first()).toBeVisible();
  await strip(page).scrollIntoViewIfNeeded();
}

const toVideoHost = (requests: Request[]) => requests.map((request) => request.url()).filter((url) => videoHost.test(new URL(url).hostname));

async function answerConsent(page: Page, answer: 'Accept' | 'Decline'): Promise<void> {
  const consent = page.getByRole('dialog', { name: 'Privacy of videos' });
  await expect(consent).toBeVisible();
  await consent.getByRole('button', { name: answer }).click();
}

test('nothing comes from the video host before the consent; with it, the still images and on a tap the player', async ({ page }) => {
  const requests = await prepare(page);
  await openApp(page);
  await showSolution(page);
  await expect(page.locator('#lockingView')).toBeVisible();
  await expect(page.locator('#unlockButton')).toHaveText('Touch to unlock');
  await expect(strip(page).getByRole('heading')).toHaveText('Still unclear? These videos help:');
  await expect(cells(page)).toHaveCount(3);
  // Under the cover: no picture, no player, nothing to reach by keys.
  await expect(strip(page).locator('img, iframe')).toHaveCount(0);
  await expect(page.locator('#videoCollectionView')).toHaveJSProperty('inert', true);
  await expect(page.locator('#privacyButton')).toHaveAttribute('aria-pressed', 'false');
  const axe = await new AxeBuilder({ page }).include('#videoCollectionTableViewCell').analyze();
  expect(axe.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`)).toEqual([]);
  expect(await page.evaluate(() => document.querySelectorAll('link[rel="preconnect"], link[rel="dns-prefetch"]').length)).toBe(0);
  expect(toVideoHost(requests)).toEqual([]);

  // Declining from the cover leaves it.
  await page.locator('#unlockButton').click();
  await answerConsent(page, 'Decline');
  await expect(page.locator('#lockingView')).toBeVisible();
  expect(toVideoHost(requests)).toEqual([]);

  // Accepting opens the strip and shows how the videos work; Escape closes that.
  await page.locator('#unlockButton').click();
  await answerConsent(page, 'Accept');
  const instructions = page.getByRole('dialog', { name: 'Help' });
  await expect(instructions.locator('figure')).toHaveCount(5);
  await page.keyboard.press('Escape');
  await expect(instructions).toHaveCount(0);
  await expect(page.locator('#privacyButton')).toBeFocused();
  await expect(page.locator('#lockingView')).toBeHidden();
  await expect(page.locator('#privacyButton')).toHaveAttribute('aria-pressed', 'true');
  // Two videos with their pictures; the third address names none and says so.
  await expect(cells(page).nth(0)).toHaveAttribute('data-state', 'ready');
  await expect(cells(page).nth(1)).toHaveAttribute('data-state', 'ready');
  await expect(cells(page).nth(2)).toHaveAttribute('data-state', 'unavailable');
  await expect(cells(page).nth(2)).toContainText('This video is not available.');
  await expect(cells(page).nth(0).locator('img')).toHaveAttribute('src', 'https://i.ytimg.com/vi/abcdefghijk/hqdefault.jpg');
  expect(toVideoHost(requests).every((url) => url.startsWith('https://i.ytimg.com/vi/'))).toBe(true);

  await cells(page).nth(0).getByRole('button', { name: 'Play the video' }).click();
  const player = cells(page).nth(0).locator('iframe');
  await expect(player).toHaveAttribute('src', 'https://www.youtube-nocookie.com/embed/abcdefghijk?autoplay=1&playsinline=1&iv_load_policy=1&start=90');
  await expect(page.frameLocator('#videoCollectionView iframe').locator('#stub')).toHaveText('stub player');
  await cells(page).nth(1).getByRole('button', { name: 'Play the video' }).click();
  await expect(cells(page).nth(1).locator('iframe')).toHaveAttribute('src', /\/embed\/ABCDEFGHIJ_\?autoplay=1&playsinline=1&iv_load_policy=1$/);
  // Closed, the picture is back.
  await cells(page).nth(1).getByRole('button', { name: 'Close the video' }).click();
  await expect(cells(page).nth(1)).toHaveAttribute('data-state', 'ready');
  await expect(cells(page).nth(1).locator('iframe')).toHaveCount(0);
});

test('the lock withdraws the consent, removes the players, and the strip stays covered after a reload', async ({ page }) => {
  const requests = await prepare(page);
  await openApp(page);
  await showSolution(page);
  await page.locator('#unlockButton').click();
  await answerConsent(page, 'Accept');
  await page.keyboard.press('Escape');

  // Kept across visits: open at once after a reload.
  await page.reload();
  await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
  await showSolution(page);
  await expect(page.locator('#lockingView')).toBeHidden();
  await cells(page).nth(0).getByRole('button', { name: 'Play the video' }).click();
  await expect(strip(page).locator('iframe')).toHaveCount(1);

  // The lock asks again; Accept there changes nothing, Decline covers the strip.
  await page.locator('#privacyButton').click();
  await answerConsent(page, 'Accept');
  await expect(strip(page).locator('iframe')).toHaveCount(1);
  await page.locator('#privacyButton').click();
  await answerConsent(page, 'Decline');
  await expect(page.locator('#lockingView')).toBeVisible();
  await expect(strip(page).locator('img, iframe')).toHaveCount(0);
  await expect(page.locator('#privacyButton')).toBeFocused();
  expect(await page.evaluate(() => localStorage.getItem('videoConsent'))).toBe('no');

  requests.length = 0;
  await page.reload();
  await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
  await showSolution(page);
  await expect(page.locator('#lockingView')).toBeVisible();
  await expect(strip(page).locator('img, iframe')).toHaveCount(0);
  expect(toVideoHost(requests)).toEqual([]);
});

test('the help sheet opens with its picture, zooms, and Escape closes it back to its button', async ({ page }) => {
  await prepare(page);
  await openApp(page);
  await showSolution(page);
  const button = page.locator('#manualButton');
  await expect(button).toHaveAccessibleName('Help');
  await button.click();
  const sheet = page.getByRole('dialog', { name: 'Help' });
  await expect(sheet).toBeVisible();
  const picture = sheet.locator('img');
  await expect(picture).toHaveAttribute('src', /kv_info-[\w-]+\.svg$/);
  await expect.poll(() => picture.evaluate((image: HTMLImageElement) => image.complete && image.naturalWidth > 0)).toBe(true);
  const width = async () => (await picture.boundingBox())!.width;
  const fitted = await width();
  await expect(sheet.getByRole('button', { name: 'Zoom out' })).toBeDisabled();

  await sheet.getByRole('button', { name: 'Zoom in' }).click();
  await expect(sheet).toHaveAttribute('data-zoom', '1.5');
  expect(await width()).toBeCloseTo(fitted * 1.5, 0);
  // Ctrl and the wheel zoom about the pointer; the plain wheel only scrolls.
  const box = (await page.locator('#manualScrollView').boundingBox())!;
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  await page.mouse.wheel(0, -100);
  await expect(sheet).toHaveAttribute('data-zoom', '1.5');
  await page.keyboard.down('Control');
  await page.mouse.wheel(0, -100);
  await page.keyboard.up('Control');
  await expect.poll(async () => Number(await sheet.getAttribute('data-zoom'))).toBeGreaterThan(1.5);
  for (let i = 0; i < 5; ++i) await sheet.getByRole('button', { name: 'Zoom in' }).click({ force: true });
  await expect(sheet).toHaveAttribute('data-zoom', '4');
  await expect(sheet.getByRole('button', { name: 'Zoom in' })).toBeDisabled();

  await page.keyboard.press('Escape');
  await expect(sheet).toHaveCount(0);
  await expect(button).toBeFocused();
  // The close button too.
  await button.click();
  await page.getByRole('button', { name: 'Close the help' }).click();
  await expect(page.getByRole('dialog', { name: 'Help' })).toHaveCount(0);
  await expect(button).toBeFocused();
});

test.describe('in German, without a connection', () => {
  test.use({ locale: 'de-DE' });

  test('the strip says so in its own message, and the page keeps working', async ({ page, context }) => {
    await prepare(page, { thumbnails: 'fail' });
    await openApp(page);
    await showSolution(page);
    await expect(strip(page).getByRole('heading')).toHaveText('Noch unklar? Diese Videos helfen dir:');
    await expect(page.locator('#unlockButton')).toHaveText('Zum Entsperren tippen');
    await expect(page.locator('#privacyButton')).toHaveAccessibleName('Zustimmung für Videos');
    await expect(page.locator('#videoManualButton')).toHaveAccessibleName('So funktionieren die Videos');
    await expect(page.locator('#manualButton')).toHaveAccessibleName('Hilfe');
    await page.locator('#unlockButton').click();
    const consent = page.getByRole('dialog', { name: 'Datenschutz bei Videos' });
    await expect(consent).toContainText('Schloss-Symbol');
    await consent.getByRole('button', { name: 'Akzeptieren' }).click();
    await page.getByRole('button', { name: 'Hilfe schließen' }).click();
    // The German list first, then the English one.
    await expect(cells(page)).toHaveCount(4);
    const first = cells(page).first();
    await expect(first).toHaveAttribute('data-state', 'offline');
    await expect(first.getByRole('status')).toHaveText('Das Video konnte nicht geladen werden. Prüfe deine Internetverbindung.');
    await expect(first.getByRole('button', { name: 'Erneut versuchen' })).toBeVisible();
    await expect(strip(page).locator('iframe')).toHaveCount(0);

    // The connection back: trying again shows the picture; lost again, a tap on play says so.
    await page.unroute('https://i.ytimg.com/vi/**');
    await page.route('https://i.ytimg.com/vi/**', (route) => route.fulfill({ contentType: 'image/png', body: stillImage }));
    await first.getByRole('button', { name: 'Erneut versuchen' }).click();
    await expect(first).toHaveAttribute('data-state', 'ready');
    await expect(first.getByRole('button', { name: 'Video abspielen' })).toBeFocused();
    await context.setOffline(true);
    await first.getByRole('button', { name: 'Video abspielen' }).click();
    await expect(first).toHaveAttribute('data-state', 'offline');
    await expect(first.locator('iframe')).toHaveCount(0);
    await context.setOffline(false);

    // The rest of the page goes on: another calculation.
    await page.locator('#toolbarRemoveButton').click();
    await showSolution(page);
    await expect(page.locator('#page-result .step').first()).toBeVisible();
  });
});
