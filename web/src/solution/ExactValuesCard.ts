import type { CardLine, ExactValuesCard } from '../core/solution';
import { h } from '../shell/dom';
import { mathLabel } from '../math/mathLabel';
import { scrollsSideways } from '../shell/sideScroll';

// A wide join (\quad) keeps its width where the parts share a row; the others are a space.
const joinClass = (join: string | undefined) => (join?.includes('\\quad') ? 'math exact-part wide' : 'math exact-part');

// One line of the core's card: its parts side by side, wrapping between parts (never inside
// one) where the card is too narrow, as the app's card does; a part still too wide scrolls.
function cardLine(line: CardLine): HTMLElement {
  const parts = line.parts.map((part, i) => mathLabel(part, i === 0 ? 'math exact-part' : joinClass(line.joins[i - 1])));
  parts.forEach(scrollsSideways);
  return h('div', { class: 'exact-line' }, ...parts);
}

export function exactValuesCard(card: ExactValuesCard): HTMLElement {
  return h(
    'section',
    { class: 'exact-card', 'aria-labelledby': 'exact-card-title' },
    // Where the focus goes when a result shows at the top of one column.
    h('h2', { id: 'exact-card-title', tabindex: -1 }, card.title),
    ...card.lines.map(cardLine),
  );
}
