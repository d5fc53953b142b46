import type { ExactValues } from '../core/solution';
import { h } from '../shell/dom';
import { mathLabel } from '../math/mathLabel';

const upright = (word: string) => `\\text{${word}}`;

// The card's lines: the core's own when it writes them; otherwise the exact forms it gives
// (b, sin, cos, tan where the angle has them) and the quadrant.
export function exactValuesCardLines(exact: ExactValues, word: (key: string) => string): string[] {
  if (exact.lines.length > 0) return exact.lines;
  const lines: string[] = [];
  if (exact.b) lines.push(`b = ${exact.b}`);
  const functions = [
    ['\\sin\\alpha', exact.sin],
    ['\\cos\\alpha', exact.cos],
    ['\\tan\\alpha', exact.tan],
  ] as const;
  for (const [name, value] of functions) {
    if (value.latex) lines.push(`${name} = ${value.latex}`);
    else if (value.decimal === null) lines.push(`${name} \\quad ${upright(word('undefined'))}`);
  }
  if (exact.quadrant) lines.push(upright(`${word('quadrant')} ${exact.quadrant}`));
  return lines;
}

export function exactValuesCard(exact: ExactValues, word: (key: string) => string): HTMLElement {
  const lines = exactValuesCardLines(exact, word);
  return h(
    'section',
    { class: 'exact-card', 'aria-labelledby': 'exact-card-title' },
    h('h2', { id: 'exact-card-title' }, word('exactValues')),
    ...lines.map((line) => mathLabel(line, 'math exact-line')),
  );
}
