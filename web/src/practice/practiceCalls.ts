import type { Language, SolveOutcome } from '../core/solution';
import type { UnitCircleCore } from '../core/unitCircleCore';

// The core's practice calls (src/wasm/practice_api.cpp), typed. The core keeps the sitting;
// the page keeps the schedule it hands back.

export type Mastery = 'new' | 'learning' | 'known';

export interface MapAngle {
  degrees: number;
  ring: 0 | 1;
  mastery: Mastery;
}

export interface MasteryMapAnswer {
  angles: MapAngle[];
  dayStreak: number;
}

export interface PracticeQuestion {
  number: number;
  length: number;
  card: string;
  kind: string;
  prompt: string;
  given: string;
  choices: string[];
}

export interface PracticeSummary {
  cards: number;
  answers: number;
  rightFirstTime: number;
  wrongAnswers: number;
  scorePercent: number;
  dayStreak: number;
}

export interface SittingState {
  session: number;
  finished: boolean;
  question?: PracticeQuestion;
  summary?: PracticeSummary;
}

export interface Verdict {
  answer: string;  // as read: a spelling left unfinished ("3p") finished ("3π")
  kind: 'correct' | 'wrong' | 'close' | 'wrongUnit' | 'outOfRange' | 'incomplete' | 'unreadable';
  graded: boolean;
  correct: boolean;
  message: string;
  schedule?: string;
  rightAnswer?: string;
  solutionAngle?: string;
}

// The command line's PDF worksheet of a seed and level, for the page to print: its texts in the
// learner's language, each question with its answers as one formula.
export interface PrintedWorksheet {
  title: string;
  webAddress: string;
  answerKey: string;
  questions: { prompt: string; given: string; answers: string }[];
}

export type AnswerEdit = 'keypad' | 'keyboard' | 'delete';

// How a sitting begins: the due questions, one angle's cards, or the fixed questions of a seed.
export type SittingKind = { due: true } | { angle: number } | { fixedSeed: string };

// A seed for a sitting of due questions; which cards come first does not depend on it.
const randomSeed = () => crypto.getRandomValues(new Uint32Array(1))[0];

export class PracticeCalls {
  constructor(
    private readonly core: UnitCircleCore,
    private readonly language: () => Language,
    private readonly today: () => number,
  ) {}

  map(schedule: string, level: number): Promise<MasteryMapAnswer> {
    return this.core.call('practiceMap', { schedule, level, today: this.today(), language: this.language() });
  }

  start(schedule: string, level: number, kind: SittingKind): Promise<SittingState> {
    const base = { schedule, level, today: this.today(), language: this.language() };
    if ('angle' in kind) return this.core.call('practiceStart', { ...base, angle: kind.angle, seed: randomSeed() });
    if ('fixedSeed' in kind) return this.core.call('practiceStart', { ...base, fixed: true, seed: kind.fixedSeed });
    return this.core.call('practiceStart', { ...base, seed: randomSeed() });
  }

  worksheet(seed: string, level: number): Promise<PrintedWorksheet> {
    return this.core.call('practiceWorksheet', { seed, level, language: this.language() });
  }

  answer(session: number, answer: string): Promise<Verdict> {
    return this.core.call('practiceAnswer', { session, answer, today: this.today(), language: this.language() });
  }

  // The answer after one key: from the keypad, a character from a keyboard, or a deletion.
  type(session: number, answer: string, how: AnswerEdit, key = ''): Promise<string> {
    const language = this.language();
    return this.core.call('practiceType', { session, answer, how, key, language, decimalComma: language === 'de' });
  }

  next(session: number): Promise<SittingState> {
    return this.core.call('practiceContinue', { session, today: this.today(), language: this.language() });
  }

  end(session: number): Promise<boolean> {
    return this.core.call('practiceEnd', { session });
  }

  // The question's angle solved, for the circle and the exact values after a wrong answer.
  solve(alpha: string): Promise<SolveOutcome> {
    return this.core.solve(alpha, '', this.language());
  }

  async emptySchedule(): Promise<string> {
    return (await this.core.call<{ schedule: string }>('practiceReset', {})).schedule;
  }
}
