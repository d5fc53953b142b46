import type { Calculation } from '../store/calcStore';
import { tr } from '../i18n/texts';
import { h } from '../shell/dom';
import { icon } from '../shell/icons';
import { mathLabel } from '../math/mathLabel';
import { swipeToDelete } from './swipeToDelete';
import { dragToReorder } from './dragToReorder';

export interface HistoryRowActions {
  open(): void;
  remove(): void;
  // In edit mode, for a stored row: its handle moves it to this index among the other rows.
  move?(index: number): void;
}

// One stored calculation: its summary formula opens it, the bin or a push to the left deletes it;
// in edit mode a handle moves it.
export function historyTableViewCell(calculation: Calculation, actions: HistoryRowActions): HTMLElement {
  const summary = calculation.latexString
    ? mathLabel(calculation.latexString, 'math history-formula')
    : h('span', {}, tr('HistoryView', 'Incomplete entry'));
  const label = Object.entries(calculation.inputParameters).map(([k, v]) => `${k} = ${v}`).join(', ');
  const row = h(
    'li',
    { class: 'history-row', 'data-id': String(calculation.id ?? '') },
    h('button', { type: 'button', class: 'history-open', 'aria-label': label || tr('HistoryView', 'Incomplete entry'), onclick: () => actions.open() }, summary),
    h('button', { type: 'button', class: 'tool-button history-delete', 'aria-label': `${tr('HistoryView', 'Delete')}: ${label}`, onclick: () => actions.remove() }, icon('delete')),
  );
  swipeToDelete(row, () => actions.remove());
  const move = actions.move;
  if (move) {
    const handle = h('button', { type: 'button', class: 'tool-button history-handle', 'aria-label': `${tr('HistoryView', 'Move')}: ${label}` }, icon('dragHandle'));
    row.append(handle);
    dragToReorder(row, handle, move);
  }
  return row;
}
