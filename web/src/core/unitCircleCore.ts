import { readSolveAnswer, type Language, type SolveOutcome } from './solution';
import { CoreBridge, CoreFailure } from './coreBridge';

// The WebAssembly core's instance, as its module declares it, or a stand-in that answers
// later (the core in a worker).
export interface CoreInstance {
  // A signal that aborts gives up the calculation.
  solve(alpha: string, b: string, language: Language, signal?: AbortSignal): string | Promise<string>;
  // The charts' calls (core/charts in C++): method and arguments in, the result out.
  call(method: string, args: object): unknown;
}

export type CoreFactory = () => Promise<CoreInstance>;

// The core in a worker, started now so that it has loaded by the first calculation.
function workerCore(): CoreInstance {
  const bridge = new CoreBridge(() => new Worker(new URL('./coreWorker.ts', import.meta.url), { type: 'module' }));
  bridge.start();
  return {
    solve: (alpha, b, language, signal) => bridge.ask({ kind: 'solve', alpha, b, language }, signal).then(String),
    call: (method, args) => bridge.ask({ kind: 'call', method, args }),
  };
}

// The one calculation entry point of the web edition: texts in, the core's typed answer out.
export class UnitCircleCore {
  constructor(private readonly instance: CoreInstance) {}

  static async load(factory?: CoreFactory): Promise<UnitCircleCore> {
    return new UnitCircleCore(factory ? await factory() : workerCore());
  }

  async solve(alpha: string, b: string, language: Language, signal?: AbortSignal): Promise<SolveOutcome> {
    let answer: string;
    try {
      answer = await this.instance.solve(alpha, b, language, signal);
    } catch (error) {
      // No answer at all: the core's fault, never the input's.
      return { ok: false, failure: error instanceof CoreFailure ? error.reason : 'failed' };
    }
    return readSolveAnswer(answer);
  }

  // One of the charts' calls; rejects when the core refuses it. What each answers is typed in
  // charts/chartCalls.ts.
  async call<T>(method: string, args: object): Promise<T> {
    return (await this.instance.call(method, args)) as T;
  }
}
