import { h } from './dom';

export interface AlertAction {
  title: string;
  role: 'default' | 'cancel';
  run?: () => void;
}

// An alert with a title, a message and its buttons, as a modal dialog; Escape cancels.
export function showAlert(title: string, message: string, actions: AlertAction[]): HTMLDialogElement {
  const dialog = h(
    'dialog',
    { class: 'alert', 'aria-labelledby': 'alert-title', 'aria-describedby': 'alert-message' },
    h('h2', { id: 'alert-title' }, title),
    h('p', { id: 'alert-message' }, message),
  );
  const buttons = h('div', { class: 'alert-buttons' });
  for (const action of actions) {
    buttons.append(
      h('button', {
        type: 'button',
        class: action.role,
        onclick: () => {
          dialog.close();
          action.run?.();
        },
      }, action.title),
    );
  }
  dialog.append(buttons);
  dialog.addEventListener('close', () => dialog.remove());
  document.body.append(dialog);
  dialog.showModal();
  return dialog;
}
