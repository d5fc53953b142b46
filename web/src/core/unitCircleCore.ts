import { readSolveAnswer, type Language, type SolveOutcome } from './solution';
import type { WorkerAnswer } from './coreWorker';

// The WebAssembly core's instance, as its module declares it, or a stand-in that answers
// later (the core in a worker).
export interface CoreInstance {
  solve(alpha: string, b: string, language: Language): string | Promise<string>;
  // The charts' calls (core/charts in C++): method and arguments in, the result out.
  call(method: string, args: object): unknown;
}

export type CoreFactory = () => Promise<CoreInstance>;

// The core in a worker: each request carries an id, each answer the id it belongs to.
function workerCore(): CoreInstance {
  const worker = new Worker(new URL('./coreWorker.ts', import.meta.url), { type: 'module' });
  const waiting = new Map<number, { resolve: (answer: unknown) => void; reject: (error: Error) => void }>();
  let next = 0;
  worker.addEventListener('message', (event: MessageEvent<WorkerAnswer>) => {
    const { id, answer, failed } = event.data;
    const waiter = waiting.get(id);
    waiting.delete(id);
    if (failed !== undefined) waiter?.reject(new Error(failed));
    else waiter?.resolve(answer);
  });
  const ask = (request: Record<string, unknown>) => {
    const id = ++next;
    return new Promise<unknown>((resolve, reject) => {
      waiting.set(id, { resolve, reject });
      worker.postMessage({ ...request, id });
    });
  };
  return {
    solve: (alpha, b, language) => ask({ kind: 'solve', alpha, b, language }).then(String),
    call: (method, args) => ask({ kind: 'call', method, args }),
  };
}

// The one calculation entry point of the web edition: texts in, the core's typed answer out.
export class UnitCircleCore {
  constructor(private readonly instance: CoreInstance) {}

  static async load(factory?: CoreFactory): Promise<UnitCircleCore> {
    return new UnitCircleCore(factory ? await factory() : workerCore());
  }

  async solve(alpha: string, b: string, language: Language): Promise<SolveOutcome> {
    let answer: string;
    try {
      answer = await this.instance.solve(alpha, b, language);
    } catch {
      answer = '';
    }
    return readSolveAnswer(answer);
  }

  // One of the charts' calls; rejects when the core refuses it. What each answers is typed in
  // charts/chartCalls.ts.
  async call<T>(method: string, args: object): Promise<T> {
    return (await this.instance.call(method, args)) as T;
  }
}
