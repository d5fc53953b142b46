import { currentLanguage, tr } from '../i18n/texts';
import { h } from '../shell/dom';
import { icon } from '../shell/icons';
import { clampedZoom, scrollForZoom, wheelZoom, zoomStep } from './manualZoom';
import kvInfo from '../../../resources/images/kv_info.svg?url';
import kvInfoGerman from '../../../resources/images/kv_info_de.svg?url';
import youtube1 from '../../../resources/images/onboarding_youtube_1.svg?url';
import youtube2 from '../../../resources/images/onboarding_youtube_2.svg?url';
import youtube3 from '../../../resources/images/onboarding_youtube_3.svg?url';
import youtube4 from '../../../resources/images/onboarding_youtube_4.svg?url';
import youtube5 from '../../../resources/images/onboarding_youtube_5.svg?url';
import './videos.css';

// One picture of a help sheet, with the sentence it explains, if any.
export interface HelpPage {
  picture: string;
  text: string;
}

// The keypad's and the solution's help picture, in the learner's language where it has one (the
// app's "kv_info" pictures, the same files).
export function solutionHelpPages(): HelpPage[] {
  return [{ picture: currentLanguage() === 'de' ? kvInfoGerman : kvInfo, text: '' }];
}

// How the videos work: the app's five video pages.
export function videoHelpPages(): HelpPage[] {
  const pictures = [youtube1, youtube2, youtube3, youtube4, youtube5];
  return pictures.map((picture, i) => ({ picture, text: tr('Onboarding', `onboardingYoutube${i + 1}`) }));
}

// The help sheet from the bottom: its title, zoom buttons and close button over the pictures,
// which fit the width and zoom with the buttons, Ctrl and the wheel, or two fingers. Escape, the
// close button and a tap beside it close it; the focus goes back to the button that opened it.
export class ManualViewController {
  readonly element: HTMLDialogElement;
  private readonly scroller = h('div', { class: 'manual-scroll', id: 'manualScrollView', tabindex: 0 });
  private readonly content = h('div', { class: 'manual-content' });
  private readonly zoomIn = h('button', { type: 'button', class: 'tool-button', id: 'manualZoomIn', 'aria-label': tr('ManualView', 'zoomIn') }, icon('zoomIn'));
  private readonly zoomOut = h('button', { type: 'button', class: 'tool-button', id: 'manualZoomOut', 'aria-label': tr('ManualView', 'zoomOut') }, icon('zoomOut'));
  private zoom = 1;
  private readonly touches = new Map<number, { x: number; y: number }>();
  private pinch: { distance: number; zoom: number } | null = null;

  constructor(pages: HelpPage[], private readonly opener: HTMLElement | null) {
    const closeButton = h('button', {
      type: 'button', class: 'tool-button', id: 'closeManualButton', 'aria-label': tr('ManualView', 'closeManual'),
      onclick: () => this.element.close(),
    }, icon('close'));
    this.zoomIn.addEventListener('click', () => this.zoomTo(this.zoom * zoomStep));
    this.zoomOut.addEventListener('click', () => this.zoomTo(this.zoom / zoomStep));
    for (const page of pages) this.content.append(this.page(page));
    this.scroller.append(this.content);
    this.element = h(
      'dialog',
      { class: 'manual-sheet', 'aria-labelledby': 'manualLabel' },
      h('div', { class: 'manual-header' },
        h('h2', { id: 'manualLabel' }, tr('ManualView', 'Assistance')),
        this.zoomOut, this.zoomIn, closeButton),
      this.scroller,
    );
    this.followZoomGestures();
    this.element.addEventListener('click', (event) => {
      if (event.target === this.element) this.element.close();  // the backdrop
    });
    this.element.addEventListener('close', () => {
      this.element.remove();
      this.opener?.focus();
    });
    this.showZoom();
  }

  open(): void {
    document.body.append(this.element);
    this.element.showModal();
    this.scroller.focus({ preventScroll: true });
  }

  private page({ picture, text }: HelpPage): HTMLElement {
    const image = h('img', { class: 'manual-picture', src: picture, alt: text || tr('ManualView', 'Assistance'), draggable: 'false' });
    const figure = h('figure', { class: 'manual-page' }, image, text ? h('figcaption', {}, text) : null);
    image.addEventListener('error', () => {
      image.replaceWith(h('p', { class: 'manual-missing', role: 'status' }, tr('ManualView', 'noHelpImage')));
    }, { once: true });
    return figure;
  }

  // Zooms about a point of the view (its centre without one), keeping that point in place.
  private zoomTo(target: number, point?: { x: number; y: number }): void {
    const next = clampedZoom(target);
    if (next === this.zoom) return;
    const x = point?.x ?? this.scroller.clientWidth / 2;
    const y = point?.y ?? this.scroller.clientHeight / 2;
    const left = scrollForZoom(this.scroller.scrollLeft, x, this.zoom, next);
    const top = scrollForZoom(this.scroller.scrollTop, y, this.zoom, next);
    this.zoom = next;
    this.showZoom();
    this.scroller.scrollTo({ left, top });
  }

  private showZoom(): void {
    this.content.style.width = `${this.zoom * 100}%`;
    // The scale itself, for the tests to read; nothing a learner sees.
    this.element?.setAttribute('data-zoom', String(this.zoom));
    this.zoomOut.disabled = this.zoom <= clampedZoom(0);
    this.zoomIn.disabled = this.zoom >= clampedZoom(Infinity);
  }

  private followZoomGestures(): void {
    const inView = (x: number, y: number) => {
      const box = this.scroller.getBoundingClientRect();
      return { x: x - box.left, y: y - box.top };
    };
    // Ctrl and the wheel (a touchpad's pinch arrives so too); the plain wheel scrolls.
    this.scroller.addEventListener('wheel', (event) => {
      if (!event.ctrlKey) return;
      event.preventDefault();
      this.zoomTo(wheelZoom(this.zoom, event.deltaY), inView(event.clientX, event.clientY));
    }, { passive: false });
    // Two fingers: the zoom follows their distance, about the point between them.
    this.scroller.addEventListener('pointerdown', (event) => {
      if (event.pointerType !== 'touch') return;
      this.touches.set(event.pointerId, { x: event.clientX, y: event.clientY });
      if (this.touches.size === 2) this.pinch = { distance: this.spread(), zoom: this.zoom };
    });
    this.scroller.addEventListener('pointermove', (event) => {
      if (!this.touches.has(event.pointerId)) return;
      this.touches.set(event.pointerId, { x: event.clientX, y: event.clientY });
      if (!this.pinch || this.touches.size !== 2 || this.pinch.distance <= 0) return;
      const [a, b] = [...this.touches.values()];
      this.zoomTo(this.pinch.zoom * (this.spread() / this.pinch.distance), inView((a.x + b.x) / 2, (a.y + b.y) / 2));
    });
    const lift = (event: PointerEvent) => {
      this.touches.delete(event.pointerId);
      if (this.touches.size < 2) this.pinch = null;
    };
    this.scroller.addEventListener('pointerup', lift);
    this.scroller.addEventListener('pointercancel', lift);
    // A double tap or click zooms in there, and out again.
    this.scroller.addEventListener('dblclick', (event) => {
      this.zoomTo(this.zoom > 1 ? 1 : 2.5, inView(event.clientX, event.clientY));
    });
  }

  private spread(): number {
    const [a, b] = [...this.touches.values()];
    return a && b ? Math.hypot(a.x - b.x, a.y - b.y) : 0;
  }
}

// The question-mark button that opens a help sheet.
export function manualButton(id: string, label: string, iconName: 'help' | 'videoHelp', pages: () => HelpPage[]): HTMLButtonElement {
  const button = h('button', { type: 'button', class: 'tool-button manual-button', id, 'aria-label': label, title: label }, icon(iconName));
  button.addEventListener('click', () => new ManualViewController(pages(), button).open());
  return button;
}
