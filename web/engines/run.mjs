// The core journey of the built app (dist/) in one browser engine besides Chromium:
//   node engines/run.mjs firefox|webkit [--tablet] [--screenshots DIR]
// WebKit needs a display (xvfb-run). Prints one line per step; exits 1 when one fails.
import { spawn } from 'node:child_process';
import { mkdir } from 'node:fs/promises';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { firefox, sizes, webkit } from './drivers.mjs';
import { journey, Skipped } from './journey.mjs';

const engines = { firefox, webkit };
const [engine, ...options] = process.argv.slice(2);
if (!engines[engine]) {
  console.error('usage: node engines/run.mjs firefox|webkit [--tablet] [--screenshots DIR]');
  process.exit(64);
}
const size = options.includes('--tablet') ? 'tablet' : 'phone';
const screenshots = options.includes('--screenshots') ? options[options.indexOf('--screenshots') + 1] : null;
const web = resolve(import.meta.dirname, '..');
const port = Number(process.env.UNITCIRCLE_ENGINE_PORT ?? (engine === 'firefox' ? 4191 : 4192));
const baseUrl = `http://127.0.0.1:${port}/`;

// The first answer of the worksheet of seed 7, level 2, as the command line's core prints it.
async function firstAnswer() {
  const corePath = process.env.UNITCIRCLE_CORE ?? resolve(web, '../build/wasm/web-core/unitcircle-core.mjs');
  const { default: createCore } = await import(pathToFileURL(corePath).href);
  const core = await createCore();
  const sheet = new TextDecoder().decode(core.run(['practice', '--seed', '7', '--level', '2', '--lang', 'en']).stdout);
  const numbered = [...sheet.matchAll(/^\d+\. (.*)$/gm)].map((match) => match[1]);
  return numbered[numbered.length / 2];
}

const server = spawn(process.execPath, [resolve(web, 'e2e/staticServer.mjs'), String(port), resolve(web, 'dist')], { stdio: 'inherit' });
const stopServer = async () => {
  server.kill();
  // A killed server has a signal, not an exit code; waiting for an exit already past would
  // leave the run hanging.
  if (server.exitCode !== null || server.signalCode !== null) return;
  await new Promise((done) => server.once('exit', done));
};

let failed = 0;
let driver;
try {
  const steps = journey({ baseUrl, firstAnswer: await firstAnswer(), stopServer });
  driver = await engines[engine](sizes[size]);
  if (screenshots) await mkdir(screenshots, { recursive: true });
  for (const [index, [name, step]] of steps.entries()) {
    const started = Date.now();
    try {
      await step(driver);
      console.log(`ok   ${driver.name}: ${name} (${Date.now() - started} ms)`);
    } catch (error) {
      if (error instanceof Skipped) {
        console.log(`skip ${driver.name}: ${name}: ${error.message}`);
      } else {
        failed += 1;
        console.log(`FAIL ${driver.name}: ${name}: ${error.message}`);
      }
    }
    if (screenshots) await driver.screenshot(`${screenshots}/${engine}-${size}-${index + 1}.png`).catch(() => {});
  }
} catch (error) {
  failed += 1;
  console.log(`FAIL ${engine}: ${error.stack ?? error}`);
} finally {
  await driver?.quit().catch(() => {});
  await stopServer();
}
process.exit(failed ? 1 : 0);
