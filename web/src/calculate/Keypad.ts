import { h } from '../shell/dom';
import { icon } from '../shell/icons';
import { tr } from '../i18n/texts';
import { gridAreas, keypadKeys } from './keypadLayout';
import type { Box } from '../shell/Toast';

export interface KeypadActions {
  keyTapped(title: string): void;
  deleteTapped(): void;
  calculateTapped(): void;
}

// The on-screen keypad. Its keys never take the focus from the field being edited, so the
// caret stays where the learner put it.
export function keypad(actions: KeypadActions): HTMLElement {
  const grid = h('div', { class: 'keypad', role: 'group', 'aria-label': tr('CalculateView', 'Input') });
  for (const key of keypadKeys) {
    const areas = gridAreas(key);
    const button = h('button', {
      type: 'button',
      id: key.id,
      class: `key ${key.kind}`,
      style: `--tall:${areas.tall};--wide:${areas.wide}`,
    });
    if (key.kind === 'delete') {
      button.setAttribute('aria-label', tr('CalculateView', 'Delete'));
      button.append(icon('backspace'));
    } else if (key.kind === 'calculate') {
      button.setAttribute('aria-label', tr('CalculateView', 'Calculate'));
      button.append(icon('check'));
    } else {
      button.textContent = key.title === '-' ? '−' : key.title;
      if (key.title === '-') button.setAttribute('aria-label', '-');
    }
    button.addEventListener('mousedown', (event) => event.preventDefault());
    button.addEventListener('click', () => {
      if (key.kind === 'delete') actions.deleteTapped();
      else if (key.kind === 'calculate') actions.calculateTapped();
      else actions.keyTapped(key.title);
    });
    grid.append(button);
  }
  return grid;
}

// Where the keys are, from the first row to the last (the keypad's own box may reach higher,
// where the keys sit at its foot).
export function keysBox(keypad: HTMLElement): Box {
  const whole = keypad.getBoundingClientRect();
  const first = keypad.firstElementChild?.getBoundingClientRect() ?? whole;
  const last = keypad.lastElementChild?.getBoundingClientRect() ?? whole;
  return { top: first.top, bottom: last.bottom, left: whole.left, right: whole.right };
}
