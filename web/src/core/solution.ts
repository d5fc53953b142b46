// The core's answer to one calculation, typed. The core decides everything in it; the views
// only show it.

export type Language = 'en' | 'de';
export type FieldName = 'alpha' | 'b';

export interface SolutionStep {
  title: string;
  latexString?: string;
  messageString?: string;
}

export interface ExactValue {
  latex: string | null;
  decimal: number | null;
}

export interface ExactValues {
  b: string | null;
  quadrant: string;
  sin: ExactValue;
  cos: ExactValue;
  tan: ExactValue;
  // The card's lines as LaTeX, when the core writes them.
  lines: string[];
}

export interface InputError {
  key: string;
  fields: FieldName[];
  // Localised by the core; absent from older cores, then the views look the key up.
  message: string | null;
}

export interface Solution {
  steps: SolutionStep[];
  exact: ExactValues | null;
  // What "did you mean" would type into b ("3π/4"), or null.
  hint: string | null;
  // The one-line summary a history row shows.
  summaryLatex: string;
}

export type SolveOutcome = { ok: true; solution: Solution } | { ok: false; error: InputError };

type Json = Record<string, unknown>;

const isObject = (value: unknown): value is Json =>
  typeof value === 'object' && value !== null && !Array.isArray(value);
const text = (value: unknown): string | null => (typeof value === 'string' ? value : null);
const number = (value: unknown): number | null =>
  typeof value === 'number' && Number.isFinite(value) ? value : null;

function exactValue(value: unknown): ExactValue {
  return isObject(value)
    ? { latex: text(value.latex), decimal: number(value.decimal) }
    : { latex: null, decimal: null };
}

function steps(value: unknown): SolutionStep[] {
  if (!Array.isArray(value)) return [];
  return value.filter(isObject).map((step) => ({
    title: text(step.title) ?? '',
    ...(text(step.latexString) !== null ? { latexString: text(step.latexString)! } : {}),
    ...(text(step.messageString) !== null ? { messageString: text(step.messageString)! } : {}),
  }));
}

function exact(value: unknown): ExactValues | null {
  if (!isObject(value)) return null;
  const lines = Array.isArray(value.lines) ? value.lines.filter((l) => typeof l === 'string') : [];
  return {
    b: text(value.b),
    quadrant: text(value.quadrant) ?? '',
    sin: exactValue(value.sin),
    cos: exactValue(value.cos),
    tan: exactValue(value.tan),
    lines: lines as string[],
  };
}

const unreadable: SolveOutcome = {
  ok: false,
  error: { key: 'inputParameterError', fields: ['alpha', 'b'], message: null },
};

// Reads the JSON text the core answers. Anything unreadable counts as an input error, so a
// broken answer never breaks a page.
export function readSolveAnswer(answer: string): SolveOutcome {
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
  const exactValues = exact(data.exact);
  const hint = text(data.hint) ?? text(data.piHint) ?? (isObject(data.exact) ? text(data.exact.hint) : null);
  return {
    ok: true,
    solution: {
      steps: solutionSteps,
      exact: exactValues,
      hint,
      summaryLatex: text(data.summaryLatex) ?? text(data.latexString) ?? solutionSteps[0].latexString ?? '',
    },
  };
}
