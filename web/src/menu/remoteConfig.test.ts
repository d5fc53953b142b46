import { afterEach, beforeEach, describe, expect, it, vi } from 'vitest';
import { fetchInterval, fetchTimeLimit, lastFetchKey, maxDocumentBytes, RemoteConfig, storedKey, type KeptValues } from './remoteConfig';
import type { ConfigKey } from './configCalls';

// A core that decodes apps with an "apps" list and video tutorials that are an object.
async function decodes(key: ConfigKey, json: string): Promise<boolean> {
  try {
    const value = JSON.parse(json);
    if (key === 'apps') return Array.isArray(value?.apps);
    if (key === 'videoTutorials') return typeof value === 'object' && value !== null && !Array.isArray(value);
    return true;
  } catch {
    return false;
  }
}

function memoryStorage(): KeptValues & { values: Map<string, string> } {
  const values = new Map<string, string>();
  return { values, getItem: (key) => values.get(key) ?? null, setItem: (key, value) => void values.set(key, value) };
}

const goodApps = JSON.stringify({ apps: [{ appName: { en: 'Kept' } }] });
const answer = (body: BodyInit, init?: ResponseInit) => vi.fn(async () => new Response(body, init));

describe('fetching and keeping the remote configuration', () => {
  let storage: ReturnType<typeof memoryStorage>;
  let now: number;
  const config = (fetch: typeof globalThis.fetch) => new RemoteConfig({ decodes, storage, fetch, now: () => now });

  beforeEach(() => {
    storage = memoryStorage();
    now = 1_000_000_000_000;
    vi.spyOn(console, 'info').mockImplementation(() => undefined);
  });
  afterEach(() => {
    vi.restoreAllMocks();
    vi.useRealTimers();
  });

  it('keeps each data set that decodes, as text whether sent as a string or a value', async () => {
    const videos = { unitCircle: { en: ['https://videos.example/1'] } };
    const outcome = await config(answer(JSON.stringify({ apps: goodApps, videoTutorials: videos, unknown: 1 })) as typeof fetch).fetch();
    expect(outcome).toEqual({ kind: 'fetched', changed: ['apps', 'videoTutorials'] });
    expect(storage.values.get(storedKey('apps'))).toBe(goodApps);
    expect(storage.values.get(storedKey('videoTutorials'))).toBe(JSON.stringify(videos));
    expect(storage.values.has('remoteConfig.unknown')).toBe(false);
    expect(storage.values.get(lastFetchKey)).toBe(String(now));
  });

  it('keeps the earlier apps when the new ones do not decode, yet takes good videos', async () => {
    storage.setItem(storedKey('apps'), goodApps);
    const videos = JSON.stringify({ unitCircle: {} });
    const outcome = await config(answer(JSON.stringify({ apps: '{"apps": 3}', videoTutorials: videos })) as typeof fetch).fetch();
    expect(outcome).toEqual({ kind: 'fetched', changed: ['videoTutorials'] });
    expect(storage.values.get(storedKey('apps'))).toBe(goodApps);
    expect(storage.values.get(storedKey('videoTutorials'))).toBe(videos);
  });

  it('offers the fetched catalogue first and the bundled one after it', async () => {
    const remote = config(answer(JSON.stringify({ apps: goodApps })) as typeof fetch);
    const bundled = remote.appsTexts();
    expect(bundled).toHaveLength(1);
    expect(await decodes('apps', bundled[0])).toBe(true);
    await remote.fetch();
    expect(remote.appsTexts()).toEqual([goodApps, bundled[0]]);
  });

  it.each([
    ['not JSON', () => answer('{"apps": ')],
    ['an array', () => answer(JSON.stringify([{ apps: goodApps }]))],
    ['a bare string', () => answer(JSON.stringify(goodApps))],
    ['an error status', () => answer(JSON.stringify({ apps: goodApps }), { status: 500 })],
    ['not UTF-8', () => answer(new Uint8Array([0x7b, 0xff, 0x7d]))],
    ['a failed request', () => vi.fn(async () => { throw new TypeError('Failed to fetch'); })],
  ])('changes nothing for %s, says so only on the console, and tries again next time', async (_, fetcher) => {
    storage.setItem(storedKey('apps'), goodApps);
    const fetch = fetcher() as unknown as typeof globalThis.fetch;
    const outcome = await config(fetch).fetch();
    expect(outcome.kind).toBe('failed');
    expect(storage.values.get(storedKey('apps'))).toBe(goodApps);
    expect(storage.values.has(lastFetchKey)).toBe(false);
    expect(console.info).toHaveBeenCalledTimes(1);
    await config(fetch).fetch();
    expect(fetch).toHaveBeenCalledTimes(2);
  });

  it('gives up on a body past the size limit without reading the rest', async () => {
    let pulled = 0;
    const endless = new ReadableStream<Uint8Array>({
      pull(controller) {
        pulled += 1;
        controller.enqueue(new Uint8Array(64 * 1024).fill(0x20));
      },
    });
    const outcome = await config(answer(endless) as typeof fetch).fetch();
    expect(outcome).toEqual({ kind: 'failed', reason: expect.stringContaining('larger') });
    expect(pulled).toBeLessThan(maxDocumentBytes / (64 * 1024) + 4);
  });

  it('believes an announced size past the limit', async () => {
    const outcome = await config(answer('{}', { headers: { 'content-length': String(maxDocumentBytes + 1) } }) as typeof fetch).fetch();
    expect(outcome).toEqual({ kind: 'failed', reason: expect.stringContaining('larger') });
  });

  it('takes a document of exactly the size limit', async () => {
    const body = '{}'.padEnd(maxDocumentBytes, ' ');
    expect((await config(answer(body) as typeof fetch).fetch()).kind).toBe('fetched');
  });

  it('gives up after the time limit, on an answer that never comes or a body that never ends', async () => {
    vi.useFakeTimers();
    const signals: AbortSignal[] = [];
    const silent = vi.fn((_: RequestInfo | URL, init?: RequestInit) => {
      signals.push(init!.signal!);
      return new Promise<Response>(() => undefined);
    });
    const trickle = vi.fn(async () => new Response(new ReadableStream({ start: (c) => c.enqueue(new TextEncoder().encode('{')) })));
    for (const fetch of [silent, trickle]) {
      let settled = false;
      const outcome = config(fetch as typeof globalThis.fetch).fetch().finally(() => (settled = true));
      await vi.advanceTimersByTimeAsync(fetchTimeLimit - 1);
      expect(settled).toBe(false);
      await vi.advanceTimersByTimeAsync(1);
      expect(await outcome).toEqual({ kind: 'failed', reason: expect.stringContaining('no answer') });
    }
    expect(signals[0].aborted).toBe(true);
  });

  it('fetches at most once in six hours after a document came, unless the clock went back', async () => {
    const fetch = answer(JSON.stringify({})) as typeof globalThis.fetch;
    await config(fetch).fetch();
    now += fetchInterval - 1;
    expect(await config(fetch).fetch()).toEqual({ kind: 'throttled' });
    now += 1;
    expect((await config(fetch).fetch()).kind).toBe('fetched');
    now -= 60_000;
    expect((await config(fetch).fetch()).kind).toBe('fetched');
    expect(fetch).toHaveBeenCalledTimes(3);
  });

  it('asks once when asked twice at the same time', async () => {
    const fetch = answer(JSON.stringify({ apps: goodApps })) as typeof globalThis.fetch;
    const remote = config(fetch);
    await Promise.all([remote.fetch(), remote.fetch()]);
    expect(fetch).toHaveBeenCalledTimes(1);
  });

  it('keeps nothing when the core cannot answer', async () => {
    const remote = new RemoteConfig({ decodes: async () => { throw new Error('core gone'); }, storage, fetch: answer(JSON.stringify({ apps: goodApps })) as typeof fetch, now: () => now });
    expect(await remote.fetch()).toEqual({ kind: 'fetched', changed: [] });
    expect(storage.values.has(storedKey('apps'))).toBe(false);
  });

  it('keeps the values for the visit where the browser refuses storage', async () => {
    const refusing: KeptValues = { getItem: () => { throw new DOMException('denied', 'SecurityError'); }, setItem: () => { throw new DOMException('full', 'QuotaExceededError'); } };
    const remote = new RemoteConfig({ decodes, storage: refusing, fetch: answer(JSON.stringify({ apps: goodApps })) as typeof fetch });
    expect(await remote.fetch()).toEqual({ kind: 'fetched', changed: ['apps'] });
    expect(remote.value('apps')).toBe(goodApps);
  });
});
