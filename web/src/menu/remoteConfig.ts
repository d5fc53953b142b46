import bundledDefaults from '../../../resources/config/RemoteConfigDefaults.json?raw';
import { configKeys, type ConfigKey } from './configCalls';

// The remote configuration as the app reads it: one JSON document whose members each hold a data
// set (as JSON text, or as a JSON value), fetched at most every six hours. Only the page's own
// server is asked (the privacy notice promises that nothing goes elsewhere). A data set is kept
// only when the core decodes it, and then across visits; one that does not decode keeps its
// last good value. A failed fetch changes nothing and is never the learner's concern.

export const fetchTimeLimit = 10_000;
export const maxDocumentBytes = 1024 * 1024;
export const fetchInterval = 6 * 60 * 60 * 1000;
export const lastFetchKey = 'remoteConfig.lastFetchAt';
export const storedKey = (key: ConfigKey): string => `remoteConfig.${key}`;

// What of localStorage is used; null where the browser keeps nothing.
export type KeptValues = Pick<Storage, 'getItem' | 'setItem'>;

export function browserStorage(): KeptValues | null {
  try {
    return window.localStorage;
  } catch {
    return null;
  }
}

export interface RemoteConfigOptions {
  decodes(key: ConfigKey, json: string): Promise<boolean>;
  storage: KeptValues | null;
  url?: string;
  fetch?: typeof fetch;
  now?: () => number;
}

export type FetchOutcome = { kind: 'throttled' } | { kind: 'failed'; reason: string } | { kind: 'fetched'; changed: ConfigKey[] };

class FetchFailure extends Error {}

export class RemoteConfig {
  private readonly url: string;
  private readonly fetcher: typeof fetch;
  private readonly now: () => number;
  private pending: Promise<FetchOutcome> | null = null;
  // This visit's values, also where the browser refuses to keep them.
  private readonly memory = new Map<string, string>();

  constructor(private readonly options: RemoteConfigOptions) {
    this.url = options.url ?? './config.json';
    this.fetcher = options.fetch ?? ((input, init) => fetch(input, init));
    this.now = options.now ?? Date.now;
  }

  // The kept value of a data set, if one ever decoded.
  value(key: ConfigKey): string | null {
    return this.read(storedKey(key));
  }

  // The texts the catalogue can come from, best first: the last fetched, then the bundled one.
  appsTexts(): string[] {
    const fetched = this.value('apps');
    return fetched === null ? [bundledDefaults] : [fetched, bundledDefaults];
  }

  fetch(): Promise<FetchOutcome> {
    this.pending ??= this.fetchOnce().finally(() => (this.pending = null));
    return this.pending;
  }

  private async fetchOnce(): Promise<FetchOutcome> {
    const last = Number(this.read(lastFetchKey));
    const age = this.now() - last;
    // Only a fetch that brought a document counts; a clock that went back never holds one up.
    if (last > 0 && age >= 0 && age < fetchInterval) return { kind: 'throttled' };
    let document: unknown;
    try {
      document = JSON.parse(await this.download());
    } catch (error) {
      return this.failed(error instanceof FetchFailure ? error.message : 'the configuration is not valid JSON');
    }
    if (typeof document !== 'object' || document === null || Array.isArray(document)) {
      return this.failed('the configuration is not a JSON object');
    }
    const changed: ConfigKey[] = [];
    const members = document as Record<string, unknown>;
    for (const key of configKeys) {
      if (!Object.hasOwn(members, key)) continue;
      const value = members[key];
      const json = typeof value === 'string' ? value : JSON.stringify(value);
      if (json === this.value(key) || !(await this.decodesSafely(key, json))) continue;
      this.write(storedKey(key), json);
      changed.push(key);
    }
    // Last, so that a visit that ends halfway asks again.
    this.write(lastFetchKey, String(this.now()));
    return { kind: 'fetched', changed };
  }

  // The body as text, within the time limit and the size limit.
  private async download(): Promise<string> {
    const controller = new AbortController();
    const timer = setTimeout(() => controller.abort(), fetchTimeLimit);
    // Raced against every step, so that a fetch or a body that ignores the signal still ends.
    const timedOut = new Promise<never>((_, reject) =>
      controller.signal.addEventListener('abort', () => reject(new FetchFailure(`no answer within ${fetchTimeLimit} ms`))),
    );
    timedOut.catch(() => undefined);
    try {
      const response = await Promise.race([
        this.fetcher(this.url, { signal: controller.signal, mode: 'same-origin', credentials: 'omit', cache: 'no-cache' }),
        timedOut,
      ]).catch((error: unknown) => {
        throw error instanceof FetchFailure ? error : new FetchFailure('the request failed');
      });
      if (!response.ok) throw new FetchFailure(`the server answered HTTP status ${response.status}`);
      if (Number(response.headers.get('content-length')) > maxDocumentBytes) throw tooLarge();
      const bytes = await readAtMost(response, maxDocumentBytes, timedOut);
      try {
        return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
      } catch {
        throw new FetchFailure('the configuration is not UTF-8 text');
      }
    } finally {
      clearTimeout(timer);
      controller.abort();
    }
  }

  private async decodesSafely(key: ConfigKey, json: string): Promise<boolean> {
    try {
      return (await this.options.decodes(key, json)) === true;
    } catch {
      // A core that cannot answer keeps what was kept.
      return false;
    }
  }

  private failed(reason: string): FetchOutcome {
    console.info('Remote configuration not fetched:', reason);
    return { kind: 'failed', reason };
  }

  private read(key: string): string | null {
    const value = this.memory.get(key);
    if (value !== undefined) return value;
    try {
      return this.options.storage?.getItem(key) ?? null;
    } catch {
      return null;
    }
  }

  private write(key: string, value: string): void {
    this.memory.set(key, value);
    try {
      this.options.storage?.setItem(key, value);
    } catch {
      // Full or refused: kept for this visit, and fetched again on the next.
    }
  }
}

const tooLarge = () => new FetchFailure(`the configuration is larger than ${maxDocumentBytes} bytes`);

// Reads the body piece by piece and gives up as soon as it passes the limit.
async function readAtMost(response: Response, limit: number, timedOut: Promise<never>): Promise<Uint8Array> {
  if (!response.body) {
    const whole = new Uint8Array(await Promise.race([response.arrayBuffer(), timedOut]));
    if (whole.byteLength > limit) throw tooLarge();
    return whole;
  }
  const reader = response.body.getReader();
  const pieces: Uint8Array[] = [];
  let size = 0;
  try {
    for (;;) {
      const { done, value } = await Promise.race([reader.read(), timedOut]);
      if (done) break;
      size += value.byteLength;
      if (size > limit) throw tooLarge();
      pieces.push(value);
    }
  } catch (error) {
    reader.cancel().catch(() => undefined);
    throw error instanceof FetchFailure ? error : new FetchFailure('the answer broke off');
  }
  const bytes = new Uint8Array(size);
  let offset = 0;
  for (const piece of pieces) {
    bytes.set(piece, offset);
    offset += piece.byteLength;
  }
  return bytes;
}
