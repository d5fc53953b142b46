import { h } from './dom';

// The bottom message: shown for 3 seconds, then it fades out over 2 seconds. A new message
// replaces the one on screen. Announced politely to screen readers.
export class Toast {
  readonly element = h('div', { class: 'toast', role: 'status', 'aria-live': 'polite' });
  private timer: number | undefined;

  show(message: string): void {
    window.clearTimeout(this.timer);
    this.element.textContent = message;
    this.element.classList.remove('fading');
    this.element.classList.add('visible');
    this.timer = window.setTimeout(() => {
      this.element.classList.add('fading');
      this.timer = window.setTimeout(() => this.hide(), 2000);
    }, 3000);
  }

  hide(): void {
    window.clearTimeout(this.timer);
    this.element.classList.remove('visible', 'fading');
    this.element.textContent = '';
  }
}
