import { readSolveAnswer, type Language, type SolveOutcome } from './solution';

// The WebAssembly core's instance, as its module declares it, or a stand-in that answers
// later (the core in a worker).
export interface CoreInstance {
  solve(alpha: string, b: string, language: Language): string | Promise<string>;
}

export type CoreFactory = () => Promise<CoreInstance>;

// The core in a worker: each request carries an id, each answer the id it belongs to.
function workerCore(): CoreInstance {
  const worker = new Worker(new URL('./coreWorker.ts', import.meta.url), { type: 'module' });
  const waiting = new Map<number, (answer: string) => void>();
  let next = 0;
  worker.addEventListener('message', (event: MessageEvent<{ id: number; answer: string }>) => {
    waiting.get(event.data.id)?.(event.data.answer);
    waiting.delete(event.data.id);
  });
  return {
    solve(alpha, b, language) {
      const id = ++next;
      return new Promise<string>((resolve) => {
        waiting.set(id, resolve);
        worker.postMessage({ id, alpha, b, language });
      });
    },
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
}
