import { expect, test, type Page } from '@playwright/test';
import { calculate, openApp, typeOnKeypad } from './pages';

// When the browser's storage fails, the learner keeps every result, hears about it once, and
// the history shows what the page still holds; once storage works again, calculations are kept.

// Each test calculates several times and opens a second page.
test.describe.configure({ timeout: 60_000 });

type Fault = 'throws' | 'errors' | 'blocked' | 'full';

interface FaultyWindow {
  faulty: boolean;
  repair(): Promise<void>;
  toasts: string[];
}

// Runs in the page before the app: breaks the databases named until window.faulty.repair().
function breakStorage({ fault, names }: { fault: Fault; names: string[] }): void {
  const realOpen = IDBFactory.prototype.open;
  const held: IDBDatabase[] = [];
  const waiting: IDBOpenDBRequest[] = [];
  const state = { faulty: true } as FaultyWindow;
  (window as unknown as { faulty: FaultyWindow }).faulty = state;
  // A connection of an older version that never lets go: a newer open is blocked behind it.
  if (fault === 'blocked') {
    for (const name of names) {
      const request = realOpen.call(indexedDB, `${name}-held`, 1);
      request.onsuccess = () => held.push(request.result);
    }
  }
  IDBFactory.prototype.open = function (this: IDBFactory, name: string, version?: number) {
    if (!state.faulty || !names.includes(name)) return realOpen.call(this, name, version);
    if (fault === 'throws') throw new DOMException('The user denied permission to access the database.', 'SecurityError');
    if (fault === 'errors') {
      const request = realOpen.call(this, `${name}-refused-${Math.random()}`, 1);
      request.addEventListener('upgradeneeded', (event) => {
        event.stopImmediatePropagation();
        request.transaction?.abort();
      });
      return request;
    }
    if (fault === 'blocked') {
      const request = realOpen.call(this, `${name}-held`, 2);
      waiting.push(request);
      return request;
    }
    return realOpen.call(this, name, version);
  };
  if (fault === 'full') {
    for (const method of ['put', 'add'] as const) {
      const real = IDBObjectStore.prototype[method];
      IDBObjectStore.prototype[method] = function (this: IDBObjectStore, ...args: [unknown, IDBValidKey?]) {
        if (state.faulty && names.includes(this.transaction.db.name)) throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
        return real.apply(this, args);
      };
    }
  }
  state.repair = async () => {
    state.faulty = false;
    for (const db of held) db.close();
    await Promise.all(waiting.map((request) => request.readyState === 'done' ? null : new Promise((done) => request.addEventListener('success', done))));
  };
}

// Every text the toast has shown, in order.
function recordToasts(): void {
  const shown: string[] = [];
  (window as unknown as { toasts: string[] }).toasts = shown;
  new MutationObserver((mutations) => {
    for (const mutation of mutations) {
      const target = mutation.target;
      if (target instanceof Element && target.classList.contains('toast') && target.textContent) shown.push(target.textContent);
    }
  }).observe(document, { childList: true, subtree: true });
}

const toasts = (page: Page) => page.evaluate(() => (window as unknown as { toasts: string[] }).toasts);
const repair = (page: Page) => page.evaluate(() => (window as unknown as { faulty: FaultyWindow }).faulty.repair());

async function calculateAlpha(page: Page, alpha: string): Promise<void> {
  await page.getByRole('tab', { name: 'Input' }).click();
  await page.getByRole('button', { name: 'Clear' }).click();
  await typeOnKeypad(page, alpha);
  await calculate(page);
  await expect(page.locator('#page-result .step')).toHaveCount(23);
}

async function historyRows(page: Page): Promise<string[]> {
  await page.locator('#historyButton').click();
  const rows = page.locator('.history-row .history-open');
  await expect(page.locator('.history-page')).toBeVisible();
  const names: string[] = [];
  for (const row of await rows.all()) names.push((await row.getAttribute('aria-label')) ?? '');
  await page.locator('#historyBackButton').click();
  return names;
}

// What the history of a fresh page of the same browser holds: what is really stored.
async function storedRows(page: Page): Promise<string[]> {
  const other = await page.context().newPage();
  await openApp(other);
  const rows = await historyRows(other);
  await other.close();
  return rows;
}

const causes: Record<Fault, string> = {
  throws: 'The browser does not let this page store data.',
  errors: 'The browser does not let this page store data.',
  blocked: "Another tab keeps this page's stored data in use.",
  full: "The browser's storage for this page is full.",
};

test.describe('the history when storage fails', () => {
  for (const fault of ['throws', 'errors', 'blocked', 'full'] as const) {
    test(`an open that ${fault === 'full' ? 'succeeds but a full store' : fault}: results show, one message, the history from memory, kept again once repaired`, async ({ page }) => {
      await page.addInitScript(recordToasts);
      await page.addInitScript(breakStorage, { fault, names: ['unitcircle'] });
      await openApp(page);
      await calculateAlpha(page, '30');
      const message = `${causes[fault]} The calculation was not saved.`;
      await expect(page.locator('.toast')).toHaveText(message);
      await calculateAlpha(page, '45');
      expect(await toasts(page)).toEqual([message]);
      expect(await historyRows(page)).toEqual(['α = 45', 'α = 30']);

      await repair(page);
      await calculateAlpha(page, '60');
      expect(await historyRows(page)).toEqual(['α = 60', 'α = 45', 'α = 30']);
      expect(await toasts(page)).toEqual([message]);
      expect(await storedRows(page)).toEqual(['α = 60']);
    });
  }

  test('site data deleted from another page: not blocked, told once, the next writes kept afresh', async ({ page }) => {
    await page.addInitScript(recordToasts);
    await openApp(page);
    await calculateAlpha(page, '30');
    await expect.poll(() => storedRows(page)).toEqual(['α = 30']);

    const other = await page.context().newPage();
    await other.goto('./manifest.webmanifest');
    const deletion = await other.evaluate(() => new Promise<string[]>((resolve) => {
      const events: string[] = [];
      const request = indexedDB.deleteDatabase('unitcircle');
      request.onblocked = () => events.push('blocked');
      request.onsuccess = () => resolve([...events, 'deleted']);
      request.onerror = () => resolve([...events, 'failed']);
    }));
    expect(deletion).toEqual(['deleted']);
    await other.close();

    await calculateAlpha(page, '45');
    await calculateAlpha(page, '60');
    expect(await toasts(page)).toEqual(['The data this page had stored was deleted. The history starts afresh.']);
    expect(await historyRows(page)).toEqual(['α = 60', 'α = 45']);
    expect(await storedRows(page)).toEqual(['α = 60', 'α = 45']);
  });
});

test.describe('practice when storage fails', () => {
  const answer = async (page: Page, keys: string[]) => {
    for (const key of keys) await page.locator(`[data-key="${key}"]`).click();
    await page.locator('[data-key="check"]').click();
  };

  test('practice goes on, the lost progress is told once, and kept again once repaired', async ({ page }) => {
    await page.addInitScript(recordToasts);
    await page.addInitScript(breakStorage, { fault: 'throws' as Fault, names: ['unitcircle-practice'] });
    await page.goto('./#/practice?seed=7&level=1');
    await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
    // Seed 7 asks the reference angle of 45° first, then its quadrant.
    await answer(page, ['4', '5', '°']);
    await expect(page.locator('.practice-progress')).toHaveText('Question 2 of 10');
    const message = 'The browser does not let this page store data. Your practice progress was not saved.';
    await expect(page.locator('.practice-page .toast')).toHaveText(message);
    await page.locator('.practice-choice', { hasText: /^III$/ }).click();
    await page.locator('[data-key="check"]').click();
    await expect(page.locator('.practice-wrong')).toBeVisible();
    expect(await toasts(page)).toEqual([message]);

    await repair(page);
    await page.locator('#practiceContinue').click();
    await expect(page.locator('.practice-progress')).toHaveText('Question 3 of 10');
    await page.locator('[data-key="1"]').click();
    await page.locator('[data-key="check"]').click();

    // A fresh page reads the progress of this page's whole sitting.
    const other = await page.context().newPage();
    await other.goto('./manifest.webmanifest');
    await expect.poll(() => other.evaluate(() => new Promise<boolean>((resolve) => {
      // Looked at, never created here.
      const request = indexedDB.open('unitcircle-practice');
      request.onupgradeneeded = () => request.transaction?.abort();
      request.onerror = () => resolve(false);
      request.onsuccess = () => {
        const db = request.result;
        const read = db.transaction('values').objectStore('values').get('practiceSchedule');
        read.onsuccess = () => {
          db.close();
          resolve(typeof read.result === 'string' && read.result.length > 0);
        };
      };
    }))).toBe(true);
    expect(await toasts(page)).toEqual([message]);
    await other.goto('./#/practice');
    await expect(other.locator('.mastery-point[data-degrees="45"]')).toHaveClass(/learning/);
    await other.close();
  });
});

test.describe('a history open in another tab', () => {
  async function fakeVisibility(page: Page): Promise<void> {
    await page.addInitScript(() => {
      let state: DocumentVisibilityState = 'visible';
      Object.defineProperty(document, 'visibilityState', { get: () => state });
      (window as unknown as { setVisibility(next: DocumentVisibilityState): void }).setVisibility = (next) => {
        state = next;
        document.dispatchEvent(new Event('visibilitychange'));
      };
    });
  }
  const setVisibility = (page: Page, state: DocumentVisibilityState) =>
    page.evaluate((next) => (window as unknown as { setVisibility(next: DocumentVisibilityState): void }).setVisibility(next), state);

  test("shows the other tab's new and deleted rows when it is visible again", async ({ page, context }) => {
    // Without messages between tabs, becoming visible is what refreshes.
    await context.addInitScript(() => delete (window as { BroadcastChannel?: unknown }).BroadcastChannel);
    await fakeVisibility(page);
    await openApp(page);
    await calculateAlpha(page, '30');
    await calculateAlpha(page, '45');
    await page.locator('#historyButton').click();
    await expect(page.locator('.history-row')).toHaveCount(2);
    await setVisibility(page, 'hidden');

    const other = await context.newPage();
    await openApp(other);
    await calculateAlpha(other, '60');
    await other.locator('#historyButton').click();
    await other.getByRole('button', { name: 'Delete: α = 30' }).click();
    await expect(other.locator('.history-row')).toHaveCount(2);

    await setVisibility(page, 'visible');
    const rows = page.locator('.history-row .history-open');
    await expect(rows).toHaveCount(2);
    await expect(rows.nth(0)).toHaveAccessibleName('α = 60');
    await expect(rows.nth(1)).toHaveAccessibleName('α = 45');
  });

  test("follows another tab's changes at once where the tabs can message each other", async ({ page, context }) => {
    await openApp(page);
    await calculateAlpha(page, '30');
    await page.locator('#historyButton').click();
    await expect(page.locator('.history-row')).toHaveCount(1);

    const other = await context.newPage();
    await openApp(other);
    await calculateAlpha(other, '60');
    await expect(page.locator('.history-row .history-open').first()).toHaveAccessibleName('α = 60');
    await other.locator('#historyButton').click();
    await other.locator('#historyClearButton').click();
    await other.getByRole('dialog', { name: 'Clear History' }).getByRole('button', { name: 'Clear' }).click();
    await expect(page.getByText('No calculations yet')).toBeVisible();
  });
});
