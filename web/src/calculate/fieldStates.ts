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

// How an error is shown: the core's localised message, "oppositionError" as an alert and
// everything else as the bottom message. `unreadable` stands in where the core's answer could
// not be read, so it brought no message.
export function errorPresentation(error: InputError, unreadable: string): Presentation {
  if (error.key === '') return null;
  const message = error.message ?? unreadable;
  return { kind: error.key === 'oppositionError' ? 'alert' : 'toast', message };
}
