import type { CoreFailureReason } from './coreBridge';

// The core's answer to one calculation, typed. The core decides everything in it; the views
// only show it.

export type Language = 'en' | 'de';
export type FieldName = 'alpha' | 'b';

export interface SolutionStep {
  title: string;
  latexString?: string;
  // The formula as it is drawn (stretchy brackets, no ".0" on whole numbers, ...).
  displayLatex?: string;
  messageString?: string;
}

// One line of the exact values card, in the parts a narrow card breaks it into; joins[i]
// stands between parts i and i + 1 when they share a row.
export interface CardLine {
  parts: string[];
  joins: string[];
}

export interface ExactValuesCard {
  title: string;
  lines: CardLine[];
}

export interface InputError {
  key: string;
  fields: FieldName[];
  // Localised by the core; null only when its answer could not be read.
  message: string | null;
}

// The chart rows under the steps, as the core hands them over: the unit circle's data and the
// sine and cosine graphs' (what they draw comes from the core's chart calls).
export interface UnitCircleChartData {
  kind: 'unitCircle';
  frameRatio: number;
  alpha: number | null;
  b: number | null;
  angle: number | null;
  fullCircles: number | null;
  quadrant: string | null;
}

export interface TrigonometricChartData {
  kind: 'trigonometric';
  frameRatio: number;
  lengthOfGraph: number | null;
  offset: number;
  periodLength: number;
  amplitude: number;
  type: 'sin' | 'cos' | 'tan' | null;
}

export type ChartData = UnitCircleChartData | TrigonometricChartData;

export interface Solution {
  steps: SolutionStep[];
  // One list per chart row, in order: the unit circle, the sine graph, the cosine graph.
  chartSteps: ChartData[][];
  card: ExactValuesCard | null;
  // What "did you mean" would type into b ("3π/4"), or null.
  hint: string | null;
  // The one-line summary a history row shows.
  summaryLatex: string;
}

// What the core answered to a calculation.
export type SolveAnswer = { ok: true; solution: Solution } | { ok: false; error: InputError };

// The answer, or why there is none (the core failed, ran out of time, or was given up on).
export type SolveOutcome = SolveAnswer | { ok: false; failure: CoreFailureReason };

type Json = Record<string, unknown>;

const isObject = (value: unknown): value is Json =>
  typeof value === 'object' && value !== null && !Array.isArray(value);
const text = (value: unknown): string | null => (typeof value === 'string' ? value : null);
const texts = (value: unknown): string[] =>
  Array.isArray(value) ? value.filter((item): item is string => typeof item === 'string') : [];

function steps(value: unknown): SolutionStep[] {
  if (!Array.isArray(value)) return [];
  return value.filter(isObject).map((step) => ({
    title: text(step.title) ?? '',
    ...(text(step.latexString) !== null ? { latexString: text(step.latexString)! } : {}),
    ...(text(step.displayLatex) !== null ? { displayLatex: text(step.displayLatex)! } : {}),
    ...(text(step.messageString) !== null ? { messageString: text(step.messageString)! } : {}),
  }));
}

function card(value: unknown): ExactValuesCard | null {
  if (!isObject(value) || !Array.isArray(value.lines)) return null;
  const lines = value.lines
    .filter(isObject)
    .map((line) => ({ parts: texts(line.parts), joins: texts(line.joins) }))
    .filter((line) => line.parts.length > 0);
  return lines.length > 0 ? { title: text(value.title) ?? '', lines } : null;
}

const num = (value: unknown): number | null => (typeof value === 'number' && Number.isFinite(value) ? value : null);

function chartData(value: unknown): ChartData | null {
  if (!isObject(value)) return null;
  const frameRatio = num(value.frameRatio) ?? 1;
  if (value.kind === 'unitCircle') {
    return {
      kind: 'unitCircle', frameRatio, alpha: num(value.alpha), b: num(value.b), angle: num(value.angle),
      fullCircles: num(value.fullCircles), quadrant: text(value.quadrant),
    };
  }
  if (value.kind === 'trigonometric') {
    const type = value.type === 'sin' || value.type === 'cos' || value.type === 'tan' ? value.type : null;
    return {
      kind: 'trigonometric', frameRatio, lengthOfGraph: num(value.lengthOfGraph), offset: num(value.offset) ?? 0,
      periodLength: num(value.periodLength) ?? 2 * Math.PI, amplitude: num(value.amplitude) ?? 1, type,
    };
  }
  return null;
}

function chartSteps(value: unknown): ChartData[][] {
  if (!Array.isArray(value)) return [];
  return value
    .filter(Array.isArray)
    .map((step: unknown[]) => step.map(chartData).filter((data): data is ChartData => data !== null));
}

const unreadable: SolveAnswer = {
  ok: false,
  error: { key: 'inputParameterError', fields: ['alpha', 'b'], message: null },
};

// Reads the JSON text the core answers. Anything unreadable counts as an input error, so a
// broken answer never breaks a page.
export function readSolveAnswer(answer: string): SolveAnswer {
  let data: unknown;
  try {
    data = JSON.parse(answer);
  } catch {
    return unreadable;
  }
  if (!isObject(data)) return unreadable;
  if (isObject(data.error)) {
    const fields = Array.isArray(data.error.fields)
      ? data.error.fields.filter((f): f is FieldName => f === 'alpha' || f === 'b')
      : [];
    return {
      ok: false,
      error: {
        key: text(data.error.key) ?? 'inputParameterError',
        fields,
        message: text(data.error.message),
      },
    };
  }
  const solutionSteps = steps(data.steps);
  if (solutionSteps.length === 0) return unreadable;
  const hint = text(data.hint) ?? text(data.piHint) ?? (isObject(data.exact) ? text(data.exact.hint) : null);
  return {
    ok: true,
    solution: {
      steps: solutionSteps,
      chartSteps: chartSteps(data.chartSteps),
      card: card(data.card),
      hint,
      summaryLatex: text(data.summaryLatex) ?? text(data.latexString) ?? solutionSteps[0].latexString ?? '',
    },
  };
}
