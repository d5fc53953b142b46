import type { UnitCircleCore } from '../core/unitCircleCore';
import { currentLanguage } from '../i18n/texts';

// The core's Explore calls (src/wasm/explore_api.cpp), typed. The core decides every angle,
// value, text and sample; the screen only places them.

export type TrigFunction = 'sin' | 'cos' | 'tan';
export type HalfAxis = 'positiveX' | 'positiveY' | 'negativeX' | 'negativeY';
export type Sign = -1 | 0 | 1;

export interface ShownValue {
  decimal: number | null;
  // Empty where undefined (tan at 90°).
  latex: string;
  exact: boolean;
}

// One of the angles in [0°, 360°) with the point's reference angle.
export interface SharedAngle {
  degrees: number;
  latex: string;
  sin: Sign;
  cos: Sign;
  tan: Sign | null;
  isPoint: boolean;
}

export interface ExplorePoint {
  // As followed, any number of turns.
  degrees: number;
  // The same place in [0°, 360°).
  positionDegrees: number;
  alphaLatex: string;
  radiansLatex: string;
  sin: ShownValue;
  cos: ShownValue;
  tan: ShownValue;
  pointX: number;
  pointY: number;
  referenceDegrees: number;
  referenceLatex: string;
  // 1 … 4, or -1 on an axis.
  quadrant: number;
  axis: HalfAxis | null;
  sharedAngles: SharedAngle[];
  valueText: string;
}

export interface InverseAngle {
  degrees: number;
  latex: string;
  exact: boolean;
  generalLatex: string;
  // Where it lies on the unit circle, (cos, sin), from the core.
  x: number;
  y: number;
}

export type InverseAnswer =
  | { angles: InverseAngle[]; period: 360 | 180 }
  | { errorKey: string };

export interface GraphTick {
  value: number;
  label: string;
}

export type GraphPoint = [number, number];

export interface ExploreGraph {
  function: TrigFunction;
  xMin: number;
  xMax: number;
  yMin: number;
  yMax: number;
  // The curve and its ticks; a move leaves them out while the turn shown stays the same.
  xTicks?: GraphTick[];
  yTicks?: GraphTick[];
  // Polylines: a tangent comes in pieces between its poles.
  curve?: GraphPoint[][];
  trail: GraphPoint[][];
  tracer: GraphPoint | null;
  color: string;
  lineY: number | null;
  crossings: { degrees: number; latex: string }[];
}

// One move of a drag: the point, the swept range grown to it and the graph.
export interface ExploreMove {
  degrees: number;
  sweptFrom: number;
  sweptTo: number;
  point: ExplorePoint;
  graph: ExploreGraph;
}

// A dragged value line's value, as a learner would type it.
export interface DraggedValue {
  typed: string;
  value: number;
  special: boolean;
  // How far the line may go either way.
  limit: number;
}

export type ValueEdit = 'keypad' | 'keyboard' | 'delete';

// A value as typed ("√3/2"), or a number (a dragged line).
export type InverseValue = { text: string } | { number: number };

const valueArgs = (value: InverseValue | null) =>
  value === null ? {} : 'text' in value ? { value: value.text } : { number: value.number };

export class ExploreCalls {
  constructor(private readonly core: UnitCircleCore) {}

  point(degrees: number): Promise<ExplorePoint> {
    // Its spoken text names "undefined" in the page's language.
    return this.core.call('explorePoint', { degrees, language: currentLanguage() });
  }

  // The angle a pointer at (dx, dy) from the centre (y upwards) points at, on the turn nearest
  // `previous`; null at the centre.
  follow(previous: number, dx: number, dy: number, snap: boolean): Promise<number | null> {
    return this.core.call('exploreFollow', { previous, dx, dy, snap });
  }

  // One arrow key: +1 counter-clockwise, -1 clockwise.
  step(degrees: number, direction: number, snap: boolean): Promise<number> {
    return this.core.call('exploreStep', { degrees, direction, snap });
  }

  inverse(fn: TrigFunction, value: InverseValue): Promise<InverseAnswer> {
    return this.core.call('exploreInverse', { function: fn, ...valueArgs(value) });
  }

  // A pointer move of a drag, all in one call; null when the point stays. curveFrom: the xMin of
  // the curve drawn (it comes again only for another turn).
  move(args: { previous: number; dx: number; dy: number; snap: boolean; fn: TrigFunction; sweptFrom: number; sweptTo: number; value: InverseValue | null; curveFrom: number | null }): Promise<ExploreMove | null> {
    const { fn, value, curveFrom, ...rest } = args;
    return this.core.call('exploreMove', {
      ...rest, function: fn, ...valueArgs(value), ...(curveFrom === null ? {} : { curveFrom }), language: currentLanguage(),
    });
  }

  // The value of the inverse question's line dragged to raw (y for sin, x for cos, the height
  // on x = 1 for tan), snapped to the special values when snap.
  dragValue(fn: TrigFunction, raw: number, snap: boolean): Promise<DraggedValue> {
    return this.core.call('exploreDragValue', { function: fn, raw, snap });
  }

  // The typed value after one key, by the practice answer's editing rules.
  type(value: string, how: ValueEdit, key = ''): Promise<string> {
    return this.core.call('exploreType', { value, how, key, decimalComma: currentLanguage() === 'de' });
  }

  graph(fn: TrigFunction, degrees: number, sweptFrom: number, sweptTo: number, value: InverseValue | null): Promise<ExploreGraph> {
    return this.core.call('exploreGraph', { function: fn, degrees, sweptFrom, sweptTo, ...valueArgs(value) });
  }
}
