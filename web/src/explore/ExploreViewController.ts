import type { UnitCircleCore } from '../core/unitCircleCore';
import { tr } from '../i18n/texts';
import { loadMath, mathLabel } from '../math/mathLabel';
import { h } from '../shell/dom';
import { icon } from '../shell/icons';
import { practiceKeypad } from '../practice/PracticeKeypad';
import '../practice/practice.css';
import { CallQueue } from './callQueue';
import { ExploreCalls, type ExploreGraph, type ExplorePoint, type ValueEdit, type HalfAxis, type InverseAngle, type InverseValue, type Sign, type TrigFunction } from './exploreCalls';
import { ExploreCircle } from './ExploreCircle';
import { ExploreGraphView } from './ExploreGraphView';
import { FormulaCell } from './FormulaCell';
import { RestGate } from './restGate';
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
  // The answers waiting for the next frame, drawn there together (a drag's answers come faster
  // than frames).
  private pending: { point?: ExplorePoint; graph?: ExploreGraph } = {};
  private frame = 0;
  // The turn whose curve the last answer brought, for the function: a move brings the curve
  // again only for another turn.
  private curve: { fn: TrigFunction; xMin: number } | null = null;
  // The inverse question's value as typed, edited by the core's typing rules only.
  private inverseText = '';

  private readonly values = new Map<string, HTMLElement>();
  private readonly formulas = new Map<string, FormulaCell>();
  // While the point is dragged its formulas wait until it rests: typesetting even one of them
  // took most of a slow phone's frame. The numbers are the core's either way.
  // Meanwhile the tiles are dimmed, so that no one reads the last rest's values as the point's.
  private readonly rest = new RestGate(150, () => {
    this.valuesList?.classList.remove('settling');
    this.frame ||= requestAnimationFrame(() => this.draw());
  });
  private valuesList: HTMLElement | null = null;
  private readonly sharedTable = h('div', { class: 'explore-shared-table', hidden: true });
  private readonly graphChoices = new Map<TrigFunction, HTMLInputElement>();
  private readonly inverseFunction = h('select', { class: 'explore-select', 'data-testid': 'explore-inverse-function', id: 'exploreInverseFunction' });
  // The keypad types the value; a keyboard still does, through the same rules. No phone
  // keyboard opens over the keypad.
  private readonly inverseInput = h('input', {
    type: 'text', class: 'explore-input', 'data-testid': 'explore-inverse-input', id: 'exploreInverseInput', inputmode: 'none',
    'aria-label': tr('ExploreView', 'exploreInverseValue'), autocomplete: 'off', autocapitalize: 'off', spellcheck: 'false', enterkeyhint: 'go', placeholder: '1/2',
  });
  private readonly keypad = h('div', { class: 'explore-keypad', 'data-testid': 'explore-keypad', hidden: true });
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
      onValueDrag: (raw) => this.queue.push(() => this.dragValue(raw), 'value'),
    });
    this.build();
    document.addEventListener('keydown', this.onKey);
  }

  // Ready once the first drawing is in.
  async load(): Promise<void> {
    await loadMath();
    this.queue.push(() => this.refresh(), 'refresh');
    await this.queue.idle();
    this.draw();
  }

  destroy(): void {
    this.destroyed = true;
    cancelAnimationFrame(this.frame);
    this.rest.stop();
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
      if (key !== 'quadrant') this.formulas.set(key, new FormulaCell(value));
      return h('div', { class: `explore-value ${cls}` }, h('dt', {}, name), value);
    };
    this.valuesList = h('dl', { class: 'explore-values' },
      row('alpha', `α (${tr('ExploreView', 'exploreDegrees')})`),
      row('radians', `α (${tr('ExploreView', 'exploreRadians')})`),
      row('sin', 'sin α', 'sin'),
      row('cos', 'cos α', 'cos'),
      row('tan', 'tan α', 'tan'),
      row('reference', tr('Core', 'referenceAngle')),
      row('quadrant', tr('Core', 'quadrant')));
    return this.valuesList;
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
      // Below the buttons, so that showing or hiding it moves none of them.
      this.keypad,
      this.inverseMessage,
      this.solutions);
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      this.submit();
    });
    // The line to drag is the chosen function's.
    this.inverseFunction.addEventListener('change', () => this.renderPoint());
    this.keypad.append(practiceKeypad({
      keyTapped: (key) => this.queue.push(() => this.edit('keypad', key)),
      deleteTapped: () => this.queue.push(() => this.edit('delete')),
      checkTapped: () => this.submit(),
    }, { label: tr('ExploreView', 'exploreInverseValue'), checkLabel: tr('ExploreView', 'exploreShowSolutions') }));
    this.listenToTyping(form);
    return form;
  }

  private submit(): void {
    this.keypad.hidden = true;
    const fn = this.inverseFunction.value as TrigFunction;
    this.queue.push(() => this.ask(fn, this.inverseText));
  }

  // Every character typed, pasted or deleted goes through the core's typing rules, as the
  // keypad's keys do; the keypad shows while the value is edited.
  private listenToTyping(form: HTMLElement): void {
    const input = this.inverseInput;
    input.addEventListener('beforeinput', (event) => {
      event.preventDefault();
      if (event.inputType.startsWith('delete')) {
        this.queue.push(() => this.edit('delete'));
        return;
      }
      const text = event.data ?? event.dataTransfer?.getData('text/plain') ?? '';
      for (const character of text) this.queue.push(() => this.edit('keyboard', character));
    });
    input.addEventListener('focus', () => {
      this.keypad.hidden = false;
      this.keypad.scrollIntoView({ block: 'nearest' });
    });
    form.addEventListener('focusout', (event) => {
      const next = event.relatedTarget;
      if (!(next instanceof Node) || !form.contains(next)) this.keypad.hidden = true;
    });
  }

  // --- the jobs, one at a time in the queue

  // One call per move: the point, its values and the graph (its curve only for a new turn).
  private async follow(dx: number, dy: number): Promise<void> {
    const fn = this.graphFunction;
    const move = await this.calls.move({
      previous: this.degrees, dx, dy, snap: this.snap, fn, sweptFrom: this.sweptFrom, sweptTo: this.sweptTo,
      value: this.questionOnGraph()?.value ?? null, curveFrom: this.curve?.fn === fn ? this.curve.xMin : null,
    });
    if (!move || this.destroyed) return;
    this.degrees = move.degrees;
    this.sweptFrom = move.sweptFrom;
    this.sweptTo = move.sweptTo;
    this.show(move.point, move.graph, true);
  }

  // The value line's handle dragged: its value as the core types it, asked as if typed.
  private async dragValue(raw: number): Promise<void> {
    const fn = this.inverseFunction.value as TrigFunction;
    const dragged = await this.calls.dragValue(fn, raw, this.snap);
    if (this.destroyed || (dragged.typed === this.inverseText && this.question?.fn === fn)) return;
    this.setInverseText(dragged.typed);
    await this.ask(fn, dragged.typed);
  }

  private async edit(how: ValueEdit, key = ''): Promise<void> {
    const text = await this.calls.type(this.inverseText, how, key);
    if (!this.destroyed) this.setInverseText(text);
  }

  private setInverseText(text: string): void {
    this.inverseText = text;
    this.inverseInput.value = text;
    this.inverseInput.setSelectionRange(text.length, text.length);
  }

  private questionOnGraph(): Question | null {
    return this.question?.fn === this.graphFunction ? this.question : null;
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
    this.setInverseText('');
    this.inverseMessage.textContent = '';
    this.solutions.replaceChildren();
    await this.refresh();
  }

  private async refresh(): Promise<void> {
    const [point, graph] = await Promise.all([
      this.calls.point(this.degrees),
      this.calls.graph(this.graphFunction, this.degrees, this.sweptFrom, this.sweptTo, this.questionOnGraph()?.value ?? null),
    ]);
    if (!this.destroyed) this.show(point, graph);
  }

  // Answers in; drawn at the next frame, all of them at once.
  private show(point: ExplorePoint, graph: ExploreGraph, moved = false): void {
    if (moved) {
      if (!this.rest.moving) this.valuesList?.classList.add('settling');
      this.rest.moved();
    } else {
      this.rest.stop();
      this.valuesList?.classList.remove('settling');
    }
    if (this.question && graph.function === this.question.fn) this.question.lineY = graph.lineY;
    if (graph.curve) this.curve = { fn: graph.function, xMin: graph.xMin };
    // A curve not drawn yet stays with the graph that replaces it.
    const waiting = this.pending.graph;
    if (!graph.curve && waiting?.curve && waiting.function === graph.function && waiting.xMin === graph.xMin) {
      graph = { ...graph, curve: waiting.curve, xTicks: waiting.xTicks, yTicks: waiting.yTicks };
    }
    this.pending = { point, graph };
    this.frame ||= requestAnimationFrame(() => this.draw());
  }

  private draw(): void {
    cancelAnimationFrame(this.frame);
    this.frame = 0;
    const { point, graph } = this.pending;
    this.pending = {};
    if (point) {
      this.point = point;
      this.renderPoint();
    } else if (this.point) {
      // The formulas that waited for the point to rest.
      this.setFormulas(this.point);
    }
    if (graph) this.graphView.render(graph);
  }

  // --- showing the answers

  private renderPoint(): void {
    const p = this.point;
    if (!p) return;
    const question = this.question;
    const lineFn = this.inverseFunction.value as TrigFunction;
    this.circle.render({
      point: p,
      showShared: this.showShared,
      solutions: question?.angles ?? null,
      line: { fn: lineFn, value: question?.fn === lineFn ? question.lineY : null },
    });
    this.setFormulas(p);
    const quadrant = this.values.get('quadrant')!;
    const quadrantText = p.axis ? tr('Core', axisKeys[p.axis]) : numerals[p.quadrant - 1] ?? '';
    if (quadrant.textContent !== quadrantText) {
      quadrant.dataset.quadrant = String(p.quadrant);
      quadrant.textContent = quadrantText;
    }
    if (this.showShared) this.renderSharedTable(p);
  }

  // The values' formulas, once the point rests.
  private setFormulas(p: ExplorePoint): void {
    if (this.rest.moving) return;
    const wanted: [string, string][] = [
      ['alpha', p.alphaLatex], ['sin', p.sin.latex], ['cos', p.cos.latex], ['tan', p.tan.latex],
      ['radians', p.radiansLatex], ['reference', p.referenceLatex],
    ];
    for (const [key, latex] of wanted) this.formulas.get(key)!.show(latex);
  }

  private renderSharedTable(p: ExplorePoint): void {
    const key = String(p.positionDegrees);
    if (this.sharedTable.dataset.degrees === key) return;
    this.sharedTable.dataset.degrees = key;
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
