import { afterEach, beforeEach, describe, expect, it, vi } from 'vitest';
import { answerRequest, type CoreModules } from './coreAnswers';
import { CoreBridge, CoreFailure, type CoreWorker, type WorkerAnswer } from './coreBridge';

// A worker that keeps what it was sent and answers when the test says so.
class FakeWorker implements CoreWorker {
  onmessage: CoreWorker['onmessage'] = null;
  onerror: CoreWorker['onerror'] = null;
  onmessageerror: CoreWorker['onmessageerror'] = null;
  readonly sent: { id: number; kind: string }[] = [];
  terminated = false;

  postMessage(message: unknown): void {
    this.sent.push(message as { id: number; kind: string });
  }
  terminate(): void {
    this.terminated = true;
  }
  answer(data: WorkerAnswer): void {
    this.onmessage?.({ data } as MessageEvent);
  }
  failToLoad(): void {
    this.onerror?.(new Event('error') as ErrorEvent);
  }
}

function bridge(timeLimit = 1000) {
  const workers: FakeWorker[] = [];
  const core = new CoreBridge(() => {
    const worker = new FakeWorker();
    workers.push(worker);
    return worker;
  }, timeLimit);
  return { core, workers };
}

const reason = (promise: Promise<unknown>) =>
  promise.then(
    () => 'answered',
    (error: unknown) => (error instanceof CoreFailure ? error.reason : 'refused'),
  );

describe('the bridge to the core worker', () => {
  beforeEach(() => vi.useFakeTimers());
  afterEach(() => vi.useRealTimers());

  it('keeps the worker when the core refuses a call', async () => {
    const { core, workers } = bridge();
    const refused = core.ask({ kind: 'call' });
    workers[0].answer({ id: workers[0].sent[0].id, refused: 'unknown method' });
    expect(await reason(refused)).toBe('refused');
    void core.ask({ kind: 'call' });
    expect(workers).toHaveLength(1);
    expect(workers[0].terminated).toBe(false);
  });

  it('fails every waiting call when the worker does not load or breaks, and starts afresh', async () => {
    const { core, workers } = bridge();
    core.start();
    const calls = [core.ask({ kind: 'solve' }), core.ask({ kind: 'call' })];
    workers[0].failToLoad();
    expect(await Promise.all(calls.map(reason))).toEqual(['failed', 'failed']);
    expect(workers[0].terminated).toBe(true);

    const next = core.ask({ kind: 'solve' });
    expect(workers).toHaveLength(2);
    workers[1].answer({ id: workers[1].sent[0].id, broken: 'RuntimeError: unreachable' });
    expect(await reason(next)).toBe('failed');
    expect(workers[1].terminated).toBe(true);
  });

  it('ends a worker that stays silent past the time limit, and not one that answers in time', async () => {
    const { core, workers } = bridge(1000);
    const answered = core.ask({ kind: 'solve' });
    vi.advanceTimersByTime(999);
    workers[0].answer({ id: workers[0].sent[0].id, answer: 'in time' });
    expect(await answered).toBe('in time');
    vi.advanceTimersByTime(5000);
    expect(workers[0].terminated).toBe(false);

    const silent = core.ask({ kind: 'solve' });
    vi.advanceTimersByTime(1000);
    expect(await reason(silent)).toBe('timedOut');
    expect(workers[0].terminated).toBe(true);
    void core.ask({ kind: 'solve' });
    expect(workers).toHaveLength(2);
  });

  it('gives up a cancelled call at once, with its worker, and never sends one cancelled before', async () => {
    const { core, workers } = bridge();
    const cancelling = new AbortController();
    const pending = core.ask({ kind: 'solve' }, cancelling.signal);
    cancelling.abort();
    expect(await reason(pending)).toBe('cancelled');
    expect(workers[0].terminated).toBe(true);
    // A late answer of the old worker reaches no one.
    workers[0].answer({ id: workers[0].sent[0].id, answer: 'late' });

    expect(await reason(core.ask({ kind: 'solve' }, cancelling.signal))).toBe('cancelled');
    expect(workers).toHaveLength(1);
  });
});

describe('what the worker answers', () => {
  const modules = (overrides: Partial<CoreModules>): CoreModules => ({
    core: async () => ({ solve: () => '{"steps":[]}' }),
    calls: async () => ({ call: () => null }),
    ...overrides,
  });
  const solve = { id: 1, kind: 'solve' as const, alpha: '45', b: '', language: 'en' };
  const call = { id: 2, kind: 'call' as const, method: 'graph', args: {} };

  it('reports a refused call as refused, and a core that did not load or trapped as broken', async () => {
    const refusing = modules({ calls: async () => ({ call: () => { throw new Error('unitcircle-calls graph: bad arguments'); } }) });
    expect(await answerRequest(call, refusing)).toEqual({ id: 2, refused: 'Error: unitcircle-calls graph: bad arguments' });

    const trapping = modules({ calls: async () => ({ call: () => { throw new WebAssembly.RuntimeError('unreachable'); } }) });
    expect(await answerRequest(call, trapping)).toHaveProperty('broken');
    const unloaded = modules({ core: () => Promise.reject(new WebAssembly.CompileError('bad magic')) });
    expect(await answerRequest(solve, unloaded)).toHaveProperty('broken');
    const throwing = modules({ core: async () => ({ solve: () => { throw new Error('abort'); } }) });
    expect(await answerRequest(solve, throwing)).toHaveProperty('broken');
  });
});
