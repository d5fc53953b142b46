import type { UnitCircleChartData } from '../core/solution';
import type { ChartCalls, StepHighlight } from '../charts/chartCalls';
import type { UnitCircleChartView } from '../charts/UnitCircleChartView';
import { h } from '../shell/dom';
import { icon } from '../shell/icons';
import { colorVariables } from '../shell/colors';
import { fill, tr } from '../i18n/texts';
import { mathLabel } from '../math/mathLabel';
import { scrollsSideways } from '../shell/sideScroll';
import type { PresentationCalls } from './presentationCalls';
import { presentationTakes } from './presentationKeys';
import { StepReveal } from './stepReveal';
import './presentation.css';

// One step as the solution page shows it: its title, then its formula or its message.
export interface PresentedStep {
  title: string;
  bold: boolean;
  latex?: string;
  message?: string;
}

export interface PresentationDependencies {
  steps: PresentedStep[];
  // The solution's unit circle, shown in its final state; none without.
  circle: UnitCircleChartData | null;
  // The solution page's link from each step to what it stresses on the circle.
  highlights: Promise<StepHighlight[]>;
  calls: PresentationCalls;
  chartCalls: ChartCalls;
  // After the presentation has gone, by any way out.
  onClose(): void;
}

// A click or tap is the clicker's forward key.
const clickKey = 'PageDown';
// Asked as the presentation opens: the core says what shows at the start.
const startKey = 'Home';

const reducedMotion = () => window.matchMedia?.('(prefers-reduced-motion: reduce)').matches ?? false;
const text = (key: string) => tr('Presentation', key);

// A worked solution for a projector: full screen, light on near black, large type, the steps
// one at a time beside (or under) the unit circle, which stresses what the newest step works
// out. What each key does comes from the core.
export class PresentationViewController {
  readonly element: HTMLElement;
  private readonly rows: HTMLElement[];
  private readonly list: HTMLOListElement;
  private readonly counter = h('p', { class: 'presentation-counter', role: 'status' });
  private readonly message = h('p', { class: 'presentation-message', role: 'alert', hidden: true });
  private readonly closeButton = h('button', {
    type: 'button', class: 'presentation-close', id: 'presentationCloseButton',
    'aria-label': text('Close presentation'), title: text('Close presentation'),
  }, icon('close'));
  private readonly circleHolder = h('div', { class: 'presentation-circle', inert: true });
  private readonly reveal: StepReveal;
  private circle: UnitCircleChartView | null = null;
  private highlight: StepHighlight | null = null;
  private newest = -1;
  private closed = false;
  private wasFullscreen = false;
  // The page's elements made inert while the presentation is up, to be given back.
  private inerted: HTMLElement[] = [];

  private readonly onKey = (event: KeyboardEvent) => {
    const onButton = event.target instanceof Element && event.target.closest('button') !== null;
    if (this.closed || !presentationTakes(event, onButton)) return;
    event.preventDefault();
    void this.reveal.press(event.key);
  };

  private readonly onFullscreenChange = () => {
    if (document.fullscreenElement === this.element) this.wasFullscreen = true;
    // Left through the browser's own Escape or its controls: back to the solution too.
    else if (this.wasFullscreen) this.close();
  };

  constructor(private readonly deps: PresentationDependencies) {
    this.rows = deps.steps.map((step) => this.stepRow(step));
    this.list = h('ol', { class: 'presentation-steps' }, ...this.rows);
    this.element = h(
      'div',
      {
        class: 'presentation', role: 'dialog', 'aria-modal': 'true', 'aria-label': text('Presentation'),
        tabindex: -1, 'data-circle': deps.circle ? 'yes' : 'no',
      },
      h('div', { class: 'presentation-body' }, deps.circle ? this.circleHolder : null, this.list),
      this.message,
      this.counter,
      this.closeButton,
    );
    // Its own high-contrast palette, whatever the page's appearance.
    for (const [name, value] of Object.entries(colorVariables(true))) this.element.style.setProperty(name, value);
    this.closeButton.addEventListener('click', () => this.close());
    this.element.addEventListener('click', (event) => {
      if (event.target instanceof Element && event.target.closest('button')) return;
      void this.reveal.press(clickKey);
    });
    this.reveal = new StepReveal((key, revealed, count) => deps.calls.key(key, revealed, count), deps.steps.length, {
      moved: (revealed) => this.show(revealed),
      leave: () => this.close(),
      failed: () => this.showFailure(),
    });
  }

  // Opens over the page; to be called from the press of a button, since a browser goes full
  // screen only then.
  open(): void {
    for (const sibling of document.body.children) {
      if (sibling instanceof HTMLElement && !sibling.inert) {
        sibling.inert = true;
        this.inerted.push(sibling);
      }
    }
    document.body.append(this.element);
    window.addEventListener('keydown', this.onKey);
    document.addEventListener('fullscreenchange', this.onFullscreenChange);
    this.element.focus({ preventScroll: true });
    // Refused (no full screen in this browser, or not from a press): it fills the window.
    void this.element.requestFullscreen?.({ navigationUI: 'hide' })?.catch(() => undefined);
    if (this.deps.circle) void this.addCircle(this.deps.circle);
    void this.reveal.press(startKey);
  }

  close(): void {
    if (this.closed) return;
    this.closed = true;
    this.reveal.stop();
    window.removeEventListener('keydown', this.onKey);
    document.removeEventListener('fullscreenchange', this.onFullscreenChange);
    if (document.fullscreenElement === this.element) void document.exitFullscreen().catch(() => undefined);
    this.circle?.destroy();
    this.element.remove();
    for (const element of this.inerted) element.inert = false;
    this.inerted = [];
    this.deps.onClose();
  }

  private stepRow(step: PresentedStep): HTMLElement {
    const row = h('li', { class: 'presentation-step', hidden: true },
      h('h2', { class: step.bold ? 'presentation-step-title bold' : 'presentation-step-title' }, step.title));
    if (step.message !== undefined) {
      row.append(h('p', { class: 'presentation-step-message' }, step.message));
    } else if (step.latex !== undefined) {
      const formula = mathLabel(step.latex, 'math presentation-formula');
      scrollsSideways(formula);
      row.append(formula);
    }
    return row;
  }

  // The first `revealed` steps, the newest marked and in sight, its part stressed on the circle.
  private show(revealed: number): void {
    this.message.hidden = true;
    this.rows.forEach((row, i) => {
      row.hidden = i >= revealed;
      row.classList.toggle('newest', i === revealed - 1);
      if (i === revealed - 1) row.setAttribute('aria-current', 'step');
      else row.removeAttribute('aria-current');
    });
    this.counter.textContent = revealed > 0 ? fill(text('%1 of %2 shown'), revealed, this.rows.length) : '';
    const changed = revealed - 1 !== this.newest;
    this.newest = revealed - 1;
    if (!changed) return;
    this.rows[this.newest]?.scrollIntoView({ block: 'nearest', behavior: reducedMotion() ? 'auto' : 'smooth' });
    void this.deps.highlights.then((highlights) => {
      if (this.closed) return;
      this.highlight = highlights[this.newest] ?? null;
      this.circle?.setHighlight(this.highlight);
    }).catch(() => undefined);
  }

  private showFailure(): void {
    this.message.textContent = text('The solution cannot be shown step by step just now. Press Escape or the close button to return to it.');
    this.message.hidden = false;
  }

  // The circle's code loads with the first presentation. A circle that cannot be drawn is left
  // out rather than shown empty: the steps take the whole screen.
  private async addCircle(data: UnitCircleChartData): Promise<void> {
    try {
      const { unitCircleChartView } = await import('../charts/UnitCircleChartView');
      if (this.closed) return;
      this.circle = unitCircleChartView(this.deps.chartCalls, data, { onCalculateAngle: () => undefined, large: true, fadedOpacity: 0.5 });
      this.circle.setHighlight(this.highlight);
      this.circleHolder.append(this.circle.element);
      if (!(await this.circle.showFinal())) throw new Error('no final state to draw');
    } catch {
      this.circle?.destroy();
      this.circle = null;
      this.circleHolder.remove();
      this.element.dataset.circle = 'no';
    }
  }
}
