// Prints the web edition's figures for a running server: the bytes of the first load,
// compressed as a web server or CDN sends them, by kind of file, and what the charts bring
// later; the time from the tap on the check mark to the drawn result and to the unit circle's
// first frame (median of 20 in Chromium); frame times while the circle turns and while a finger
// drags it, with the CPU throttled 4x. Figures only: nothing fails on them.  Usage: node scripts/figures.mjs http://127.0.0.1:4173/
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
  if (/unitcircle-calls|uPlot|SplineChartView|UnitCircleChartView|ChartTableViewCell|charts/i.test(path)) return 'charts (loaded when in sight)';
  if (/practice/i.test(path)) return 'practice (loaded when opened)';
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
  // On a phone the charts come when scrolled to, after the steps: the load before them is what
  // a learner waits for.
  const charts = byKind.get('charts (loaded when in sight)') ?? { raw: 0, gzip: 0, brotli: 0, files: 0 };
  console.log(`  ${'total without the charts'.padEnd(45)}${String(total.files - charts.files).padStart(5)} ${kb(total.raw - charts.raw)} ${kb(total.gzip - charts.gzip)} ${kb(total.brotli - charts.brotli)}`);
  await context.close();
}

async function tapToResult(page) {
  await page.locator('#toolbarRemoveButton').click();
  await page.evaluate(() => performance.clearMarks());
  await page.evaluate(() => performance.clearMeasures());
  await page.locator('#key_4').tap();
  await page.locator('#key_5').tap();
  await page.locator('#calculateButton').tap();
  await page.waitForFunction(() => performance.getEntriesByName('result-drawn').length > 0);
  return page.evaluate(() => performance.measure('tap-to-result', 'calculate-tap', 'result-drawn').duration);
}

// The frame intervals (ms) of the page while `action` runs, with the CPU throttled 4x.
async function frameIntervals(page, action) {
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  await page.evaluate(() => {
    window.__frames = [];
    window.__measuring = true;
    let last = performance.now();
    const loop = (now) => {
      window.__frames.push(now - last);
      last = now;
      if (window.__measuring) requestAnimationFrame(loop);
    };
    requestAnimationFrame(loop);
  });
  await action(cdp);
  const frames = await page.evaluate(() => {
    window.__measuring = false;
    return window.__frames.slice(1);
  });
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 1 });
  return frames.sort((a, b) => a - b);
}

const percentile = (sorted, p) => sorted[Math.min(sorted.length - 1, Math.floor(sorted.length * p))];
const describe = (frames) =>
  `${frames.length} frames, median ${percentile(frames, 0.5).toFixed(1)} ms, p95 ${percentile(frames, 0.95).toFixed(1)} ms, max ${frames[frames.length - 1].toFixed(1)} ms`;

async function chartFrames() {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
  const page = await context.newPage();
  await page.goto(url);
  await page.locator('#app[aria-busy="false"]').waitFor();
  for (const key of ['#key_4', '#key_0', '#key_0']) await page.locator(key).tap();
  await page.locator('#calculateButton').tap();
  await page.locator('#page-result .chart-row[data-kind="unitCircle"]').scrollIntoViewIfNeeded();
  const circle = page.locator('#page-result [role="slider"]').first();
  await circle.waitFor();
  const replay = page.locator('#page-result .animate-again').first();
  await replay.waitFor();
  // A whole run of 400°: two turns, the quadrant's fade and the projections.
  await page.waitForFunction(() => !document.querySelector('#page-result .animate-again')?.hasAttribute('disabled'), null, { timeout: 15000 });
  const turning = await frameIntervals(page, async () => {
    await replay.tap();
    await page.waitForTimeout(3500);
  });
  console.log(`Frames while the circle turns (α = 400°, phone, CPU 4x slower): ${describe(turning)}`);

  const box = await page.locator('#page-result .circle-drawing').first().boundingBox();
  const cx = box.x + box.width / 2;
  const cy = box.y + box.height / 2;
  const r = 0.375 * box.height;
  // Starts on the point (the end of the 400° run, 40°) and goes round once in a second.
  const dragging = await frameIntervals(page, async (cdp) => {
    const at = (deg) => ({ x: cx + r * Math.cos((deg * Math.PI) / 180), y: cy - r * Math.sin((deg * Math.PI) / 180) });
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [at(40)] });
    for (let i = 1; i <= 60; i++) {
      await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [at(40 + i * 6)] });
      await page.waitForTimeout(16);
    }
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  });
  console.log(`Frames while a finger drags the point (phone, CPU 4x slower): ${describe(dragging)}`);
  await context.close();
}

// The tablet shows the circle beside the steps, so it is drawn with the result.
async function tapToResultMedian() {
  const context = await browser.newContext({ viewport: { width: 1024, height: 1366 }, hasTouch: true });
  const page = await context.newPage();
  await page.goto(url);
  await page.locator('#app[aria-busy="false"]').waitFor();
  await tapToResult(page); // warm-up: first use of the fonts and the core
  const times = [];
  const circleTimes = [];
  for (let i = 0; i < 20; i++) {
    times.push(await tapToResult(page));
    await page.waitForFunction(() => performance.getEntriesByName('circle-first-frame').length > 0);
    circleTimes.push(await page.evaluate(() => performance.measure('tap-to-circle', 'calculate-tap', 'circle-first-frame').duration));
  }
  const summary = (list) => {
    list.sort((a, b) => a - b);
    return `median ${((list[9] + list[10]) / 2).toFixed(1)} ms, min ${list[0].toFixed(1)} ms, max ${list[19].toFixed(1)} ms`;
  };
  console.log(`Tap to result drawn (tablet, α = 45, 20 runs): ${summary(times)}`);
  console.log(`Tap to the unit circle's first frame (tablet, α = 45, 20 runs): ${summary(circleTimes)}`);
  await context.close();
}

await firstLoad();
await tapToResultMedian();
await chartFrames();
await browser.close();
