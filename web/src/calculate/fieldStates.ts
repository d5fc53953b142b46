import type { FieldName, InputError } from '../core/solution';

// The input validation of the calculate page (the app's ErrorManager): which field takes
// input, how a field is bordered after an error, and what message the learner reads.

export type Border = 'normal' | 'orange' | 'red';
export type FieldTexts = Record<FieldName, string>;

// Once the required number of fields hold text, the empty ones are disabled.
export function enabledFields(texts: FieldTexts, required = 1): Record<FieldName, boolean> {
  const enabled = { alpha: true, b: true };
  if (required < 1) return enabled;
  const names = Object.keys(texts) as FieldName[];
  const filled = names.filter((name) => texts[name] !== '').length;
  if (filled >= required) for (const name of names) if (texts[name] === '') enabled[name] = false;
  return enabled;
}

// Missing input is a warning (orange); anything else typed wrong is an error (red).
export function errorBorder(key: string): Border {
  return key === 'notEnoughInputValues' ? 'orange' : 'red';
}

export function errorBorders(error: InputError): Record<FieldName, Border> {
  const borders: Record<FieldName, Border> = { alpha: 'normal', b: 'normal' };
  for (const field of error.fields) borders[field] = errorBorder(error.key);
  return borders;
}

export type Presentation = { kind: 'alert' | 'toast'; message: string } | null;

const argumentCounts: Record<string, number> = {
  mustBeBiggerThanXAndLessThanY: 2,
  mustBeGreatherThanX: 1,
  mustBeLessThanX: 1,
};

// How an error is shown. The core's localised message comes first; for a core that gives
// only the key, the key ("key§arg§arg") is looked up in the app's texts. "oppositionError"
// is an alert, everything else the bottom message; a key with the wrong number of
// arguments shows nothing.
export function errorPresentation(error: InputError, lookup: (key: string) => string): Presentation {
  const pieces = error.key.split('§').filter((piece) => piece !== '');
  if (pieces.length === 0) return null;
  const [key, ...args] = pieces;
  if (key === 'oppositionError') return { kind: 'alert', message: error.message ?? lookup(key) };
  const expected = argumentCounts[key];
  if (expected !== undefined && args.length !== expected) return null;
  if (error.message) return { kind: 'toast', message: error.message };
  let message = lookup(key);
  if (args[0] !== undefined) message = message.replaceAll('%0', args[0]);
  if (args[1] !== undefined) message = message.replaceAll('%1', args[1]);
  return { kind: 'toast', message };
}
