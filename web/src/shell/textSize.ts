import { fill, tr } from '../i18n/texts';

// The tutor's own text size, as in the app: from 100 % to 200 % in steps of 25 %, on top of the
// browser's text size and zoom (every size in the style sheets is in rem). Kept across visits.

export const smallestPercent = 100;
export const largestPercent = 200;
const stepPercent = 25;
const storageKey = 'textScalePercent';
// Sent on the window after each change, for layouts that measure their text.
export const textSizeChanged = 'textsizechange';

export type TextSizeChange = 'enlarge' | 'reduce' | 'reset';

export function nextPercent(percent: number, change: TextSizeChange): number {
  if (change === 'reset') return smallestPercent;
  const next = percent + (change === 'enlarge' ? stepPercent : -stepPercent);
  return Math.min(largestPercent, Math.max(smallestPercent, next));
}

// What the keyboard asks for: Ctrl (or ⌘) with +, = (the + key without Shift), - or 0.
export function textSizeChangeOf(event: KeyboardEvent): TextSizeChange | null {
  if (!(event.ctrlKey || event.metaKey) || event.altKey) return null;
  if (event.key === '+' || event.key === '=') return 'enlarge';
  if (event.key === '-' || event.key === '_') return 'reduce';
  if (event.key === '0') return 'reset';
  return null;
}

// A stored value from another version, or storage that is refused, reads as 100 %.
export function storedPercent(stored: string | null): number {
  const percent = Number(stored);
  if (!Number.isInteger(percent) || percent < smallestPercent || percent > largestPercent) return smallestPercent;
  return smallestPercent + Math.round((percent - smallestPercent) / stepPercent) * stepPercent;
}

function apply(percent: number): void {
  document.documentElement.style.fontSize = percent === smallestPercent ? '' : `${percent}%`;
  window.dispatchEvent(new Event(textSizeChanged));
}

// Applies the kept size at once, then follows the keys; says each new size, also at either end.
export function followTextSizeKeys(say: (message: string) => void): void {
  let percent = smallestPercent;
  try {
    percent = storedPercent(localStorage.getItem(storageKey));
  } catch {
    // Storage refused: the size lasts for this visit.
  }
  apply(percent);
  window.addEventListener('keydown', (event) => {
    const change = textSizeChangeOf(event);
    if (!change) return;
    event.preventDefault();
    percent = nextPercent(percent, change);
    apply(percent);
    try {
      localStorage.setItem(storageKey, String(percent));
    } catch {
      // As above.
    }
    say(fill(tr('TextScale', 'textSize'), percent));
  });
}
