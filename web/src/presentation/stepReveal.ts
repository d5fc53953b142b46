import type { PresentationCommand, PresentationMove } from './presentationCalls';

export type AskMove = (key: string, revealed: number, stepCount: number) => Promise<PresentationMove>;

export interface RevealListener {
  // The core answered: `revealed` steps show (the same as before for a key it leaves alone).
  moved(revealed: number, command: PresentationCommand): void;
  leave(): void;
  // The core did not answer; the steps stay as they are.
  failed(): void;
}

// Without the core Escape still leaves: a presentation must never hold the teacher captive.
const escapeKey = 'Escape';

// The keys of one presentation, one at a time: each is asked with the count the one before
// left, so a clicker pressed faster than the core answers never skips or repeats a step.
export class StepReveal {
  private revealed = 0;
  private queue: Promise<void> = Promise.resolve();
  private stopped = false;

  constructor(
    private readonly ask: AskMove,
    private readonly stepCount: number,
    private readonly listener: RevealListener,
  ) {}

  get shown(): number {
    return this.revealed;
  }

  // Settles once this key's answer is shown.
  press(key: string): Promise<void> {
    this.queue = this.queue.then(() => this.answer(key));
    return this.queue;
  }

  // Keys still waiting are dropped and no answer is shown any more.
  stop(): void {
    this.stopped = true;
  }

  private async answer(key: string): Promise<void> {
    if (this.stopped) return;
    let move: PresentationMove;
    try {
      move = await this.ask(key, this.revealed, this.stepCount);
    } catch {
      if (this.stopped) return;
      if (key === escapeKey) this.leave();
      else this.listener.failed();
      return;
    }
    if (this.stopped) return;
    if (move.command === 'leave') {
      this.leave();
      return;
    }
    this.revealed = move.revealed;
    this.listener.moved(move.revealed, move.command);
  }

  private leave(): void {
    this.stopped = true;
    this.listener.leave();
  }
}
