import type { Solution, UnitCircleChartData } from '../core/solution';
import type { ChartCalls, StepHighlight } from '../charts/chartCalls';
import type { ChartRow } from '../charts/ChartTableViewCell';
import { h } from '../shell/dom';
import { tr } from '../i18n/texts';
import { exactValuesCard } from './ExactValuesCard';
import { markStep, solutionStepTableViewCell } from './SolutionStepTableViewCell';
import { nextMarkedStep, scrollToContain, stepNumber, twoPanes } from './solutionLayout';
import { loadMath } from '../math/mathLabel';
import { stepTitle } from './stepTitle';
import { icon } from '../shell/icons';
import type { Toast } from '../shell/Toast';
import { ShareFlow, browserShareTarget } from './shareSolution';
import type { VideoItem } from '../menu/configCalls';
import { manualButton, solutionHelpPages } from '../videos/ManualViewController';
import { videoStrip } from '../videos/recommendedVideos';
import type { VideoCollectionTableViewCell } from '../videos/VideoCollectionTableViewCell';
import type { PresentationCalls } from '../presentation/presentationCalls';
import { PresentationViewController } from '../presentation/PresentationViewController';

export interface SolutionDependencies {
  calls: ChartCalls;
  presentationCalls: PresentationCalls;
  onHint(bText: string): void;
  // "Calculate α = …" under the unit circle: the angle set by hand, as α's input.
  onCalculateAngle(alphaInput: string): void;
  // Where sharing tells how it went.
  toast: Pick<Toast, 'show' | 'showWithAction'>;
  // The recommended videos under the charts; none without.
  videos?(): Promise<VideoItem[]>;
}

const reducedMotion = () => window.matchMedia?.('(prefers-reduced-motion: reduce)').matches ?? false;
const isLarge = () => window.matchMedia?.('(min-width: 40rem) and (min-height: 40rem)').matches ?? false;

// The result page: the "did you mean" hint, the exact values card, every step, then the
// charts. A wide window shows two panes that scroll on their own: the steps on the left, the
// card and the charts on the right, so a tapped step and the circle it stresses are both in
// sight.
export class SolutionViewController {
  readonly element = h('div', { class: 'solution-page' });
  private readonly content = h('div', { class: 'solution-content' });
  // Each pane scrolls on its own, by keyboard too.
  private readonly stepsPane = h('div', { class: 'solution-pane steps-pane', tabindex: 0 });
  private readonly chartsPane = h('div', { class: 'solution-pane charts-pane', tabindex: 0 });
  private readonly backButton = h('button', { type: 'button', class: 'back-to-step', hidden: true });
  // Shares the whole solution as one picture; there while there is a solution.
  private readonly shareButton = h('button', {
    type: 'button', class: 'share-button', id: 'shareButton', hidden: true,
    'aria-label': tr('SolutionView', 'Share'), title: tr('SolutionView', 'Share'),
  }, icon('share'));
  private readonly sharing: ShareFlow;
  // Shows the solution on a projector, one step at a time.
  private readonly presentButton = h('button', {
    type: 'button', class: 'present-button', id: 'presentButton', hidden: true,
    'aria-label': tr('Presentation', 'Present'), title: tr('Presentation', 'Present'),
  }, icon('slideshow'), h('span', {}, tr('Presentation', 'Present')));
  private presentation: PresentationViewController | null = null;
  // The help picture of the keypad and the solution, as in the app.
  private readonly helpButton = manualButton('manualButton', tr('ManualView', 'Assistance'), 'help', solutionHelpPages);
  private strip: VideoCollectionTableViewCell | null = null;
  private solution: Solution | null = null;
  private parts: { hint: HTMLElement | null; card: HTMLElement | null; steps: HTMLElement; charts: HTMLElement; videos: HTMLElement } | null = null;
  private stepRows: HTMLElement[] = [];
  private chartRows: ChartRow[] = [];
  // Asked with the first tapped step or presentation: the chart calls' module need not load
  // with the result.
  private highlights: Promise<StepHighlight[]> | null = null;
  private marked = -1;
  private markedInSight = true;
  private twoPanes = false;
  private readonly sightOfMark = new IntersectionObserver((entries) => {
    this.markedInSight = entries[entries.length - 1].isIntersecting;
    this.showBackButton();
  });

  constructor(private readonly deps: SolutionDependencies) {
    this.backButton.addEventListener('click', () => this.scrollBackToMark());
    this.sharing = new ShareFlow({
      makePicture: async () => {
        const solution = this.solution;
        if (!solution) throw new Error('no solution to share');
        const { solutionPicture } = await import('./shareSolutionPicture');
        return await solutionPicture(solution, this.deps.calls);
      },
      target: browserShareTarget(),
      notify: (message) => this.deps.toast.show(message),
      notifyWithAction: (message, action) => this.deps.toast.showWithAction(message, action),
      setBusy: (busy) => {
        this.shareButton.setAttribute('aria-busy', String(busy));
        this.shareButton.setAttribute('aria-disabled', String(busy));
      },
    });
    this.shareButton.addEventListener('click', () => void this.sharing.share());
    this.presentButton.addEventListener('click', () => this.present());
    this.element.append(
      h('div', { class: 'solution-actions' }, this.presentButton, this.shareButton, this.helpButton),
      this.content,
      h('div', { class: 'back-to-step-dock' }, this.backButton),
    );
    window.addEventListener('resize', () => this.arrange());
  }

  get hasSteps(): boolean {
    return (this.solution?.steps.length ?? 0) > 0;
  }

  async showSolution(solution: Solution): Promise<void> {
    await loadMath();
    this.clearSolution();
    this.solution = solution;
    const word = (key: string) => tr('ExactValues', key);
    let hint: HTMLElement | null = null;
    if (solution.hint) {
      const text = solution.hint;
      hint = h('button', { type: 'button', class: 'pi-hint', id: 'piHintButton', onclick: () => this.deps.onHint(text) },
        word('didYouMean').replaceAll('%1', text));
    }
    this.stepRows = solution.steps.map((step, i) => solutionStepTableViewCell(step, () => void this.tappedStep(i)));
    const steps = h('ol', { class: 'steps', 'aria-label': tr('SolutionView', 'Result') }, ...this.stepRows);
    const charts = h('div', { class: 'charts' });
    const videos = h('div', { class: 'solution-videos' });
    this.parts = { hint, card: solution.card ? exactValuesCard(solution.card) : null, steps, charts, videos };
    this.highlights = null;
    this.shareButton.hidden = solution.steps.length === 0;
    this.presentButton.hidden = solution.steps.length === 0;
    this.arrange(true);
    // A new result starts at its top, wherever the last one was read to.
    this.scrollers().forEach((scroller) => scroller.scrollTo({ top: 0 }));
    // Not awaited: the page is busy only until the steps show, not while the charts' code loads
    // (Clear and the keys would be ignored meanwhile).
    // Charts whose code cannot load leave the steps as they are.
    if (solution.chartSteps.length > 0) void this.addCharts(solution, charts).catch(() => undefined);
    void this.addVideos(solution, videos);
  }

  // The strip of videos under the charts, when the configuration has some.
  private async addVideos(solution: Solution, holder: HTMLElement): Promise<void> {
    const items = (await this.deps.videos?.()) ?? [];
    if (this.solution !== solution) return;
    this.strip = videoStrip(items);
    if (this.strip) holder.append(this.strip.element);
  }

  // Where the focus goes once a result shows: the card's heading at the top of one column, the
  // first step in the left of two panes. Never the hint: an Enter still held would follow it
  // away from the result.
  focusFirst(): void {
    const heading = this.twoPanes ? null : this.parts?.card?.querySelector<HTMLElement>('h2');
    const first = heading ?? this.stepRows[0]?.querySelector<HTMLElement>('.step-toggle');
    first?.focus({ preventScroll: true });
  }

  // The charts' code comes with the first result that has charts.
  private async addCharts(solution: Solution, charts: HTMLElement): Promise<void> {
    const { chartTableViewCell } = await import('../charts/ChartTableViewCell');
    if (this.solution !== solution) return;
    const options = { onCalculateAngle: (alpha: string) => this.deps.onCalculateAngle(alpha), large: isLarge() };
    this.chartRows = solution.chartSteps.map((step) => chartTableViewCell(this.deps.calls, step, options));
    charts.append(...this.chartRows.map((row) => row.element));
  }

  clearSolution(): void {
    this.presentation?.close();
    this.chartRows.forEach((row) => row.destroy());
    this.chartRows = [];
    this.strip?.destroy();
    this.strip = null;
    this.stepRows = [];
    this.solution = null;
    this.parts = null;
    this.marked = -1;
    this.sightOfMark.disconnect();
    this.markedInSight = true;
    this.content.replaceChildren();
    this.shareButton.hidden = true;
    this.presentButton.hidden = true;
    this.showBackButton();
  }

  // Full screen from this press, the steps one at a time; back here with the focus on Present.
  private present(): void {
    const solution = this.solution;
    if (!solution || solution.steps.length === 0 || this.presentation) return;
    const circle = solution.chartSteps.map((step) => step[0])
      .find((data): data is UnitCircleChartData => data?.kind === 'unitCircle') ?? null;
    this.presentation = new PresentationViewController({
      steps: solution.steps.map((step) => {
        const { text, bold } = stepTitle(step.title);
        return { title: text, bold, latex: step.displayLatex ?? step.latexString, message: step.messageString };
      }),
      circle,
      highlights: this.stepHighlights(),
      calls: this.deps.presentationCalls,
      chartCalls: this.deps.calls,
      onClose: () => {
        this.presentation = null;
        this.presentButton.focus();
      },
    });
    this.presentation.open();
  }

  // What each step stresses on the circle, asked once a solution: by the first tapped step
  // or the first presentation.
  private stepHighlights(): Promise<StepHighlight[]> {
    const steps = this.solution?.steps ?? [];
    this.highlights ??= this.deps.calls.stepHighlights(steps.map((step) => step.latexString ?? '')).catch(() => []);
    return this.highlights;
  }

  // One column (hint, card, steps, charts) or two panes; the elements move, so the keyboard
  // and screen readers go through them in the order they are seen.
  private arrange(force = false): void {
    const page = this.element.closest('.page') ?? this.element;
    const wide = twoPanes(page.clientWidth || window.innerWidth, page.clientHeight || window.innerHeight);
    if (!this.parts || (!force && wide === this.twoPanes)) {
      this.twoPanes = wide;
      this.element.classList.toggle('two-panes', wide);
      this.showBackButton();
      return;
    }
    this.twoPanes = wide;
    this.element.classList.toggle('two-panes', wide);
    const { hint, card, steps, charts, videos } = this.parts;
    const top = [hint, card].filter((part): part is HTMLElement => part !== null);
    if (wide) {
      this.stepsPane.replaceChildren(steps);
      this.chartsPane.replaceChildren(...top, charts, videos);
      this.content.replaceChildren(this.stepsPane, this.chartsPane);
    } else {
      this.content.replaceChildren(...top, steps, charts, videos);
    }
    this.showBackButton();
  }

  private scrollers(): HTMLElement[] {
    const page = this.element.closest<HTMLElement>('.page');
    return this.twoPanes ? [this.stepsPane, this.chartsPane] : page ? [page] : [];
  }

  private async tappedStep(index: number): Promise<void> {
    const highlight = (await this.stepHighlights())[index] ?? null;
    const showsSomething = highlight !== null && highlight.highlight !== 'none';
    this.marked = nextMarkedStep(this.marked, index, showsSomething);
    this.stepRows.forEach((row, i) => markStep(row, i === this.marked));
    const shown = this.marked >= 0 ? highlight : null;
    this.chartRows.forEach((row) => row.setHighlight(shown));
    this.sightOfMark.disconnect();
    this.markedInSight = true;
    if (this.marked >= 0) {
      this.sightOfMark.observe(this.stepRows[this.marked]);
      this.revealCircle();
    }
    this.showBackButton();
  }

  // The circle into sight: in the right pane only, or down the one column.
  private revealCircle(): void {
    const circle = this.chartRows.find((row) => row.kind === 'unitCircle')?.element;
    const scroller = this.twoPanes ? this.chartsPane : this.element.closest<HTMLElement>('.page');
    if (!circle || !scroller) return;
    const by = scrollToContain(scroller.getBoundingClientRect(), circle.getBoundingClientRect());
    if (by !== 0) scroller.scrollBy({ top: by, behavior: reducedMotion() ? 'auto' : 'smooth' });
  }

  private showBackButton(): void {
    const title = this.solution?.steps[this.marked]?.title ?? '';
    this.backButton.hidden = this.twoPanes || this.marked < 0 || this.markedInSight;
    this.backButton.textContent = tr('SolutionView', 'backToStep').replaceAll('%1', String(stepNumber(title, this.marked)));
  }

  private scrollBackToMark(): void {
    const row = this.stepRows[this.marked];
    const page = this.element.closest<HTMLElement>('.page');
    if (!row || !page) return;
    const view = page.getBoundingClientRect();
    const box = row.getBoundingClientRect();
    page.scrollBy({ top: box.top - view.top - (view.height - box.height) / 2, behavior: reducedMotion() ? 'auto' : 'smooth' });
    row.querySelector<HTMLElement>('.step-toggle')?.focus({ preventScroll: true });
  }
}
