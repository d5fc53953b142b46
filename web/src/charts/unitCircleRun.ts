import type { UnitCircleChartData } from '../core/solution';
import type { ChartCalls, CircleArc, CircleState, CircleTurn, StepHighlight } from './chartCalls';

// What the unit circle shows at a moment, and when its parts are to move. The run plays the
// core's turns on a clock; the view draws the scene and starts the animations it asks for.

export type CircleCalls = Pick<ChartCalls, 'circleTurn' | 'circleFinal'>;

export interface CircleLabels {
  alpha: string;
  gamma: string;
  n: string;
  x: string;
  y: string;
}

export interface SceneArc extends CircleArc {
  // Grows from nothing over one turn; the arcs before it are drawn whole.
  growing: boolean;
}

export interface CircleScene {
  labels: CircleLabels;
  // Oldest first, at most two: a full circle hides every arc under it.
  arcs: SceneArc[];
  // Where the arrow turns to, counter-clockwise in degrees; turning from 0 over one turn when
  // animated. `arrowRun` counts the turns, so that an equal angle still turns again.
  arrowDegrees: number;
  arrowAnimated: boolean;
  arrowRun: number;
  // 0 every numeral (before the first run), -1 none, 1 … 4 only that one; fading over fadeMs.
  quadrant: number;
  quadrantFadeMs: number;
  projectionsVisible: boolean;
  projectionsAnimated: boolean;
  pointX: number;
  pointY: number;
  running: boolean;
}

export type SceneChange = 'labels' | 'arcs' | 'arrow' | 'quadrant' | 'projections' | 'running';

export const countingSteps = 20;
export const quadrantFadeOutMs = 500;
export const quadrantFadeInMs = 1000;

const emptyLabels: CircleLabels = { alpha: '', gamma: '', n: '', x: '', y: '' };

export function initialScene(): CircleScene {
  return {
    labels: { ...emptyLabels },
    arcs: [],
    arrowDegrees: 0,
    arrowAnimated: false,
    arrowRun: 0,
    quadrant: 0,
    quadrantFadeMs: 0,
    projectionsVisible: false,
    projectionsAnimated: false,
    pointX: 1,
    pointY: 0,
    running: false,
  };
}

export class UnitCircleRun {
  readonly scene = initialScene();
  // Bumped by whatever ends a run, so answers and timers of an older one are dropped.
  private generation = 0;
  private timer: ReturnType<typeof setTimeout> | undefined;

  constructor(
    private readonly calls: CircleCalls,
    private readonly data: UnitCircleChartData,
    private readonly changed: (what: SceneChange) => void,
    private readonly turnDuration = 1000,
  ) {}

  get running(): boolean {
    return this.scene.running;
  }

  // Plays the run once; ignored while one runs. Without motion, the final state at once.
  async start(reducedMotion = false): Promise<void> {
    if (this.scene.running) return;
    if (reducedMotion) {
      await this.showFinal(false);
      return;
    }
    const generation = ++this.generation;
    const first = this.calls.circleTurn(this.data, 0);
    // Where the run ends: the point and quadrant the core gives the solution. A failed answer
    // reads as none, also when the run never gets that far.
    const final = this.calls.circleFinal(this.data).catch(() => null);
    let turn: CircleTurn | null;
    try {
      turn = await first;
    } catch {
      return;
    }
    if (generation !== this.generation || !turn) return;
    this.setRunning(true);
    this.scene.arcs = [];
    this.changed('arcs');
    this.setProjections(false, false);
    this.setQuadrant(-1, quadrantFadeOutMs);
    this.playTurn(generation, turn, final);
  }

  private playTurn(generation: number, turn: CircleTurn, final: Promise<CircleState | null>): void {
    this.scene.labels.n = turn.fullCirclesText;
    this.changed('labels');
    if (turn.isEmpty) {
      void this.finish(generation, final);
      return;
    }
    // The next turn is asked for now, so that it is there when this one ends.
    const next = turn.isLast ? null : this.calls.circleTurn(this.data, turn.index + 1);
    next?.catch(() => undefined);
    this.showCount(turn, 0);
    this.addArc(turn.arc, true);
    this.scene.arrowDegrees = turn.arc.sweep;
    this.scene.arrowAnimated = true;
    this.scene.arrowRun++;
    this.changed('arrow');
    const startedAt = performance.now();
    const tick = (k: number) => {
      // Against the turn's start, so that late timers do not add up over many turns.
      const delay = Math.max(0, startedAt + (k * this.turnDuration) / countingSteps - performance.now());
      this.timer = setTimeout(() => {
        if (generation !== this.generation) return;
        this.showCount(turn, k);
        if (k < countingSteps) {
          tick(k + 1);
        } else if (!next) {
          void this.finish(generation, final);
        } else {
          next.then(
            (following) => {
              if (generation !== this.generation) return;
              if (following) this.playTurn(generation, following, final);
              else void this.finish(generation, final);
            },
            () => generation === this.generation && void this.finish(generation, final),
          );
        }
      }, delay);
    };
    tick(1);
  }

  private showCount(turn: CircleTurn, k: number): void {
    const labels = this.scene.labels;
    labels.alpha = turn.alphaTexts[k] ?? labels.alpha;
    labels.gamma = turn.gammaTexts[k] ?? labels.gamma;
    labels.x = turn.pXTexts[k] ?? labels.x;
    labels.y = turn.pYTexts[k] ?? labels.y;
    this.changed('labels');
  }

  private addArc(arc: CircleArc, growing: boolean): void {
    const kept = this.scene.arcs.slice(-1).map((a) => ({ ...a, growing: false }));
    this.scene.arcs = [...kept, { ...arc, growing }];
    this.changed('arcs');
  }

  private async finish(generation: number, final: Promise<CircleState | null>): Promise<void> {
    const state = await final;
    if (generation !== this.generation) return;
    if (state) {
      this.scene.pointX = state.pointX;
      this.scene.pointY = state.pointY;
      this.setQuadrant(state.quadrant, quadrantFadeInMs);
      this.setProjections(true, true);
    }
    this.setRunning(false);
  }

  // The end of the solution's run at once: after motion is turned off, or a set angle dropped
  // (then the numeral and the projections still come in, unless motion is off).
  // False when the core gave no final state, so that nothing could be drawn.
  async showFinal(animated: boolean): Promise<boolean> {
    const generation = this.stop();
    let state: CircleState | null;
    try {
      state = await this.calls.circleFinal(this.data);
    } catch {
      return false;
    }
    if (!state) return false;
    // Overtaken by a later run or angle: that one draws.
    if (generation !== this.generation) return true;
    this.showState(state, animated ? quadrantFadeInMs : 0, animated);
    return true;
  }

  // An angle set by hand, drawn whole at once; a run in progress ends.
  showSetAngle(state: CircleState): void {
    this.stop();
    this.showState(state, 0, false);
  }

  // Ends a run where it is; its late answers and timers no longer count.
  stop(): number {
    clearTimeout(this.timer);
    this.setRunning(false);
    return ++this.generation;
  }

  private showState(state: CircleState, quadrantFadeMs: number, animated: boolean): void {
    this.scene.labels = {
      alpha: state.alphaText, gamma: state.gammaText, n: state.fullCirclesText, x: state.pXText, y: state.pYText,
    };
    this.changed('labels');
    this.scene.arcs = state.arcs.map((arc) => ({ ...arc, growing: false }));
    this.changed('arcs');
    this.scene.arrowDegrees = state.arrowDegrees;
    this.scene.arrowAnimated = false;
    this.scene.arrowRun++;
    this.changed('arrow');
    this.scene.pointX = state.pointX;
    this.scene.pointY = state.pointY;
    this.setQuadrant(state.quadrant, quadrantFadeMs);
    this.setProjections(true, animated);
  }

  private setRunning(running: boolean): void {
    if (this.scene.running === running) return;
    this.scene.running = running;
    this.changed('running');
  }

  private setQuadrant(shown: number, fadeMs: number): void {
    this.scene.quadrant = shown;
    this.scene.quadrantFadeMs = fadeMs;
    this.changed('quadrant');
  }

  private setProjections(visible: boolean, animated: boolean): void {
    this.scene.projectionsVisible = visible;
    this.scene.projectionsAnimated = animated;
    this.changed('projections');
  }
}

// How a tapped step shows a part: stressed parts drawn wider and bold, faded ones see-through.
export interface PartStyle {
  width: number;
  opacity: number;
  bold: boolean;
  stressed: boolean;
}

// A faded part keeps a quarter of its ink on the page; a projected dark screen asks for more.
export function partStyle(stress: number, fadedOpacity = 0.25): PartStyle {
  return { width: stress > 0 ? 9 : 5, opacity: stress < 0 ? fadedOpacity : 1, bold: stress > 0, stressed: stress > 0 };
}

// An arc's stress: every arc but the last is a full circle.
export function arcStress(highlight: StepHighlight | null, index: number, count: number): number {
  if (!highlight || highlight.highlight === 'none') return 0;
  return index === count - 1 ? highlight.lastArc : highlight.fullTurnArcs;
}

export function labelStress(highlight: StepHighlight | null, part: keyof StepHighlight['parts']): number {
  if (!highlight || highlight.highlight === 'none') return 0;
  return highlight.parts[part] ?? 0;
}

// Answers may come back in any order: only the one asked for last counts.
export class LatestOnly {
  private asked = 0;

  // Resolves with the answer, or with undefined once a later request (or a drop) has superseded it.
  async take<T>(answer: Promise<T>): Promise<T | undefined> {
    const ticket = ++this.asked;
    const value = await answer;
    return ticket === this.asked ? value : undefined;
  }

  // Whatever is still on its way no longer counts.
  drop(): void {
    this.asked++;
  }
}
