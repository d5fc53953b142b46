import type { UnitCircleCore } from '../core/unitCircleCore';
import { tr } from '../i18n/texts';
import { loadMath, mathLabel } from '../math/mathLabel';
import { h } from '../shell/dom';
import { icon } from '../shell/icons';
import { CallQueue } from './callQueue';
import { ExploreCalls, type ExplorePoint, type HalfAxis, type InverseAngle, type InverseValue, type Sign, type TrigFunction } from './exploreCalls';
import { ExploreCircle } from './ExploreCircle';
import { ExploreGraphView } from './ExploreGraphView';
import './explore.css';

export interface ExploreOptions {
  onClose(): void;
}

// Where the point starts: an angle with something to see in every value.
const startDegrees = 30;

interface Question {
  fn: TrigFunction;
  value: InverseValue;
  angles: InverseAngle[];
  // The value as a number, from the graph of the question's function: its line on the circle.
  lineY: number | null;
}

const functions: TrigFunction[] = ['sin', 'cos', 'tan'];
const axisKeys: Record<HalfAxis, string> = {
  positiveX: 'onPositiveXAxis', positiveY: 'onPositiveYAxis', negativeX: 'onNegativeXAxis', negativeY: 'onNegativeYAxis',
};
const numerals = ['I', 'II', 'III', 'IV'];
const signText = (sign: Sign | null) => (sign === null ? tr('Core', 'undefined') : sign > 0 ? '+' : sign < 0 ? '−' : '0');

// The Explore screen: a point moved round a large unit circle, its values exact at the special
// angles, the graph it traces, the angles of the same reference angle, and "for which α is
// sin α = c?". The core answers every question; the screen keeps only where the point is, the
// part of the graph it has swept and the question asked.
export class ExploreViewController {
  readonly element = h('div', { class: 'explore-page' });
  private readonly calls: ExploreCalls;
  private readonly queue = new CallQueue();
  private readonly circle: ExploreCircle;
  private readonly graphView = new ExploreGraphView();
  private degrees: number;
  private snap = true;
  private showShared = false;
  private graphFunction: TrigFunction = 'sin';
  // The least and greatest degrees the point reached since the function was chosen or the trail
  // cleared: the graph's trail.
  private sweptFrom: number;
  private sweptTo: number;
  private question: Question | null = null;
  private point: ExplorePoint | null = null;
  private destroyed = false;

  private readonly values = new Map<string, HTMLElement>();
  private readonly sharedTable = h('div', { class: 'explore-shared-table', hidden: true });
  private readonly graphChoices = new Map<TrigFunction, HTMLInputElement>();
  private readonly inverseFunction = h('select', { class: 'explore-select', 'data-testid': 'explore-inverse-function', id: 'exploreInverseFunction' });
  private readonly inverseInput = h('input', {
    type: 'text', class: 'explore-input', 'data-testid': 'explore-inverse-input', id: 'exploreInverseInput',
    'aria-label': tr('ExploreView', 'exploreInverseValue'), autocomplete: 'off', autocapitalize: 'off', spellcheck: 'false', enterkeyhint: 'go', placeholder: '1/2',
  });
  private readonly inverseMessage = h('p', { class: 'explore-message', role: 'alert' });
  private readonly solutions = h('div', { class: 'explore-solutions', 'data-testid': 'explore-solutions' });
  private readonly onKey = (event: KeyboardEvent) => {
    if (event.key !== 'Escape' || (event.target instanceof HTMLElement && event.target.closest('select, dialog'))) return;
    event.preventDefault();
    this.options.onClose();
  };

  constructor(core: UnitCircleCore, private readonly options: ExploreOptions) {
    this.calls = new ExploreCalls(core);
    this.degrees = this.sweptFrom = this.sweptTo = startDegrees;
    this.circle = new ExploreCircle({
      onPointer: (dx, dy) => this.queue.push(() => this.follow(dx, dy), 'drag'),
      onStep: (direction) => this.queue.push(() => this.step(direction)),
    });
    this.build();
    document.addEventListener('keydown', this.onKey);
  }

  // Ready once the first drawing is in.
  async load(): Promise<void> {
    await loadMath();
    this.queue.push(() => this.refresh(), 'refresh');
    await this.queue.idle();
  }

  destroy(): void {
    this.destroyed = true;
    this.queue.clear();
    this.graphView.destroy();
    document.removeEventListener('keydown', this.onKey);
    this.element.remove();
  }

  focusFirst(): void {
    this.element.querySelector<HTMLElement>('#exploreBackButton')?.focus();
  }

  // --- building the page

  private build(): void {
    const title = tr('ExploreView', 'Explore');
    const header = h('div', { class: 'explore-header' },
      h('button', { type: 'button', class: 'tool-button explore-back', id: 'exploreBackButton', 'aria-label': tr('SideMenu', 'Calculate Title'), onclick: () => this.options.onClose() }, icon('back')),
      h('h1', { class: 'explore-title' }, title));
    const circlePane = h('section', { class: 'explore-pane explore-circle-pane' },
      h('div', { class: 'explore-circle-frame' }, this.circle.element),
      h('div', { class: 'explore-switches' },
        this.switch(tr('ExploreView', 'exploreSnap'), 'exploreSnap', true, (on) => { this.snap = on; }),
        this.switch(tr('ExploreView', 'exploreSharedAngles'), 'exploreShared', false, (on) => {
          this.showShared = on;
          this.sharedTable.hidden = !on;
          this.renderPoint();
        })),
      this.valuesPanel(),
      this.sharedTable);
    const graphPane = h('section', { class: 'explore-pane explore-graph-pane' },
      this.graphControls(), this.graphView.element, this.inverseForm());
    this.element.append(header, h('div', { class: 'explore-body' }, circlePane, graphPane));
  }

  private switch(label: string, id: string, checked: boolean, changed: (on: boolean) => void): HTMLElement {
    const input = h('input', { type: 'checkbox', role: 'switch', class: 'explore-switch-input', id, checked });
    input.addEventListener('change', () => changed(input.checked));
    return h('label', { class: 'explore-switch', for: id }, input, h('span', {}, label));
  }

  private valuesPanel(): HTMLElement {
    const row = (key: string, name: string, cls = '') => {
      const value = h('dd', { 'data-testid': `explore-${key}` });
      this.values.set(key, value);
      return h('div', { class: `explore-value ${cls}` }, h('dt', {}, name), value);
    };
    return h('dl', { class: 'explore-values' },
      row('alpha', `α (${tr('ExploreView', 'exploreDegrees')})`),
      row('radians', `α (${tr('ExploreView', 'exploreRadians')})`),
      row('sin', 'sin α', 'sin'),
      row('cos', 'cos α', 'cos'),
      row('tan', 'tan α', 'tan'),
      row('reference', tr('Core', 'referenceAngle')),
      row('quadrant', tr('Core', 'quadrant')));
  }

  private graphControls(): HTMLElement {
    const choices = h('fieldset', { class: 'explore-choice' },
      h('legend', { class: 'explore-legend' }, tr('ExploreView', 'exploreGraph')));
    for (const fn of functions) {
      const input = h('input', { type: 'radio', name: 'exploreGraphFunction', value: fn, checked: fn === this.graphFunction });
      input.addEventListener('change', () => {
        if (input.checked) this.queue.push(() => this.chooseGraph(fn));
      });
      this.graphChoices.set(fn, input);
      choices.append(h('label', { class: 'explore-choice-option' }, input, h('span', {}, fn)));
    }
    const clear = h('button', { type: 'button', class: 'explore-button', id: 'exploreClearTrail' }, tr('ExploreView', 'exploreClearTrail'));
    clear.addEventListener('click', () => this.queue.push(() => this.clearTrail()));
    return h('div', { class: 'explore-graph-controls' }, choices, clear);
  }

  private inverseForm(): HTMLElement {
    for (const fn of functions) this.inverseFunction.append(h('option', { value: fn }, fn));
    this.inverseFunction.setAttribute('aria-label', tr('ExploreView', 'exploreInverseTitle'));
    const form = h('form', { class: 'explore-inverse', novalidate: true },
      h('h2', { class: 'explore-subtitle' }, tr('ExploreView', 'exploreInverseTitle')),
      h('div', { class: 'explore-equation' },
        this.inverseFunction,
        h('span', { class: 'explore-equals', 'aria-hidden': 'true' }, 'α ='),
        this.inverseInput),
      h('div', { class: 'explore-actions' },
        h('button', { type: 'submit', class: 'explore-button primary', 'data-testid': 'explore-inverse-show' }, tr('ExploreView', 'exploreShowSolutions')),
        h('button', { type: 'button', class: 'explore-button', id: 'exploreClearQuestion', onclick: () => this.queue.push(() => this.clearQuestion()) }, tr('ExploreView', 'exploreClearInverse'))),
      this.inverseMessage,
      this.solutions);
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      const fn = this.inverseFunction.value as TrigFunction;
      const text = this.inverseInput.value;
      this.queue.push(() => this.ask(fn, text));
    });
    return form;
  }

  // --- the jobs, one at a time in the queue

  private async follow(dx: number, dy: number): Promise<void> {
    const degrees = await this.calls.follow(this.degrees, dx, dy, this.snap);
    if (degrees === null || degrees === this.degrees) return;
    this.moveTo(degrees);
    await this.refresh();
  }

  private async step(direction: number): Promise<void> {
    this.moveTo(await this.calls.step(this.degrees, direction, this.snap));
    await this.refresh();
  }

  private moveTo(degrees: number): void {
    this.degrees = degrees;
    this.sweptFrom = Math.min(this.sweptFrom, degrees);
    this.sweptTo = Math.max(this.sweptTo, degrees);
  }

  private async chooseGraph(fn: TrigFunction): Promise<void> {
    this.graphFunction = fn;
    await this.clearTrail();
  }

  private async clearTrail(): Promise<void> {
    this.sweptFrom = this.sweptTo = this.degrees;
    await this.refresh();
  }

  private async ask(fn: TrigFunction, text: string): Promise<void> {
    const answer = await this.calls.inverse(fn, { text });
    if (this.destroyed) return;
    if ('errorKey' in answer) {
      this.question = null;
      this.inverseMessage.textContent = tr('Core', answer.errorKey);
      this.solutions.replaceChildren();
    } else {
      this.question = { fn, value: { text }, angles: answer.angles, lineY: null };
      this.inverseMessage.textContent = '';
      this.renderSolutions(answer.angles);
      // The question's own function on the graph, so that it shows the line and its crossings.
      if (this.graphFunction !== fn) {
        this.graphFunction = fn;
        this.graphChoices.get(fn)!.checked = true;
        this.sweptFrom = this.sweptTo = this.degrees;
      }
    }
    await this.refresh();
  }

  private async clearQuestion(): Promise<void> {
    this.question = null;
    this.inverseInput.value = '';
    this.inverseMessage.textContent = '';
    this.solutions.replaceChildren();
    await this.refresh();
  }

  private async refresh(): Promise<void> {
    const question = this.question?.fn === this.graphFunction ? this.question : null;
    const [point, graph] = await Promise.all([
      this.calls.point(this.degrees),
      this.calls.graph(this.graphFunction, this.degrees, this.sweptFrom, this.sweptTo, question?.value ?? null),
    ]);
    if (this.destroyed) return;
    this.point = point;
    if (this.question && graph.function === this.question.fn) this.question.lineY = graph.lineY;
    this.renderPoint();
    this.graphView.render(graph);
  }

  // --- showing the answers

  private renderPoint(): void {
    const p = this.point;
    if (!p) return;
    const question = this.question;
    const lineY = question?.lineY ?? null;
    this.circle.render({
      point: p,
      showShared: this.showShared,
      solutions: question?.angles ?? null,
      line: question && lineY !== null ? { fn: question.fn, value: lineY } : null,
    });
    this.setMath('alpha', p.alphaLatex);
    this.setMath('radians', p.radiansLatex);
    this.setMath('sin', p.sin.latex);
    this.setMath('cos', p.cos.latex);
    this.setMath('tan', p.tan.latex);
    this.setMath('reference', p.referenceLatex);
    const quadrant = this.values.get('quadrant')!;
    quadrant.dataset.quadrant = String(p.quadrant);
    quadrant.textContent = p.axis ? tr('Core', axisKeys[p.axis]) : numerals[p.quadrant - 1] ?? '';
    if (this.showShared) this.renderSharedTable(p);
  }

  // A value's formula, typeset again only when it changed; "undefined" where there is none.
  private setMath(key: string, latex: string): void {
    const cell = this.values.get(key)!;
    if (cell.dataset.latex === latex && cell.childNodes.length > 0) return;
    cell.dataset.latex = latex;
    cell.replaceChildren(latex ? mathLabel(latex, 'math explore-math') : h('span', { class: 'explore-undefined' }, tr('Core', 'undefined')));
  }

  private renderSharedTable(p: ExplorePoint): void {
    const head = h('tr', {}, h('th', { scope: 'col' }, 'α'), ...['sin α', 'cos α', 'tan α'].map((name) => h('th', { scope: 'col' }, name)));
    const rows = p.sharedAngles.map((angle) =>
      h('tr', { class: angle.isPoint ? 'current' : '', 'aria-current': angle.isPoint ? 'true' : null, 'data-degrees': angle.degrees },
        h('th', { scope: 'row' }, mathLabel(angle.latex, 'math explore-math')),
        h('td', {}, signText(angle.sin)), h('td', {}, signText(angle.cos)), h('td', {}, signText(angle.tan))));
    this.sharedTable.replaceChildren(
      h('table', {}, h('caption', {}, tr('ExploreView', 'exploreSigns')), h('thead', {}, head), h('tbody', {}, ...rows)));
  }

  private renderSolutions(angles: InverseAngle[]): void {
    if (angles.length === 0) {
      this.solutions.replaceChildren(h('p', { class: 'explore-no-solution' }, tr('ExploreView', 'exploreNoSolution')));
      return;
    }
    this.solutions.replaceChildren(
      h('h3', { class: 'explore-solutions-heading' }, tr('ExploreView', 'exploreSolutionsHeading')),
      h('ul', { class: 'explore-solution-list' },
        ...angles.map((angle) => h('li', { 'data-degrees': angle.degrees }, mathLabel(angle.generalLatex, 'math explore-math')))));
  }
}

// Mounts the Explore screen into container (replacing what it holds).
export async function openExplore(container: HTMLElement, core: UnitCircleCore, options: ExploreOptions): Promise<ExploreViewController> {
  const controller = new ExploreViewController(core, options);
  await controller.load();
  container.replaceChildren(controller.element);
  return controller;
}
