import { readSolveAnswer, type Language, type SolveOutcome } from './solution';

// The WebAssembly core's instance, as its module declares it.
export interface CoreInstance {
  solve(alpha: string, b: string, language: Language): string;
}

export type CoreFactory = () => Promise<CoreInstance>;

// The one calculation entry point of the web edition: texts in, the core's typed answer out.
export class UnitCircleCore {
  constructor(private readonly instance: CoreInstance) {}

  static async load(factory?: CoreFactory): Promise<UnitCircleCore> {
    const create = factory ?? (await import('unitcircle-core')).default;
    return new UnitCircleCore(await create());
  }

  solve(alpha: string, b: string, language: Language): SolveOutcome {
    let answer: string;
    try {
      answer = this.instance.solve(alpha, b, language);
    } catch {
      answer = '';
    }
    return readSolveAnswer(answer);
  }
}
