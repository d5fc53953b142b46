// Takes the README's screenshots of the web edition in Chromium: phone and tablet, light and
// dark, English and German.  Usage: node scripts/screenshots.mjs http://127.0.0.1:4173/ ../docs/screenshots
import { chromium } from '@playwright/test';
import { resolve } from 'node:path';

const [url = 'http://127.0.0.1:4173/', directory = '../docs/screenshots'] = process.argv.slice(2);
const browser = await chromium.launch({
  executablePath: process.env.CHROME_PATH ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--headless', '--disable-gpu', '--no-first-run'],
});

const shots = [
  { name: 'web-phone-input', width: 390, height: 844, colorScheme: 'light', locale: 'en-US', keys: ['bTextField', 'key_3', 'key_pi', 'key_slash', 'key_4'], calculate: false },
  { name: 'web-phone-result', width: 390, height: 844, colorScheme: 'light', locale: 'en-US', keys: ['bTextField', 'key_3', 'key_pi', 'key_slash', 'key_4'], calculate: true },
  { name: 'web-phone-dark-result', width: 390, height: 844, colorScheme: 'dark', locale: 'en-US', keys: ['key_1', 'key_3', 'key_5'], calculate: true },
  { name: 'web-tablet-landscape-de', width: 1366, height: 1024, colorScheme: 'light', locale: 'de-DE', keys: ['key_minus', 'key_3', 'key_0'], calculate: false },
  { name: 'web-tablet-result-de', width: 1024, height: 1366, colorScheme: 'light', locale: 'de-DE', keys: ['bTextField'], typed: '2.35619449019', calculate: true },
  {
    name: 'web-phone-circle', width: 390, height: 844, colorScheme: 'light', locale: 'en-US', keys: ['key_4', 'key_0', 'key_0'], calculate: true, reducedMotion: 'reduce',
    act: async (page) => {
      await page.locator('.chart-row[data-kind="unitCircle"]').scrollIntoViewIfNeeded();
      await page.locator('.circle-arcs circle').first().waitFor();
      await page.locator('.chart-row[data-kind="unitCircle"]').evaluate((row) => row.scrollIntoView({ block: 'center' }));
    },
  },
  {
    name: 'web-phone-graph', width: 390, height: 844, colorScheme: 'light', locale: 'en-US', keys: ['key_2', 'key_0', 'key_0'], calculate: true, reducedMotion: 'reduce',
    act: async (page) => {
      const row = page.locator('.chart-row[data-kind="trigonometric"]').first();
      await row.scrollIntoViewIfNeeded();
      await row.evaluate((element) => element.scrollIntoView({ block: 'center' }));
      const plot = page.locator('.spline-chart[data-type="sin"] .u-over');
      await plot.waitFor();
      const box = await plot.boundingBox();
      await page.mouse.move(box.x + box.width * 0.6, box.y + box.height / 2);
    },
  },
  {
    name: 'web-tablet-step-circle', width: 1024, height: 1366, colorScheme: 'light', locale: 'en-US', keys: ['key_1', 'key_3', 'key_5'], calculate: true, reducedMotion: 'reduce',
    act: async (page) => {
      await page.locator('.circle-arcs circle').first().waitFor();
      await page.locator('#page-result .step').nth(12).locator('.step-toggle').click();
    },
  },
  {
    name: 'web-phone-practice-map', width: 390, height: 844, colorScheme: 'light', locale: 'en-US', keys: [], hash: '#/practice',
    act: async (page) => {
      await page.locator('.practice-level[data-level="2"]').click();
      await page.locator('.mastery-point').nth(20).waitFor();
    },
  },
  {
    name: 'web-phone-practice-feedback', width: 390, height: 844, colorScheme: 'light', locale: 'en-US', keys: [], hash: '#/practice?seed=3&level=1', reducedMotion: 'reduce',
    act: async (page) => {
      await page.locator('[data-key="7"]').click();
      await page.locator('[data-key="check"]').click();
      await page.locator('.practice-feedback-figure .circle-arcs circle').first().waitFor();
    },
  },
];

for (const shot of shots) {
  const context = await browser.newContext({
    viewport: { width: shot.width, height: shot.height },
    hasTouch: true,
    isMobile: shot.width < 600,
    deviceScaleFactor: shot.width < 600 ? 2 : 1,
    colorScheme: shot.colorScheme,
    locale: shot.locale,
    reducedMotion: shot.reducedMotion ?? 'no-preference',
  });
  const page = await context.newPage();
  await page.goto(url + (shot.hash ?? ''));
  await page.locator('#app[aria-busy="false"]').waitFor();
  for (const key of shot.keys) await page.locator('#' + key).click();
  if (shot.typed) await page.keyboard.type(shot.typed);
  if (shot.calculate) {
    await page.locator('#calculateButton').click();
    await page.locator('#page-result .step').first().waitFor();
  }
  if (shot.act) await shot.act(page);
  await page.evaluate(() => document.fonts.ready);
  await page.waitForTimeout(600);
  await page.screenshot({ path: resolve(directory, shot.name + '.png') });
  await context.close();
}
await browser.close();
