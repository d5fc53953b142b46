// Tells when something that keeps moving has come to rest: `moved()` at every move, and
// `onRest` once no move came for `ms`. The Explore screen typesets its formulas only then.
export class RestGate {
  private timer: ReturnType<typeof setTimeout> | null = null;

  constructor(private readonly ms: number, private readonly onRest: () => void) {}

  get moving(): boolean {
    return this.timer !== null;
  }

  moved(): void {
    if (this.timer !== null) clearTimeout(this.timer);
    this.timer = setTimeout(() => {
      this.timer = null;
      this.onRest();
    }, this.ms);
  }

  // At rest at once, without telling: what waited is drawn by the caller.
  stop(): void {
    if (this.timer !== null) clearTimeout(this.timer);
    this.timer = null;
  }
}
