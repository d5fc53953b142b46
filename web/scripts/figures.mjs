// Prints the web edition's figures for a running server: the bytes of the first load,
// compressed as a web server or CDN sends them, by kind of file, and the time from the tap on
// the check mark to the drawn result (median of 20 in Chromium). Figures only: nothing fails
// on them.  Usage: node scripts/figures.mjs http://127.0.0.1:4173/
import { chromium } from '@playwright/test';
import { brotliCompressSync, gzipSync, constants } from 'node:zlib';

const url = process.argv[2] ?? 'http://127.0.0.1:4173/';
const browser = await chromium.launch({
  executablePath: process.env.CHROME_PATH ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking', '--no-first-run'],
});

function kindOf(path, contentType) {
  if (/unitcircle-core|coreWorker|CoreModule/.test(path)) return 'WebAssembly core (JS with the wasm inlined)';
  if (/\.woff2$/.test(path)) return 'fonts (KaTeX, woff2)';
  if (/\.css$/.test(path)) return 'CSS (app and KaTeX)';
  if (/\.m?js$/.test(path)) return 'JavaScript (app, KaTeX, idb)';
  if (contentType.includes('html')) return 'HTML';
  return 'icons and manifest';
}

// What the page itself loads before it can calculate (the service worker's precache comes
// after, in the background).
async function firstLoad() {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, serviceWorkers: 'block' });
  const page = await context.newPage();
  const bodies = [];
  page.on('response', async (response) => {
    const body = await response.body().catch(() => null);
    if (!body) return;
    const path = new URL(response.url()).pathname;
    bodies.push({ path, kind: kindOf(path, response.headers()['content-type'] ?? ''), bytes: body });
  });
  await page.goto(url);
  await page.locator('#app[aria-busy="false"]').waitFor();
  await page.locator('#key_4').click();
  await page.locator('#key_5').click();
  await page.locator('#calculateButton').click();
  await page.locator('#page-result .step').first().waitFor();
  await page.waitForLoadState('networkidle');
  const byKind = new Map();
  for (const { kind, bytes } of bodies) {
    const entry = byKind.get(kind) ?? { raw: 0, gzip: 0, brotli: 0, files: 0 };
    entry.raw += bytes.length;
    entry.gzip += gzipSync(bytes, { level: 9 }).length;
    entry.brotli += brotliCompressSync(bytes, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
    entry.files += 1;
    byKind.set(kind, entry);
  }
  const kb = (n) => (n / 1024).toFixed(1).padStart(7) + ' KB';
  console.log('First load (page, first calculation included), compressed:');
  console.log('  ' + 'kind'.padEnd(45) + 'files      raw        gzip      brotli');
  let total = { raw: 0, gzip: 0, brotli: 0, files: 0 };
  for (const [kind, e] of [...byKind].sort((a, b) => b[1].gzip - a[1].gzip)) {
    console.log(`  ${kind.padEnd(45)}${String(e.files).padStart(5)} ${kb(e.raw)} ${kb(e.gzip)} ${kb(e.brotli)}`);
    total = { raw: total.raw + e.raw, gzip: total.gzip + e.gzip, brotli: total.brotli + e.brotli, files: total.files + e.files };
  }
  console.log(`  ${'total'.padEnd(45)}${String(total.files).padStart(5)} ${kb(total.raw)} ${kb(total.gzip)} ${kb(total.brotli)}`);
  await context.close();
}

async function tapToResult(page) {
  await page.locator('#toolbarRemoveButton').click();
  await page.evaluate(() => performance.clearMarks());
  await page.locator('#key_4').tap();
  await page.locator('#key_5').tap();
  await page.locator('#calculateButton').tap();
  await page.waitForFunction(() => performance.getEntriesByName('result-drawn').length > 0);
  return page.evaluate(() => performance.measure('tap-to-result', 'calculate-tap', 'result-drawn').duration);
}

async function tapToResultMedian() {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true });
  const page = await context.newPage();
  await page.goto(url);
  await page.locator('#app[aria-busy="false"]').waitFor();
  await tapToResult(page); // warm-up: first use of the fonts and the core
  const times = [];
  for (let i = 0; i < 20; i++) times.push(await tapToResult(page));
  times.sort((a, b) => a - b);
  const median = (times[9] + times[10]) / 2;
  console.log(`Tap to result drawn (phone, α = 45, 20 runs): median ${median.toFixed(1)} ms, min ${times[0].toFixed(1)} ms, max ${times[19].toFixed(1)} ms`);
  await context.close();
}

await firstLoad();
await tapToResultMedian();
await browser.close();
