import type { CalcStore, Calculation } from '../store/calcStore';
import { tr } from '../i18n/texts';
import { h } from '../shell/dom';
import { icon } from '../shell/icons';
import { showAlert } from '../shell/AlertDialog';
import type { ToastAction } from '../shell/Toast';
import { keepTitleWhole } from '../shell/AppToolbar';
import { historyTableViewCell } from './HistoryTableViewCell';
import { loadMath } from '../math/mathLabel';
import './history.css';

export interface HistoryActions {
  // Opens the entry on a fresh input page.
  reopen(calculation: Calculation): void;
  close(): void;
  // A message with a button, which outlives the history page.
  notify(message: string, action: ToastAction): void;
}

// The stored calculations, newest first: tap one to load it again, delete one, or clear all
// after a question. Other tabs' changes show when they are made, where tabs can message each
// other, and in any case when this tab comes back into view.
export class HistoryViewController {
  readonly element: HTMLElement;
  private readonly list = h('ul', { class: 'history-list' });
  private readonly stopListening: () => void;
  // Only the latest reload draws: an earlier one that answers late would bring back old rows.
  private reloads = 0;
  // What the list shows: unchanged, it is not drawn again, so the focus stays on its row.
  private drawn = '';
  // Edit mode: every stored row has a handle that moves it.
  private editing = false;
  private readonly editButton: HTMLButtonElement;
  private readonly becameVisible = () => {
    if (document.visibilityState === 'visible') void this.reload();
  };
  // Escape closes it, as its back button does; in its question it answers the question only.
  private readonly escapePressed = (event: KeyboardEvent) => {
    if (event.key === 'Escape' && !event.defaultPrevented && !(event.target as Element | null)?.closest?.('dialog')) {
      this.actions.close();
    }
  };

  constructor(private readonly store: CalcStore, private readonly actions: HistoryActions) {
    const texts = (key: string) => tr('HistoryView', key);
    const title = h('h1', { id: 'history-title' }, texts('History'));
    const toolbar = h('header', { class: 'toolbar' },
      h('button', { type: 'button', class: 'tool-button', id: 'historyBackButton', 'aria-label': tr('SideMenu', 'Calculate Title'), onclick: () => actions.close() }, icon('back')),
      title,
      this.editButton = h('button', { type: 'button', class: 'tool-button', id: 'historyEditButton', 'aria-label': texts('Edit'), 'aria-pressed': 'false', onclick: () => void this.toggleEditing() }, icon('edit')),
      h('button', { type: 'button', class: 'tool-button', id: 'historyClearButton', 'aria-label': texts('Clear History'), onclick: () => this.handleClearAllButton() }, icon('clear')));
    keepTitleWhole(toolbar, title);
    this.element = h(
      'div',
      { class: 'history-page', role: 'dialog', 'aria-modal': 'true', 'aria-labelledby': 'history-title' },
      toolbar,
      h('main', { class: 'history-content' }, this.list),
    );
    document.addEventListener('visibilitychange', this.becameVisible);
    document.addEventListener('keydown', this.escapePressed);
    window.addEventListener('focus', this.becameVisible);
    const stopFollowing = store.onOtherTabChange(() => void this.reload());
    this.stopListening = () => {
      document.removeEventListener('visibilitychange', this.becameVisible);
      document.removeEventListener('keydown', this.escapePressed);
      window.removeEventListener('focus', this.becameVisible);
      stopFollowing();
    };
  }

  destroy(): void {
    this.stopListening();
    this.element.remove();
  }

  async reload(): Promise<void> {
    const reload = ++this.reloads;
    const [calculations] = await Promise.all([this.store.calculations(), loadMath()]);
    const drawn = JSON.stringify([this.editing, calculations]);
    if (reload !== this.reloads || (drawn === this.drawn && this.list.hasChildNodes())) return;
    this.drawn = drawn;
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
          // Only stored rows move: one kept in memory has no place in the store to move to.
          move: this.editing && calculation.id !== undefined
            ? (index) => void this.move(calculation, calculations, index)
            : undefined,
        }),
      ),
    );
  }

  private async toggleEditing(): Promise<void> {
    this.editing = !this.editing;
    this.editButton.setAttribute('aria-pressed', String(this.editing));
    this.list.classList.toggle('editing', this.editing);
    await this.reload();
  }

  // To `index` among the other rows as shown; the focus stays on its handle.
  private async move(calculation: Calculation, shown: Calculation[], index: number): Promise<void> {
    const others = shown.filter((row) => row !== calculation);
    if (!(await this.store.moveCalculation(calculation, others[index - 1], others[index]))) return;
    await this.reload();
    this.list.querySelector<HTMLElement>(`.history-row[data-id="${calculation.id}"] .history-handle`)?.focus();
  }

  // Deleted at once; "Undo" in the message puts it back where it was.
  private async remove(calculation: Calculation): Promise<void> {
    const removed = await this.store.removeCalculation(calculation);
    await this.reload();
    if (!removed) return;
    this.actions.notify(tr('HistoryView', 'Calculation deleted'), {
      title: tr('HistoryView', 'Undo'),
      run: () => void this.store.restoreCalculation(calculation).then(() => this.reload()),
    });
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
