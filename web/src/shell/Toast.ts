import { h } from './dom';

// The bottom message: shown for 3 seconds, then it fades out over 2 seconds. A new message
// replaces the one on screen. Announced politely to screen readers.
export class Toast {
  readonly element = h('div', { class: 'toast', role: 'status', 'aria-live': 'polite' });
  private timer: number | undefined;

  // Above the given element (the keypad), so that the message never covers the keys that
  // correct the input; else at its usual place near the bottom.
  show(message: string, above?: Element): void {
    window.clearTimeout(this.timer);
    this.element.textContent = message;
    const top = above?.getBoundingClientRect().top;
    this.element.style.bottom = top ? `calc(${window.innerHeight - top}px + 0.5rem)` : '';
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
