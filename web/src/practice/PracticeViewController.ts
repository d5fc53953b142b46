import type { UnitCircleCore } from '../core/unitCircleCore';
import { ChartCalls } from '../charts/chartCalls';
import { chartTableViewCell, type ChartRow } from '../charts/ChartTableViewCell';
import { exactValuesCard } from '../solution/ExactValuesCard';
import { currentLanguage, fill, tr } from '../i18n/texts';
import { loadMath, mathLabel } from '../math/mathLabel';
import { showAlert } from '../shell/AlertDialog';
import { h } from '../shell/dom';
import { icon } from '../shell/icons';
import { Toast } from '../shell/Toast';
import { storeNoticeText } from '../store/storeMessages';
import { masteryMap } from './MasteryMap';
import { type AnswerEdit, PracticeCalls, type PracticeQuestion, type SittingKind, type SittingState, type Verdict } from './practiceCalls';
import { practiceKeypad } from './PracticeKeypad';
import { localDayNumber, type PracticeRoute } from './practiceRoute';
import { PracticeStore } from './practiceStore';
import { printWorksheet, removeWorksheet } from './printWorksheet';
import './practice.css';

export interface PracticeOptions {
  // The fixed questions of a seed ("#/practice?seed=7&level=2"); the map when absent.
  route?: PracticeRoute | null;
  // Opened by the screen when not given.
  store?: PracticeStore;
  // The worked solution of an angle ("60"), on the calculation pages.
  onShowSolution?(alpha: string): void;
  // Done on the summary and the map's way back; without it, Done shows the map and the map has
  // no way back.
  onClose?(): void;
  // Today as days since 1970-01-01; the browser's local day unless given (tests).
  today?(): number;
}

type Stage = 'map' | 'asking' | 'showingAnswer' | 'finished';

// One store for the page, so that a failing one is told once however often practice opens.
let pageStore: Promise<PracticeStore> | null = null;

// The practice screen: the mastery map, then one sitting's questions, a wrong answer's right
// one with its circle and exact values, and the summary. The core asks and judges; the schedule
// it hands back after each graded answer is stored here.
export class PracticeViewController {
  readonly element = h('div', { class: 'practice-page' });
  private readonly calls: PracticeCalls;
  private readonly chartCalls: ChartCalls;
  private schedule = '';
  private level = 1;
  // The seed of a link's fixed questions, whose worksheet the sitting can print.
  private worksheetSeed: string | null = null;
  private stage: Stage = 'map';
  private session: number | null = null;
  private question: PracticeQuestion | null = null;
  private answer = '';
  private answerField: HTMLElement | null = null;
  private message: HTMLElement | null = null;
  private chartRow: ChartRow | null = null;
  private busy = false;
  // Keys edit the answer in the core, one after another in the order they came.
  private editing: Promise<void> = Promise.resolve();
  private readonly toast = new Toast();
  private readonly onKey = (event: KeyboardEvent) => this.keyPressed(event);

  private constructor(core: UnitCircleCore, private readonly store: PracticeStore, private readonly options: PracticeOptions) {
    this.calls = new PracticeCalls(core, currentLanguage, options.today ?? (() => localDayNumber()));
    this.chartCalls = new ChartCalls(core);
    document.addEventListener('keydown', this.onKey);
    // Practice goes on when progress cannot be kept; the learner is told. A database deleted
    // under the page costs nothing to tell: the whole schedule is written at the next answer.
    store.onNotice = (notice) => {
      if (notice.change !== 'reopened') this.toast.show(storeNoticeText(notice));
    };
  }

  static async open(core: UnitCircleCore, options: PracticeOptions = {}): Promise<PracticeViewController> {
    const store = options.store ?? (await (pageStore ??= PracticeStore.open()));
    const controller = new PracticeViewController(core, store, options);
    await Promise.all([loadMath(), controller.load()]);
    const route = options.route;
    if (route?.seed != null) {
      controller.level = route.level ?? controller.level;
      await controller.begin({ fixedSeed: route.seed });
    } else {
      if (route?.level != null) controller.level = route.level;
      await controller.showMap();
    }
    return controller;
  }

  get currentStage(): Stage {
    return this.stage;
  }

  destroy(): void {
    document.removeEventListener('keydown', this.onKey);
    this.store.onNotice = null;
    this.chartRow?.destroy();
    if (this.session !== null) void this.calls.end(this.session);
    removeWorksheet();
    this.element.remove();
  }

  private async load(): Promise<void> {
    [this.schedule, this.level] = await Promise.all([this.store.schedule(), this.store.level()]);
  }

  private setStage(stage: Stage, ...content: Element[]): void {
    this.stage = stage;
    this.chartRow?.destroy();
    this.chartRow = null;
    this.element.dataset.stage = stage;
    this.element.replaceChildren(...content, this.toast.element);
  }

  // --- the map

  async showMap(): Promise<void> {
    const map = await this.calls.map(this.schedule, this.level);
    const levels = h('div', { class: 'practice-levels', role: 'radiogroup', 'aria-label': tr('SideMenu', 'Practice') });
    const levelNames = ['Level 1: 30° and 45°', 'Level 2: also 15° and 18°', 'Level 3: also beyond one turn'];
    levelNames.forEach((name, i) => {
      const level = i + 1;
      levels.append(
        h('button', {
          type: 'button',
          role: 'radio',
          class: 'practice-level',
          'aria-checked': String(level === this.level),
          'data-level': level,
          onclick: () => void this.chooseLevel(level),
        }, tr('PracticeView', name)),
      );
    });
    const close = this.options.onClose;
    this.setStage(
      'map',
      h('div', { class: 'practice-header' },
        close
          ? h('button', { type: 'button', class: 'tool-button practice-back', id: 'practiceBackButton', 'aria-label': tr('SideMenu', 'Calculate Title'), onclick: () => close() }, icon('back'))
          : null,
        h('h1', { class: 'practice-title' }, tr('SideMenu', 'Practice'))),
      h('p', { class: 'practice-streak' }, fill(tr('PracticeView', 'Days in a row: %1'), map.dayStreak)),
      levels,
      masteryMap(map.angles, this.level === 3, (degrees) => void this.begin({ angle: degrees })),
      h('p', { class: 'practice-hint' }, tr('PracticeView', 'Tap an angle to practise it, or start with the questions that are due.')),
      h('div', { class: 'practice-actions' },
        h('button', { type: 'button', class: 'practice-button primary', id: 'practiceStart', onclick: () => void this.begin({ due: true }) }, tr('PracticeView', 'Start')),
        h('button', { type: 'button', class: 'practice-button', id: 'practiceReset', onclick: () => this.confirmReset() }, tr('PracticeView', 'Reset progress')),
      ),
    );
  }

  private async chooseLevel(level: number): Promise<void> {
    this.level = level;
    await this.store.setLevel(level);
    await this.showMap();
  }

  private confirmReset(): void {
    showAlert(tr('PracticeView', 'Reset progress'), tr('PracticeView', 'Forget every answer and the day streak?'), [
      { title: tr('HistoryView', 'Cancel'), role: 'cancel' },
      { title: tr('PracticeView', 'Reset'), role: 'default', run: () => void this.reset() },
    ]);
  }

  private async reset(): Promise<void> {
    this.schedule = await this.calls.emptySchedule();
    await this.store.setSchedule(this.schedule);
    await this.showMap();
  }

  // --- a sitting

  async begin(kind: SittingKind): Promise<void> {
    if (this.session !== null) void this.calls.end(this.session);
    this.worksheetSeed = 'fixedSeed' in kind ? kind.fixedSeed : null;
    this.show(await this.calls.start(this.schedule, this.level, kind));
  }

  private show(state: SittingState): void {
    this.session = state.session;
    this.answer = '';
    if (state.finished || !state.question) {
      this.showSummary(state);
      return;
    }
    const question = state.question;
    this.question = question;
    this.answerField = h('div', { class: 'practice-answer', role: 'textbox', 'aria-readonly': 'true', 'aria-label': tr('PracticeView', 'Answer'), id: 'practiceAnswer' });
    this.message = h('p', { class: 'practice-message', role: 'status', 'aria-live': 'polite' });
    this.renderAnswer();
    const choices = h('div', { class: 'practice-choices' },
      ...question.choices.map((choice) =>
        h('button', { type: 'button', class: 'practice-choice', onclick: () => this.setAnswer(choice) }, choice)));
    this.setStage(
      'asking',
      this.sittingHeader(fill(tr('PracticeView', 'Question %1 of %2'), question.number, question.length)),
      h('div', { class: 'practice-question', 'data-card': question.card, 'data-given': question.given },
        h('p', { class: 'practice-prompt' }, question.prompt),
        question.given ? mathLabel(question.given, 'math practice-given') : null,
      ) as HTMLElement,
      this.answerField,
      question.choices.length > 0 ? choices : h('div', { class: 'practice-choices empty' }),
      this.message,
      practiceKeypad({
        keyTapped: (key) => this.edit('keypad', key),
        deleteTapped: () => this.edit('delete'),
        checkTapped: () => void this.check(),
      }),
    );
  }

  // The progress, and the way back to the map (Escape too) that no sitting may lack.
  private sittingHeader(progress: string): HTMLElement {
    return h('div', { class: 'practice-header' },
      h('button', { type: 'button', class: 'tool-button practice-back', id: 'practiceMapButton', 'aria-label': tr('SideMenu', 'Practice'), onclick: () => void this.backToMap() }, icon('back')),
      h('p', { class: 'practice-progress' }, progress),
      this.worksheetSeed !== null
        ? h('button', { type: 'button', class: 'practice-button practice-print', id: 'practicePrint', onclick: () => void this.print() }, tr('PracticeView', 'Print worksheet'))
        : null);
  }

  // The command line's worksheet of the link's seed and level, on paper.
  private async print(): Promise<void> {
    if (this.worksheetSeed === null) return;
    try {
      await printWorksheet(await this.calls.worksheet(this.worksheetSeed, this.level));
    } catch {
      this.toast.show(tr('PracticeView', 'The worksheet could not be made. Please try again.'));
    }
  }

  private async backToMap(): Promise<void> {
    if (this.session !== null) void this.calls.end(this.session);
    this.session = null;
    await this.showMap();
  }

  private setAnswer(answer: string): void {
    if (this.stage !== 'asking') return;
    this.answer = answer;
    this.renderAnswer();
  }

  private edit(how: AnswerEdit, key = ''): void {
    const session = this.session;
    this.editing = this.editing.then(async () => {
      if (session === null || session !== this.session || this.stage !== 'asking') return;
      const answer = await this.calls.type(session, this.answer, how, key).catch(() => null);
      if (answer !== null && session === this.session) this.setAnswer(answer);
    });
  }

  private renderAnswer(): void {
    if (!this.answerField) return;
    this.answerField.textContent = this.answer || tr('PracticeView', 'Your answer');
    this.answerField.classList.toggle('placeholder', this.answer === '');
    this.say('');
  }

  // The status line under the answer: why an answer was not read, or "Right" after a right one.
  private say(text: string, right = false): void {
    if (!this.message) return;
    this.message.textContent = text;
    this.message.classList.toggle('right', right);
  }

  private keyPressed(event: KeyboardEvent): void {
    if (event.target instanceof HTMLElement && event.target.closest('dialog, input, textarea, select')) return;
    if (event.key === 'Escape' && (this.stage === 'asking' || this.stage === 'showingAnswer')) {
      event.preventDefault();
      void this.backToMap();
      return;
    }
    if (this.stage !== 'asking' || event.ctrlKey || event.metaKey || event.altKey) return;
    if (event.key === 'Enter') {
      event.preventDefault();
      void this.check();
    } else if (event.key === 'Backspace') {
      event.preventDefault();
      this.edit('delete');
    } else if ([...event.key].length === 1 && !(event.key === ' ' && event.target instanceof HTMLButtonElement)) {
      // A character: which ones belong in an answer, and what spelled words give, is the core's.
      event.preventDefault();
      this.edit('keyboard', event.key);
    }
  }

  async check(): Promise<void> {
    if (this.stage !== 'asking' || this.session === null || this.busy) return;
    this.busy = true;
    try {
      await this.editing;
      if (this.session === null) return;
      const verdict = await this.calls.answer(this.session, this.answer).catch(() => null);
      // The core no longer knows the sitting (its worker started afresh): back to the map.
      if (!verdict) {
        this.session = null;
        await this.showMap();
        return;
      }
      if (!verdict.graded) {
        this.setAnswer(verdict.answer);
        this.say(verdict.message);
        return;
      }
      if (verdict.schedule) {
        this.schedule = verdict.schedule;
        await this.store.setSchedule(this.schedule);
      }
      if (verdict.correct) {
        await this.next();
        // Once the next question's status line is in the page, so that it is announced.
        requestAnimationFrame(() => {
          if (this.stage === 'asking' && this.answer === '') this.say(tr('PracticeView', 'Right'), true);
        });
      } else {
        await this.showRightAnswer(verdict);
      }
    } finally {
      this.busy = false;
    }
  }

  private async next(): Promise<void> {
    if (this.session === null) return;
    const state = await this.calls.next(this.session).catch(() => null);
    if (state) this.show(state);
    else await this.showMap();
  }

  // --- a wrong answer

  private async showRightAnswer(verdict: Verdict): Promise<void> {
    const alpha = verdict.solutionAngle ?? '';
    const figure = h('div', { class: 'practice-feedback-figure' });
    const question = this.question;
    this.setStage(
      'showingAnswer',
      this.sittingHeader(question ? fill(tr('PracticeView', 'Question %1 of %2'), question.number, question.length) : ''),
      question ? h('div', { class: 'practice-question' },
        h('p', { class: 'practice-prompt' }, question.prompt),
        question.given ? mathLabel(question.given, 'math practice-given') : null) : h('div'),
      h('div', { class: 'practice-feedback', role: 'status' },
        h('p', { class: 'practice-wrong' }, tr('PracticeView', 'Not quite. The right answer:')),
        mathLabel(verdict.rightAnswer ?? '', 'math practice-right-answer'),
      ),
      figure,
      h('div', { class: 'practice-actions' },
        h('button', { type: 'button', class: 'practice-button primary', id: 'practiceContinue', onclick: () => void this.next() }, tr('PracticeView', 'Continue')),
        alpha && this.options.onShowSolution
          ? h('button', { type: 'button', class: 'practice-button', id: 'practiceShowSolution', onclick: () => this.options.onShowSolution?.(alpha) }, tr('PracticeView', 'Show solution'))
          : null,
      ),
    );
    if (alpha) await this.addFigure(figure, alpha);
  }

  // The angle on the unit circle and its exact values, as the result page shows them.
  private async addFigure(figure: HTMLElement, alpha: string): Promise<void> {
    const outcome = await this.calls.solve(alpha);
    if (!outcome.ok || this.stage !== 'showingAnswer') return;
    const rowData = outcome.solution.chartSteps[0];
    if (rowData && rowData.length > 0) {
      this.chartRow = chartTableViewCell(this.chartCalls, rowData, {
        onCalculateAngle: (angle) => this.options.onShowSolution?.(angle),
        large: window.innerWidth >= 700,
      });
      figure.append(this.chartRow.element);
    }
    if (outcome.solution.card) figure.append(exactValuesCard(outcome.solution.card));
  }

  // --- the summary

  private showSummary(state: SittingState): void {
    this.question = null;
    const summary = state.summary;
    this.setStage(
      'finished',
      h('h1', { class: 'practice-title' }, tr('PracticeView', 'Practice done')),
      h('p', { class: 'practice-score' },
        fill(tr('PracticeView', '%1 of %2 right at the first try: %3 %'), summary?.rightFirstTime ?? 0, summary?.cards ?? 0, summary?.scorePercent ?? 0)),
      h('p', { class: 'practice-streak' }, fill(tr('PracticeView', 'Days in a row: %1'), summary?.dayStreak ?? 0)),
      h('div', { class: 'practice-actions' },
        h('button', { type: 'button', class: 'practice-button primary', id: 'practiceAgain', onclick: () => void this.begin({ due: true }) }, tr('PracticeView', 'Again')),
        h('button', { type: 'button', class: 'practice-button', id: 'practiceDone', onclick: () => void this.done() }, tr('PracticeView', 'Done')),
      ),
    );
  }

  private async done(): Promise<void> {
    if (this.session !== null) void this.calls.end(this.session);
    this.session = null;
    if (this.options.onClose) this.options.onClose();
    else await this.showMap();
  }
}

// Mounts the practice screen into container (replacing what it holds).
export async function openPractice(container: HTMLElement, core: UnitCircleCore, options: PracticeOptions = {}): Promise<PracticeViewController> {
  const controller = await PracticeViewController.open(core, options);
  container.replaceChildren(controller.element);
  return controller;
}
