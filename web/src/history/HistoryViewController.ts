import type { CalcStore, Calculation } from '../store/calcStore';
import { tr } from '../i18n/texts';
import { h } from '../shell/dom';
import { icon } from '../shell/icons';
import { showAlert } from '../shell/AlertDialog';
import { historyTableViewCell } from './HistoryTableViewCell';
import { loadMath } from '../math/mathLabel';

export interface HistoryActions {
  // Opens the entry on a fresh input page.
  reopen(calculation: Calculation): void;
  close(): void;
}

// The stored calculations, newest first: tap one to load it again, delete one, or clear all
// after a question.
export class HistoryViewController {
  readonly element: HTMLElement;
  private readonly list = h('ul', { class: 'history-list' });

  constructor(private readonly store: CalcStore, private readonly actions: HistoryActions) {
    const texts = (key: string) => tr('HistoryView', key);
    this.element = h(
      'div',
      { class: 'history-page', role: 'dialog', 'aria-modal': 'true', 'aria-labelledby': 'history-title' },
      h('header', { class: 'toolbar' },
        h('button', { type: 'button', class: 'tool-button', id: 'historyBackButton', 'aria-label': tr('SideMenu', 'Calculate Title'), onclick: () => actions.close() }, icon('back')),
        h('h1', { id: 'history-title' }, texts('History')),
        h('button', { type: 'button', class: 'tool-button', id: 'historyClearButton', 'aria-label': texts('Clear History'), onclick: () => this.handleClearAllButton() }, icon('clear'))),
      h('main', { class: 'history-content' }, this.list),
    );
  }

  async reload(): Promise<void> {
    const [calculations] = await Promise.all([this.store.calculations(), loadMath()]);
    if (calculations.length === 0) {
      this.list.replaceChildren(
        h('li', { class: 'history-empty' },
          h('h2', {}, tr('HistoryView', 'No calculations yet')),
          h('p', {}, tr('HistoryView', 'Every calculation you make is kept here. Tap one to load it again.'))),
      );
      return;
    }
    this.list.replaceChildren(
      ...calculations.map((calculation) =>
        historyTableViewCell(calculation, {
          open: () => this.actions.reopen(calculation),
          remove: () => void this.remove(calculation),
        }),
      ),
    );
  }

  private async remove(calculation: Calculation): Promise<void> {
    if (calculation.id === undefined) return;
    await this.store.removeCalculation(calculation.id);
    await this.reload();
  }

  handleClearAllButton(): void {
    const texts = (key: string) => tr('HistoryView', key);
    showAlert(texts('Clear History'), texts('Are you sure to delete your whole history?'), [
      { title: texts('Cancel'), role: 'cancel' },
      {
        title: texts('Clear'),
        role: 'default',
        run: () => void this.store.clearCalculations().then(() => this.reload()),
      },
    ]);
  }
}
