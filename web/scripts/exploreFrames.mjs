// Prints frame times while a mouse drags the Explore point twice round the circle (phone size
// with touch, the CPU throttled 4x in Chromium): the requestAnimationFrame intervals, long
// tasks, the core's round trips by call, how long after the last move the point's
// aria-valuenow settles, and from a performance trace where the main thread's and the core
// worker's time went. Figures only: nothing fails on them.
//   node scripts/exploreFrames.mjs [URL]
// Without a URL it serves dist (built already) on 127.0.0.1:4461 with e2e/staticServer.mjs.
import { chromium } from '@playwright/test';
import { spawn } from 'node:child_process';
import { fileURLToPath } from 'node:url';

const webRoot = fileURLToPath(new URL('..', import.meta.url));
let url = process.argv[2];
let server = null;
if (!url) {
  server = spawn(process.execPath, ['e2e/staticServer.mjs', '4461', 'dist'], { cwd: webRoot, stdio: 'ignore' });
  url = 'http://127.0.0.1:4461/';
  for (let i = 0; i < 50; i++) {
    if (await fetch(url).then((r) => r.ok, () => false)) break;
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

const browser = await chromium.launch({
  executablePath: process.env.CHROME_PATH ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking', '--no-first-run'],
});

// In the page before its own scripts: a returning visitor, and the recorders (frames, long
// tasks, the core worker's messages, the point's value, the last pointer move).
function recorders() {
  localStorage.setItem('introductionSeen', 'yes');
  localStorage.setItem('privacyAccepted', 'yes');
  const probe = (window.__probe = { frames: [], longTasks: [], calls: [], values: [], lastMove: 0, measuring: false });
  try {
    new PerformanceObserver((list) => {
      if (probe.measuring) for (const entry of list.getEntries()) probe.longTasks.push(entry.duration);
    }).observe({ type: 'longtask' });
  } catch {
    // No long-task timing in this browser.
  }
  document.addEventListener('pointermove', () => { probe.lastMove = performance.now(); }, true);
  const sentAt = new Map();
  const Original = window.Worker;
  window.Worker = class extends Original {
    constructor(...args) {
      super(...args);
      this.addEventListener('message', (event) => {
        const sent = sentAt.get(event.data?.id);
        if (!sent) return;
        sentAt.delete(event.data.id);
        if (probe.measuring) probe.calls.push({ method: sent.method, ms: performance.now() - sent.at });
      });
    }
    postMessage(message, ...rest) {
      if (message && message.id !== undefined) sentAt.set(message.id, { method: message.method ?? message.kind, at: performance.now() });
      return super.postMessage(message, ...rest);
    }
  };
}

const percentile = (sorted, p) => sorted[Math.min(sorted.length - 1, Math.round(p * (sorted.length - 1)))];
const describe = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  if (sorted.length === 0) return 'n 0';
  return `n ${sorted.length}, p50 ${percentile(sorted, 0.5).toFixed(1)} ms, p95 ${percentile(sorted, 0.95).toFixed(1)} ms, max ${sorted.at(-1).toFixed(1)} ms`;
};

// Sums a trace's complete events by thread and name between two timestamps (µs).
function summarizeTrace(events) {
  const threads = new Map();
  for (const e of events) {
    if (e.ph === 'M' && e.name === 'thread_name') threads.set(`${e.pid}:${e.tid}`, e.args.name);
  }
  const begin = events.find((e) => e.name === 'explore-drag-start')?.ts;
  const end = events.find((e) => e.name === 'explore-drag-end')?.ts;
  const inside = (e) => begin === undefined || end === undefined || (e.ts >= begin && e.ts <= end);
  const byThread = new Map();
  for (const e of events) {
    if (e.ph !== 'X' || !e.dur || !inside(e)) continue;
    const thread = threads.get(`${e.pid}:${e.tid}`) ?? 'other';
    if (!/CrRendererMain|DedicatedWorker|Compositor|VizCompositor|CrGpuMain/.test(thread)) continue;
    const names = byThread.get(thread) ?? new Map();
    names.set(e.name, (names.get(e.name) ?? 0) + e.dur / 1000);
    byThread.set(thread, names);
  }
  // Style and layout run inside script are forced by a read (clientWidth, getComputedStyle…)
  // after a write: the page waits for them there and then.
  const main = [...threads].find(([, name]) => name === 'CrRendererMain')?.[0];
  const onMain = events.filter((e) => e.ph === 'X' && e.dur && inside(e) && `${e.pid}:${e.tid}` === main);
  const scripts = onMain.filter((e) => e.name === 'v8.callFunction' || e.name === 'FunctionCall').sort((a, b) => a.ts - b.ts);
  const merged = [];
  for (const e of scripts) {
    const last = merged.at(-1);
    if (last && e.ts <= last.end) last.end = Math.max(last.end, e.ts + e.dur);
    else merged.push({ start: e.ts, end: e.ts + e.dur });
  }
  const inScript = (e) => {
    let lo = 0;
    let hi = merged.length - 1;
    while (lo <= hi) {
      const mid = (lo + hi) >> 1;
      if (merged[mid].start > e.ts) hi = mid - 1;
      else if (merged[mid].end < e.ts + e.dur) lo = mid + 1;
      else return true;
    }
    return false;
  };
  for (const name of ['Layout', 'UpdateLayoutTree']) {
    const all = onMain.filter((e) => e.name === name);
    const forced = all.filter(inScript);
    const ms = (list) => list.reduce((sum, e) => sum + e.dur / 1000, 0).toFixed(0);
    console.log(`  ${name} on the main thread: ${all.length} times, ${ms(all)} ms; forced inside script: ${forced.length} times, ${ms(forced)} ms`);
  }
  // How much each layout had to do: the objects it found dirty of all it holds.
  const layouts = onMain.filter((e) => e.name === 'Layout' && e.args?.beginData);
  if (layouts.length) {
    const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
    const dirty = layouts.map((e) => e.args.beginData.dirtyObjects ?? 0);
    const total = layouts.map((e) => e.args.beginData.totalObjects ?? 0);
    const ms = layouts.map((e) => e.dur / 1000);
    console.log(`  each layout: median ${median(ms).toFixed(1)} ms, ${median(dirty)} dirty of ${median(total)} objects; partial ${layouts.filter((e) => e.args.beginData.partialLayout).length} of ${layouts.length}`);
  }
  const span = begin !== undefined && end !== undefined ? (end - begin) / 1000 : NaN;
  console.log(`  trace of the drag (${span.toFixed(0)} ms), busy time by thread (RunTask) and its largest parts (inclusive, nested parts overlap):`);
  const wanted = /^(FunctionCall|v8\.callFunction|EventDispatch|TimerFire|FireAnimationFrame|RunMicrotasks|UpdateLayoutTree|Layout|PrePaint|Paint|Layerize|Commit|MinorGC|MajorGC|V8\.GC_SCAVENGER|HitTest|ParseHTML|RasterTask|ScheduleStyleRecalculation|ProxyMain::BeginMainFrame::commit|ThreadProxy::BeginMainFrame|BeginMainThreadFrame|v8\.run|EvaluateScript|UpdateLayer|PaintImage|Decode Image)$/;
  for (const [thread, names] of [...byThread].sort((a, b) => (b[1].get('RunTask') ?? 0) - (a[1].get('RunTask') ?? 0))) {
    const busy = names.get('RunTask') ?? 0;
    if (busy < 1) continue;
    const parts = [...names].filter(([name]) => wanted.test(name)).sort((a, b) => b[1] - a[1]).slice(0, 8);
    console.log(`    ${thread}: ${busy.toFixed(0)} ms busy; ` + parts.map(([name, ms]) => `${name} ${ms.toFixed(0)}`).join(', '));
  }
}

// The page's JavaScript by where its time went (self time of the sampled functions): by file
// and the largest functions.
function summarizeProfile(profile) {
  const self = new Map();
  profile.samples.forEach((id, i) => self.set(id, (self.get(id) ?? 0) + (profile.timeDeltas[i] ?? 0) / 1000));
  const byFile = new Map();
  const byFunction = new Map();
  for (const node of profile.nodes) {
    const ms = self.get(node.id) ?? 0;
    if (!ms) continue;
    const { functionName, url: file, lineNumber, columnNumber } = node.callFrame;
    const name = file ? file.split('/').pop() : `(${functionName || 'native'})`;
    byFile.set(name, (byFile.get(name) ?? 0) + ms);
    const key = `${functionName || '(anonymous)'} ${name}:${lineNumber + 1}:${columnNumber + 1}`;
    byFunction.set(key, (byFunction.get(key) ?? 0) + ms);
  }
  const top = (map, n) => [...map].sort((a, b) => b[1] - a[1]).slice(0, n).map(([k, ms]) => `${k} ${ms.toFixed(0)} ms`);
  console.log('  main thread JavaScript by file (self time, sampled): ' + top(byFile, 8).join(', '));
  console.log('  largest functions (self time):');
  for (const line of top(byFunction, 12)) console.log('    ' + line);
}

// One drag: down on the point, `moves` moves along the circle at 60 a second, two turns, up.
async function dragRun(label, { throttle = 4, snap = true, trace = false } = {}) {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
  await context.addInitScript(recorders);
  const page = await context.newPage();
  await page.goto(url + '#/explore');
  const circle = page.locator('.explore-circle[role="slider"]');
  await circle.waitFor();
  if (!snap) await page.locator('#exploreSnap').uncheck();
  await page.waitForTimeout(500);
  // The point opens where the screen puts it; the drag starts there.
  const start = Number(await circle.getAttribute('aria-valuenow'));
  await circle.scrollIntoViewIfNeeded();
  const box = await circle.boundingBox();
  const cx = box.x + box.width / 2;
  const cy = box.y + box.height / 2;
  // The radius as the drawing lays it out, the pointer at 0.8 of it.
  const r = 0.8 * (box.width / 2 / 1.35);
  const at = (deg) => [cx + r * Math.cos((deg * Math.PI) / 180), cy - r * Math.sin((deg * Math.PI) / 180)];

  const cdp = await context.newCDPSession(page);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: throttle });
  let traceDone = null;
  if (trace) {
    await cdp.send('Profiler.enable');
    await cdp.send('Profiler.setSamplingInterval', { interval: 500 });
    await cdp.send('Profiler.start');
    traceDone = new Promise((resolve) => cdp.once('Tracing.tracingComplete', resolve));
    await cdp.send('Tracing.start', {
      transferMode: 'ReturnAsStream',
      traceConfig: { includedCategories: ['devtools.timeline', 'disabled-by-default-devtools.timeline', 'v8', 'blink.user_timing', 'toplevel', 'cc', 'blink'] },
    });
  }
  await page.evaluate(() => {
    const probe = window.__probe;
    const circle = document.querySelector('.explore-circle');
    probe.values = [];
    new MutationObserver(() => probe.values.push({ at: performance.now(), value: circle.getAttribute('aria-valuenow') }))
      .observe(circle, { attributes: true, attributeFilter: ['aria-valuenow'] });
    probe.frames = [];
    probe.longTasks = [];
    probe.calls = [];
    probe.measuring = true;
    performance.mark('explore-drag-start');
    let last = performance.now();
    const loop = (now) => {
      probe.frames.push(now - last);
      last = now;
      if (probe.measuring) requestAnimationFrame(loop);
    };
    requestAnimationFrame(loop);
  });

  const moves = 120;
  await page.mouse.move(...at(start));
  await page.mouse.down();
  const started = Date.now();
  for (let i = 1; i <= moves; i++) {
    const due = started + (i * 1000) / 60;
    const wait = due - Date.now();
    if (wait > 0) await new Promise((resolve) => setTimeout(resolve, wait));
    await page.mouse.move(...at(start + (720 * i) / moves));
  }
  const dragMs = Date.now() - started;
  await page.mouse.up();
  // Until the point has stopped: the last answers come after the last move.
  await page.waitForTimeout(2000);
  const probe = await page.evaluate(() => {
    const p = window.__probe;
    p.measuring = false;
    performance.mark('explore-drag-end');
    return { frames: p.frames.slice(1), longTasks: p.longTasks, calls: p.calls, values: p.values, lastMove: p.lastMove };
  });
  let events = null;
  let profile = null;
  if (trace) {
    profile = (await cdp.send('Profiler.stop')).profile;
    await cdp.send('Tracing.end');
    const { stream } = await traceDone;
    let text = '';
    for (;;) {
      const chunk = await cdp.send('IO.read', { handle: stream });
      text += chunk.base64Encoded ? Buffer.from(chunk.data, 'base64').toString() : chunk.data;
      if (chunk.eof) break;
    }
    await cdp.send('IO.close', { handle: stream });
    const parsed = JSON.parse(text);
    events = Array.isArray(parsed) ? parsed : parsed.traceEvents;
  }
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 1 });
  await context.close();

  // Frames while the finger moves: up to the last move and the frames drawing its answers.
  const finalValue = probe.values.at(-1)?.value ?? '?';
  const settledAt = probe.values.at(-1)?.at ?? probe.lastMove;
  console.log(`${label}: ${moves} moves in ${dragMs} ms (2 turns from ${start}°), the point ends at ${finalValue}°`);
  console.log(`  frame intervals (requestAnimationFrame): ${describe(probe.frames)}`);
  const longTotal = probe.longTasks.reduce((a, b) => a + b, 0);
  console.log(`  long tasks (> 50 ms): ${probe.longTasks.length}, ${longTotal.toFixed(0)} ms in all${probe.longTasks.length ? `, longest ${Math.max(...probe.longTasks).toFixed(0)} ms` : ''}`);
  console.log(`  aria-valuenow changed ${probe.values.length} times; settles ${(settledAt - probe.lastMove).toFixed(0)} ms after the last move`);
  const byMethod = new Map();
  for (const call of probe.calls) byMethod.set(call.method, [...(byMethod.get(call.method) ?? []), call.ms]);
  for (const [method, times] of byMethod) console.log(`  core round trip, ${method}: ${describe(times)}`);
  if (events) summarizeTrace(events);
  if (profile) summarizeProfile(profile);
}

if (process.env.EXPLORE_TRACE_ONLY) {
  await dragRun('Explore drag, phone, CPU 4x slower, snapping, traced and profiled (both slow it)', { trace: true });
  await browser.close();
  server?.kill();
  process.exit(0);
}
await dragRun('Explore drag, phone, CPU 4x slower, snapping (as it opens)');
await dragRun('Explore drag, phone, CPU 4x slower, not snapping', { snap: false });
await dragRun('Explore drag, phone, CPU not throttled, snapping (for comparison)', { throttle: 1 });
await dragRun('Explore drag, phone, CPU 4x slower, snapping, traced and profiled (both slow it)', { trace: true });
await browser.close();
server?.kill();
