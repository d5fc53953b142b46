// The page's side of the core's worker. Every call has a time limit and can be cancelled; a
// worker that does not load, breaks or stays silent is ended, and the next call starts a fresh
// one. The core cannot be stopped in the middle of a call, so a call given up on ends its worker
// too.

export type WorkerRequest =
  | { id: number; kind: 'solve'; alpha: string; b: string; language: string }
  | { id: number; kind: 'call'; method: string; args: unknown };

export type WorkerAnswer =
  | { id: number; answer: unknown }
  // The core refused the call (an unknown method, arguments that do not fit) and is fine.
  | { id: number; refused: string }
  // The core did not load or broke during the call: the worker is of no further use.
  | { id: number; broken: string };

// Why a call brought no answer: its worker failed, ran out of time, or the caller gave up.
export type CoreFailureReason = 'failed' | 'timedOut' | 'cancelled';

export class CoreFailure extends Error {
  constructor(readonly reason: CoreFailureReason, detail = '') {
    super(detail ? `${reason}: ${detail}` : reason);
    this.name = 'CoreFailure';
  }
}

// What the bridge uses of a Worker.
export interface CoreWorker {
  onmessage: ((event: MessageEvent) => void) | null;
  onerror: ((event: ErrorEvent) => void) | null;
  onmessageerror: ((event: MessageEvent) => void) | null;
  postMessage(message: unknown): void;
  terminate(): void;
}

// The first call's time includes loading the core: generous for a slow first download, yet a
// learner still hears of a silent worker.
export const callTimeLimit = 10_000;

interface Waiter {
  worker: CoreWorker;
  resolve(answer: unknown): void;
  reject(error: Error): void;
}

export class CoreBridge {
  private worker: CoreWorker | null = null;
  private readonly waiting = new Map<number, Waiter>();
  private lastId = 0;

  constructor(
    private readonly spawn: () => CoreWorker,
    private readonly timeLimit = callTimeLimit,
  ) {}

  // Starts the worker ahead of the first call, so the core loads while the page is built.
  start(): void {
    try {
      this.running();
    } catch {
      // A worker that cannot even be made is reported to the first call.
    }
  }

  ask(request: Record<string, unknown>, signal?: AbortSignal): Promise<unknown> {
    if (signal?.aborted) return Promise.reject(new CoreFailure('cancelled'));
    let worker: CoreWorker;
    try {
      worker = this.running();
    } catch (error) {
      return Promise.reject(new CoreFailure('failed', String(error)));
    }
    const id = ++this.lastId;
    return new Promise((resolve, reject) => {
      const timer = setTimeout(() => this.end(worker, new CoreFailure('timedOut')), this.timeLimit);
      const cancel = () => this.end(worker, new CoreFailure('cancelled'));
      signal?.addEventListener('abort', cancel);
      const settle = () => {
        clearTimeout(timer);
        signal?.removeEventListener('abort', cancel);
        this.waiting.delete(id);
      };
      this.waiting.set(id, {
        worker,
        resolve: (answer) => {
          settle();
          resolve(answer);
        },
        reject: (error) => {
          settle();
          reject(error);
        },
      });
      try {
        worker.postMessage({ ...request, id });
      } catch (error) {
        // Arguments that cannot be sent: the worker never saw the call.
        this.waiting.get(id)?.reject(error instanceof Error ? error : new Error(String(error)));
      }
    });
  }

  private running(): CoreWorker {
    if (this.worker) return this.worker;
    const worker = this.spawn();
    worker.onmessage = (event) => this.answered(worker, event.data as WorkerAnswer);
    worker.onerror = (event) => {
      // Reported here, as the learner's message; not again as an uncaught error.
      event.preventDefault();
      this.end(worker, new CoreFailure('failed', event.message ?? 'the worker did not load'));
    };
    worker.onmessageerror = () => this.end(worker, new CoreFailure('failed', 'an answer that could not be read'));
    this.worker = worker;
    return worker;
  }

  private answered(worker: CoreWorker, data: WorkerAnswer): void {
    if ('broken' in data) {
      this.end(worker, new CoreFailure('failed', data.broken));
      return;
    }
    const waiter = this.waiting.get(data.id);
    if (!waiter) return;
    if ('refused' in data) waiter.reject(new Error(data.refused));
    else waiter.resolve(data.answer);
  }

  // Ends a worker and every call still waiting on it.
  private end(worker: CoreWorker, failure: CoreFailure): void {
    worker.terminate();
    if (this.worker === worker) this.worker = null;
    for (const waiter of [...this.waiting.values()]) if (waiter.worker === worker) waiter.reject(failure);
  }
}
