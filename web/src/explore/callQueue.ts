// The screen's calls to the core, one at a time and in order. A drag asks far more often than
// the worker answers: of the jobs of one kind waiting at the end of the queue only the latest is
// kept, so a drag never falls behind the finger, while each key press still counts.
export class CallQueue {
  private readonly waiting: { kind: string; job: () => Promise<void> }[] = [];
  private running: Promise<void> | null = null;

  // `kind` names jobs that replace one another ('drag', 'refresh'); without it none is dropped.
  push(job: () => Promise<void>, kind = ''): void {
    const last = this.waiting.at(-1);
    if (kind && last?.kind === kind) last.job = job;
    else this.waiting.push({ kind, job });
    this.running ??= this.drain();
  }

  // Resolves once nothing runs or waits.
  async idle(): Promise<void> {
    while (this.running) await this.running;
  }

  clear(): void {
    this.waiting.length = 0;
  }

  private async drain(): Promise<void> {
    for (let next = this.waiting.shift(); next; next = this.waiting.shift()) {
      try {
        await next.job();
      } catch {
        // A refused or failed call leaves the screen as it was; the next job goes on.
      }
    }
    this.running = null;
  }
}
