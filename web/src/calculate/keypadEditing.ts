// A field's text with its caret after a keypad edit, as the app's keypad edits it.
export interface EditedText {
  text: string;
  caret: number;
}

// Positions count characters as the field does (UTF-16 units; every key is one unit).
function clampedRange(text: string, start: number, end: number): [number, number] {
  const clamp = (n: number) => Math.min(Math.max(n, 0), text.length);
  const [a, b] = [clamp(start), clamp(end)];
  return a <= b ? [a, b] : [b, a];
}

// A key typed over the selection. "-" toggles the sign of the whole text: it removes every
// "-" or puts one in front; the caret moves one place either way.
export function insertKey(text: string, selectionStart: number, selectionEnd: number, key: string): EditedText {
  const [p, end] = clampedRange(text, selectionStart, selectionEnd);
  let result = text.slice(0, p) + text.slice(end);
  let moved = 1;
  if (key === '-') {
    if (result.includes('-')) {
      result = result.replaceAll('-', '');
      moved = -1;
    } else {
      result = '-' + result;
    }
  } else {
    result = result.slice(0, p) + key + result.slice(p);
  }
  return { text: result, caret: Math.min(Math.max(p + moved, 0), result.length) };
}

// Removes the selection, or the one character before the caret; nothing at position 0.
export function deleteBackward(text: string, selectionStart: number, selectionEnd: number): EditedText {
  const [start, end] = clampedRange(text, selectionStart, selectionEnd);
  if (start === 0 && end === 0) return { text, caret: 0 };
  if (start !== end) return { text: text.slice(0, start) + text.slice(end), caret: start };
  return { text: text.slice(0, start - 1) + text.slice(start), caret: start - 1 };
}

// What a physical key types: the keypad's titles, "p" for π and "," for the decimal point.
export function keypadKeyFor(typed: string): string | null {
  if (typed === 'p' || typed === 'P') return 'π';
  if (typed === ',') return '.';
  return /^[0-9./\-()eπ]$/.test(typed) ? typed : null;
}

// The keys a pasted text stands for, read as if typed (the keypad's own "−" is its minus):
// blanks around it are dropped; null when a character in it has no key.
export function pastedKeys(text: string): string[] | null {
  const keys = [...text.trim()].map((character) => keypadKeyFor(character === '\u2212' ? '-' : character));
  return keys.every((key) => key !== null) ? (keys as string[]) : null;
}

// Keys typed one after the other, the first over the selection.
export function insertKeys(text: string, selectionStart: number, selectionEnd: number, keys: string[]): EditedText {
  return keys.reduce(
    (edited, key, i) => insertKey(edited.text, edited.caret, i === 0 ? selectionEnd : edited.caret, key),
    { text, caret: selectionStart },
  );
}
