// One small interface over the two ways this machine drives a browser besides Playwright's
// Chromium: Firefox ESR over WebDriver BiDi (puppeteer-core), and WebKitGTK's MiniBrowser over
// classic W3C WebDriver (WebKitWebDriver, spoken here as plain HTTP).
//
// A driver: goto(url), reload(), evaluate(fn, arg) (fn runs in the page; its result comes back
// as JSON), click(selector), screenshot(path), quit().
import { spawn } from 'node:child_process';
import { writeFile } from 'node:fs/promises';
import { createServer } from 'node:net';

export const sizes = { phone: { width: 390, height: 844 }, tablet: { width: 1024, height: 1366 } };

// The page function as a text both protocols take: called with one JSON argument.
const pageCall = (fn, arg) => `return (${fn.toString()})(${JSON.stringify(arg ?? null)});`;

export async function firefox(size = sizes.phone) {
  const { default: puppeteer } = await import('puppeteer-core');
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.FIREFOX_PATH ?? '/usr/bin/firefox-esr',
    headless: true,
    // No updates, telemetry or remote settings: this machine's network is closed.
    extraPrefsFirefox: {
      'app.update.enabled': false,
      'datareporting.policy.dataSubmissionEnabled': false,
      'toolkit.telemetry.enabled': false,
      'services.settings.server': 'http://127.0.0.1:9/',
      'network.captive-portal-service.enabled': false,
    },
  });
  const page = await browser.newPage();
  await page.setViewport(size);
  return {
    name: 'Firefox ESR',
    goto: (url) => page.goto(url),
    reload: () => page.reload(),
    evaluate: (fn, arg) => page.evaluate(new Function(pageCall(fn, arg))),
    click: async (selector) => {
      await page.locator(selector).click();
    },
    screenshot: (path) => page.screenshot({ path }),
    quit: () => browser.close(),
  };
}

async function freePort() {
  return await new Promise((resolve, reject) => {
    const server = createServer();
    server.once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

async function untilAnswers(url, timeoutMs) {
  const deadline = Date.now() + timeoutMs;
  for (;;) {
    try {
      if ((await fetch(url)).ok) return;
    } catch {
      // not listening yet
    }
    if (Date.now() > deadline) throw new Error(`${url} does not answer`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

// MiniBrowser needs a display: run under xvfb-run. As root, WebKit's sandbox cannot start.
export async function webkit(size = sizes.phone) {
  const port = await freePort();
  const env = { ...process.env };
  if (process.getuid?.() === 0) env.WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS = '1';
  const driver = spawn(process.env.WEBKIT_DRIVER_PATH ?? 'WebKitWebDriver', [`--port=${port}`], { env, stdio: 'ignore' });
  const base = `http://127.0.0.1:${port}`;
  await untilAnswers(`${base}/status`, 10_000);

  const send = async (method, path, body) => {
    const response = await fetch(base + path, {
      method,
      headers: { 'content-type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const answer = await response.json();
    if (!response.ok) throw new Error(`${method} ${path}: ${answer.value?.error}: ${answer.value?.message}`);
    return answer.value;
  };
  const created = await send('POST', '/session', {
    capabilities: {
      alwaysMatch: {
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': {
          binary: process.env.MINIBROWSER_PATH ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
          args: ['--automation'],
        },
      },
    },
  });
  const session = `/session/${created.sessionId}`;
  await send('POST', `${session}/window/rect`, size).catch(() => {});
  const element = async (selector) => {
    const found = await send('POST', `${session}/element`, { using: 'css selector', value: selector });
    return Object.values(found)[0];
  };
  return {
    name: 'WebKitGTK',
    goto: (url) => send('POST', `${session}/url`, { url }),
    reload: () => send('POST', `${session}/refresh`, {}),
    evaluate: (fn, arg) => send('POST', `${session}/execute/sync`, { script: pageCall(fn, arg), args: [] }),
    click: async (selector) => {
      await send('POST', `${session}/element/${await element(selector)}/click`, {});
    },
    screenshot: async (path) => writeFile(path, Buffer.from(await send('GET', `${session}/screenshot`), 'base64')),
    quit: async () => {
      await send('DELETE', session).catch(() => {});
      driver.kill();
    },
  };
}
