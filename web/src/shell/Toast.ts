import { h } from './dom';

// A vertical extent on the screen, as getBoundingClientRect measures it.
export interface Span {
  top: number;
  bottom: number;
}

export interface Box extends Span {
  left: number;
  right: number;
}

// The top of a message `height` tall: under its field, else over it, wherever it stays in the
// window and off the keys; failing both, as near under the field as the window allows.
// Without a field it sits just above the keys, or at the window's foot when they are out of
// sight.
export function messageTop(field: Span | null, height: number, keys: Span | null, windowHeight: number, gap: number): number {
  const lowest = windowHeight - gap - height;
  const inWindow = (top: number) => Math.min(Math.max(top, gap), lowest);
  if (!field) return inWindow(keys ? keys.top - gap - height : lowest);
  const fits = (top: number) =>
    top >= gap && top <= lowest && !(keys && top < keys.bottom && keys.top < top + height);
  const below = field.bottom + gap;
  const above = field.top - gap - height;
  if (fits(below)) return below;
  if (fits(above)) return above;
  return inWindow(below);
}

export interface ToastAction {
  title: string;
  run(): void;
}

// The bottom message: shown for 3 seconds, then it fades out over 2 seconds. A new message
// replaces the one on screen. Announced politely to screen readers.
export class Toast {
  readonly element = h('div', { class: 'toast', role: 'status', 'aria-live': 'polite' });
  private timer: number | undefined;

  // Beside the field it is about and as wide, never over the keys that correct the input, and
  // always inside the window (a small window, large text); else at its usual place.
  show(message: string, place: { field?: Element; keys?: Box } = {}): void {
    this.showMessage(message, null, place);
  }

  // With a button (Undo) that works while the message shows, and hides it.
  showWithAction(message: string, action: ToastAction): void {
    const button = h('button', { type: 'button', class: 'toast-action' }, action.title);
    button.addEventListener('click', () => {
      this.hide();
      action.run();
    });
    this.showMessage(message, button, {});
  }

  private showMessage(message: string, button: HTMLElement | null, place: { field?: Element; keys?: Box }): void {
    window.clearTimeout(this.timer);
    this.element.replaceChildren(message, ...(button ? [button] : []));
    this.element.classList.toggle('with-action', button !== null);
    this.element.classList.remove('fading');
    this.element.classList.add('visible');
    this.place(place.field?.getBoundingClientRect() ?? null, place.keys ?? null);
    this.timer = window.setTimeout(() => {
      this.element.classList.add('fading');
      this.timer = window.setTimeout(() => this.hide(), 2000);
    }, 3000);
  }

  private place(field: DOMRect | null, keys: Box | null): void {
    const style = this.element.style;
    this.element.removeAttribute('style');
    if (!field && !keys) return;
    if (field) Object.assign(style, { left: `${field.left}px`, right: 'auto', width: `${field.width}px`, maxWidth: 'none', margin: '0' });
    const own = this.element.getBoundingClientRect();
    const inTheWay = keys && keys.left < own.right && own.left < keys.right ? keys : null;
    const gap = parseFloat(getComputedStyle(document.documentElement).fontSize) / 2 || 8;
    Object.assign(style, { bottom: 'auto', top: `${messageTop(field, own.height, inTheWay, window.innerHeight, gap)}px` });
  }

  hide(): void {
    window.clearTimeout(this.timer);
    this.element.classList.remove('visible', 'fading');
    this.element.textContent = '';
  }
}
