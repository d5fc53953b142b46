import type { Calculation } from '../store/calcStore';
import { tr } from '../i18n/texts';
import { h } from '../shell/dom';
import { icon } from '../shell/icons';
import { mathLabel } from '../math/mathLabel';

// One stored calculation: its summary formula opens it, the bin deletes it.
export function historyTableViewCell(calculation: Calculation, actions: { open(): void; remove(): void }): HTMLElement {
  const summary = calculation.latexString
    ? mathLabel(calculation.latexString, 'math history-formula')
    : h('span', {}, tr('HistoryView', 'Incomplete entry'));
  const label = Object.entries(calculation.inputParameters).map(([k, v]) => `${k} = ${v}`).join(', ');
  return h(
    'li',
    { class: 'history-row' },
    h('button', { type: 'button', class: 'history-open', 'aria-label': label || tr('HistoryView', 'Incomplete entry'), onclick: () => actions.open() }, summary),
    h('button', { type: 'button', class: 'tool-button history-delete', 'aria-label': `${tr('HistoryView', 'Delete')}: ${label}`, onclick: () => actions.remove() }, icon('delete')),
  );
}
