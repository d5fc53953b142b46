import type { TrigonometricChartData, UnitCircleChartData } from '../core/solution';
import type { UnitCircleCore } from '../core/unitCircleCore';

// The core's chart calls, typed. The core decides every number, text, colour and step link;
// the views here only place them on the screen.

export interface CircleArc {
  turn: number;
  // Degrees from the positive x axis, counter-clockwise when positive.
  sweep: number;
  color: string;
}

// What the circle shows when nothing moves: the end of a run, or an angle set by hand.
export interface CircleState {
  alphaText: string;
  gammaText: string;
  fullCirclesText: string;
  pXText: string;
  pYText: string;
  arcs: CircleArc[];
  arrowDegrees: number;
  // 1 … 4 the quadrant numeral shown, -1 none.
  quadrant: number;
  pointX: number;
  pointY: number;
}

// One turn of a run, with the label texts of its 21 counting updates (k = 0 … 20).
export interface CircleTurn {
  index: number;
  isLast: boolean;
  // Nothing to draw: the run ends without this turn.
  isEmpty: boolean;
  fullCirclesText: string;
  arc: CircleArc;
  alphaTexts: string[];
  gammaTexts: string[];
  pXTexts: string[];
  pYTexts: string[];
}

// An angle set by hand (dragged or stepped), with its drawing.
export interface SetAngle extends CircleState {
  degrees: number;
  valueText: string; // "α = 135°"
  alphaInput: string; // "135", for the input page's α field
}

export interface AxisTick {
  value: number;
  label: string;
}

export interface Graph {
  chartTitle: string;
  seriesName: string;
  color: string;
  scatter: boolean;
  markerRadius: number;
  points: [number, number][];
  // The crosshair's texts of each point: ["x: 0.784", "sin(x): 0.706"].
  pointTexts: [string, string][];
  xMin: number;
  xMax: number;
  yMin: number;
  yMax: number;
  yTickInterval: number;
  // The major y ticks every yTickInterval from 0, labelled; four minor ones between two.
  yTicks: AxisTick[];
  yMinorTicks: number[];
  xTicks: AxisTick[];
}

export type StepHighlightName =
  | 'none' | 'arc' | 'fullTurns' | 'reducedAngle' | 'sine' | 'cosine' | 'tangent' | 'quadrant';

export type CircleLabelPart = 'alpha' | 'gamma' | 'n' | 'x' | 'y' | 'quadrant';

// What a tapped step shows on the circle: 1 stressed, -1 faded, 0 as usual (no highlight).
export interface StepHighlight {
  highlight: StepHighlightName;
  parts: Record<CircleLabelPart, number>;
  // Every arc but the last is a full circle.
  fullTurnArcs: number;
  lastArc: number;
}

const circleArgs = (data: UnitCircleChartData) => ({
  alpha: data.alpha, b: data.b, angle: data.angle, fullCircles: data.fullCircles, quadrant: data.quadrant,
});

export class ChartCalls {
  constructor(private readonly core: UnitCircleCore) {}

  // Turn `turn` of the run; null past the last one or for data that cannot be drawn.
  circleTurn(data: UnitCircleChartData, turn: number): Promise<CircleTurn | null> {
    return this.core.call('circleTurn', { ...circleArgs(data), turn });
  }

  circleFinal(data: UnitCircleChartData): Promise<CircleState | null> {
    return this.core.call('circleFinal', circleArgs(data));
  }

  // Where a drag starts: the angle on screen, in any number of degrees.
  angleStart(shownDegrees: number): Promise<SetAngle> {
    return this.core.call('angleStart', { shown: shownDegrees });
  }

  // A pointer at (dx, dy) from the centre, y upwards; null at the centre itself.
  angleDrag(dx: number, dy: number, fine: boolean): Promise<SetAngle | null> {
    return this.core.call('angleDrag', { dx, dy, fine });
  }

  // One step counter-clockwise (+1) or clockwise (-1) from an angle.
  angleStep(degrees: number, direction: number, fine: boolean): Promise<SetAngle> {
    return this.core.call('angleStep', { degrees, direction, fine });
  }

  // null where the graph would be a solid band (or cannot be made).
  graph(data: TrigonometricChartData): Promise<Graph | null> {
    return this.core.call('graph', {
      lengthOfGraph: data.lengthOfGraph, offset: data.offset, periodLength: data.periodLength,
      amplitude: data.amplitude, type: data.type,
    });
  }

  // The ticks whose labels fit an axis `width` wide, given each label's measured width.
  readableTicks(ticks: AxisTick[], min: number, max: number, width: number, labelWidths: Record<string, number>): Promise<AxisTick[]> {
    return this.core.call('readableTicks', { ticks, min, max, width, labelWidths });
  }

  stepHighlights(latex: string[]): Promise<StepHighlight[]> {
    return this.core.call('stepHighlights', { latex });
  }
}
