// What a learner does first, in any engine: calculate, read the result and its circle, share it
// as a picture, find the calculation in the history after a reload, answer a practice question,
// and reload offline.
// Each step polls the page until it shows what it should, as a learner would wait.

export class Skipped extends Error {}

const ready = () => document.querySelector('#app')?.getAttribute('aria-busy') === 'false';

// Polls fn in the page until it returns something truthy; that is the result.
export async function until(driver, what, fn, arg, timeoutMs = 20_000) {
  const deadline = Date.now() + timeoutMs;
  let last;
  for (;;) {
    try {
      last = await driver.evaluate(fn, arg);
      if (last) return last;
    } catch (error) {
      // A page between two documents cannot answer yet.
      last = error.message;
    }
    if (Date.now() > deadline) throw new Error(`${what} (last seen: ${JSON.stringify(last)})`);
    await new Promise((resolve) => setTimeout(resolve, 150));
  }
}

async function typeKeys(driver, keys) {
  for (const key of keys) await driver.click(`#key_${key}`);
}

async function calculate(driver, alpha) {
  await driver.click('#toolbarRemoveButton');
  await typeKeys(driver, alpha);
  await driver.click('#calculateButton');
  return await until(driver, `the steps of α = ${alpha}`, () => {
    const steps = document.querySelectorAll('#page-result .step');
    return steps.length > 0 && document.querySelector('#page-result .katex') ? steps.length : 0;
  });
}

const annotations = () =>
  [...document.querySelectorAll('#page-result annotation')].map((node) => node.textContent).join('\n');

export function journey({ baseUrl, firstAnswer, stopServer }) {
  return [
    ['opens as a returning visitor', async (driver) => {
      await driver.goto(baseUrl);
      await driver.evaluate(() => {
        localStorage.setItem('introductionSeen', 'yes');
        localStorage.setItem('privacyAccepted', 'yes');
        return true;
      });
      await driver.reload();
      await until(driver, 'the app ready', ready);
    }],
    ['calculates α = 135 and shows the exact values', async (driver) => {
      const steps = await calculate(driver, '135');
      const shown = await driver.evaluate(annotations);
      for (const exact of ['\\frac{\\sqrt{2}}{2}', '-\\frac{\\sqrt{2}}{2}']) {
        if (!shown.includes(exact)) throw new Error(`no ${exact} among ${steps} steps`);
      }
    }],
    ['draws the unit circle at its final state', async (driver) => {
      // Scrolled to at every look: the circle runs once it is in sight, and its row may come
      // after the steps have been drawn.
      await until(driver, 'α = 135° on the circle', () =>
        (document.querySelector('.chart-row[data-kind="unitCircle"]')?.scrollIntoView({ block: 'center' }), true) &&
        document.querySelector('.circle-label[data-part="alpha"]')?.textContent === 'α = 135°' &&
        document.querySelector('.unit-circle-view')?.getAttribute('aria-valuenow') === '135' &&
        document.querySelector('.circle-quadrant[data-shown="true"]')?.textContent === 'II', null, 30_000);
    }],
    ['shares the solution as one PNG', async (driver) => {
      const canShareFiles = await driver.evaluate(() => {
        const probe = new File([new Uint8Array(8)], 'probe.png', { type: 'image/png' });
        return typeof navigator.share === 'function' && typeof navigator.canShare === 'function' && navigator.canShare({ files: [probe] });
      });
      if (!canShareFiles) console.log(`note ${driver.name}: no Web Share API for files here: the picture is downloaded instead`);
      // The picture is caught in the page where it leaves: the file handed to the share sheet,
      // or the blob of the link that downloads it. Neither opens a dialog.
      await driver.evaluate((viaShare) => {
        window.sharedPicture = null;
        const keep = async (blob, name, how) => {
          const head = [...new Uint8Array(await blob.slice(0, 8).arrayBuffer())];
          const bitmap = await createImageBitmap(blob);
          window.sharedPicture = { how, name, type: blob.type, size: blob.size, head, width: bitmap.width, height: bitmap.height };
        };
        if (viaShare) {
          Object.defineProperty(navigator, 'share', { configurable: true, value: (data) => keep(data.files[0], data.files[0].name, 'share') });
          return true;
        }
        const click = HTMLAnchorElement.prototype.click;
        HTMLAnchorElement.prototype.click = function () {
          if (!this.download || !this.href.startsWith('blob:')) return click.call(this);
          HTMLAnchorElement.prototype.click = click;
          void fetch(this.href).then((response) => response.blob()).then((blob) => keep(blob, this.download, 'download'))
            .catch((error) => (window.sharedPicture = { error: String(error) }));
        };
        return true;
      }, canShareFiles);
      await driver.click('#shareButton');
      const picture = await until(driver, 'the picture', () => window.sharedPicture, null, 90_000);
      const how = canShareFiles ? 'share' : 'download';
      const png = [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a];
      if (picture.how !== how || !/\.png$/.test(picture.name) || picture.type !== 'image/png' || picture.head.join() !== png.join()) {
        throw new Error(`not one PNG by ${how}: ${JSON.stringify(picture)}`);
      }
      // The card, 20-odd steps and three charts under one another on a phone's column.
      if (picture.size < 100_000 || picture.height < 2 * picture.width) {
        throw new Error(`an unlikely picture: ${picture.width} × ${picture.height}, ${picture.size} bytes`);
      }
      await until(driver, 'the share button free again', () => document.querySelector('#shareButton')?.getAttribute('aria-busy') === 'false');
    }],
    ['keeps the calculation in the history over a reload', async (driver) => {
      await driver.reload();
      await until(driver, 'the app ready', ready);
      await driver.click('#historyButton');
      await until(driver, 'α = 135 in the history', () =>
        [...document.querySelectorAll('.history-row')].some((row) => (row.getAttribute('aria-label') ?? row.textContent).includes('135')));
    }],
    ['answers a practice question of a teacher\'s link', async (driver) => {
      await driver.goto(`${baseUrl}#/practice?seed=7&level=2`);
      await driver.reload();
      await until(driver, 'question 1', () => document.querySelector('.practice-progress')?.textContent === 'Question 1 of 10');
      const choice = await driver.evaluate((answer) => {
        const button = [...document.querySelectorAll('.practice-choice')].find((b) => b.textContent === answer);
        button?.click();
        return Boolean(button);
      }, firstAnswer);
      if (!choice) {
        for (const character of firstAnswer.replaceAll(' ', '')) await driver.click(`[data-key="${character}"]`);
      }
      await until(driver, 'the answer typed', (answer) =>
        document.querySelector('#practiceAnswer')?.textContent === answer, firstAnswer.replaceAll(' ', ''));
      await driver.click('[data-key="check"]');
      await until(driver, 'question 2', () => document.querySelector('.practice-progress')?.textContent === 'Question 2 of 10');
    }],
    ['opens and calculates with the server gone', async (driver) => {
      const hasWorker = await driver.evaluate(() => 'serviceWorker' in navigator && window.isSecureContext);
      if (!hasWorker) throw new Skipped('no service worker here: the tutor needs the network to load');
      // Installed and active first (it precaches the whole app), then the page opened afresh
      // rather than reloaded: WebDriver's reload bypasses the service worker, as a forced
      // reload does.
      // Asked afresh on every look, so that a page opened again in between is asked too.
      const workerActive = () => {
        if (!window.serviceWorkerAsked) {
          window.serviceWorkerAsked = true;
          void navigator.serviceWorker.ready.then(() => (window.serviceWorkerReady = true));
        }
        return window.serviceWorkerReady === true;
      };
      try {
        await until(driver, 'the service worker active', workerActive, null, 30_000);
      } catch {
        // An install that failed (a precache fetch cut off) leaves nothing to wait for: the
        // page opened again registers the worker again, as a learner's next visit would.
        await driver.goto(baseUrl);
        await until(driver, 'the app ready', ready);
        await until(driver, 'the service worker active', workerActive, null, 60_000);
      }
      await driver.goto(`${baseUrl}?online`);
      await until(driver, 'the app ready', ready);
      await until(driver, 'the service worker in control', () => navigator.serviceWorker.controller !== null);
      await stopServer();
      await driver.goto(`${baseUrl}?offline`);
      await until(driver, 'the app ready offline', ready);
      await calculate(driver, '45');
    }],
  ];
}
