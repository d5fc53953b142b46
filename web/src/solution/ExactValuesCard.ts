import type { CardLine, ExactValuesCard } from '../core/solution';
import { h } from '../shell/dom';
import { mathLabel } from '../math/mathLabel';

// A wide join (\quad) keeps its width where the parts share a row; the others are a space.
const joinClass = (join: string | undefined) => (join?.includes('\\quad') ? 'math exact-part wide' : 'math exact-part');

// One line of the core's card: its parts side by side, wrapping between parts (never inside
// one) where the card is too narrow, as the app's card does.
function cardLine(line: CardLine): HTMLElement {
  return h(
    'div',
    { class: 'exact-line' },
    ...line.parts.map((part, i) => mathLabel(part, i === 0 ? 'math exact-part' : joinClass(line.joins[i - 1]))),
  );
}

export function exactValuesCard(card: ExactValuesCard): HTMLElement {
  return h(
    'section',
    { class: 'exact-card', 'aria-labelledby': 'exact-card-title' },
    h('h2', { id: 'exact-card-title' }, card.title),
    ...card.lines.map(cardLine),
  );
}
