import { h } from '../shell/dom';
import { icon } from '../shell/icons';
import { tr } from '../i18n/texts';

export interface PracticeKeypadActions {
  keyTapped(key: string): void;
  deleteTapped(): void;
  checkTapped(): void;
}

// [title, row, column, column span], as the app's practice keypad lays them out.
const keys: [string, number, number, number][] = [
  ['7', 0, 0, 1], ['8', 0, 1, 1], ['9', 0, 2, 1], ['(', 0, 3, 1], [')', 0, 4, 1],
  ['4', 1, 0, 1], ['5', 1, 1, 1], ['6', 1, 2, 1], ['√', 1, 3, 1], ['π', 1, 4, 1],
  ['1', 2, 0, 1], ['2', 2, 1, 1], ['3', 2, 2, 1], ['+', 2, 3, 1], ['-', 2, 4, 1],
  ['0', 3, 0, 1], ['.', 3, 1, 1], ['/', 3, 2, 1], ['°', 3, 3, 1], [';', 3, 4, 1],
  ['delete', 4, 0, 2], ['check', 4, 2, 3],
];

const spokenKeys: Record<string, string> = {
  '√': 'square root of', 'π': 'pi', '°': 'degrees', '/': 'over', '-': 'minus', '+': 'plus',
  '(': 'open bracket', ')': 'close bracket',
};

// Other screens typing with it name the group and the Check key for their own use.
export interface PracticeKeypadLabels {
  label?: string;
  checkLabel?: string;
}

// The answer's keypad: digits, brackets, √, π, °, ";" between solutions, Delete and Check.
export function practiceKeypad(actions: PracticeKeypadActions, labels: PracticeKeypadLabels = {}): HTMLElement {
  const grid = h('div', { class: 'practice-keypad', role: 'group', 'aria-label': labels.label ?? tr('PracticeView', 'Answer') });
  for (const [title, row, column, span] of keys) {
    const button = h('button', {
      type: 'button',
      class: `practice-key ${title === 'delete' || title === 'check' ? title : ''}`,
      'data-key': title,
      style: `grid-row:${row + 1};grid-column:${column + 1} / span ${span}`,
    });
    if (title === 'delete') {
      button.setAttribute('aria-label', tr('CalculateView', 'Delete'));
      button.append(icon('backspace'));
    } else if (title === 'check') {
      button.setAttribute('aria-label', labels.checkLabel ?? tr('PracticeView', 'Check'));
      button.append(icon('check'));
    } else {
      button.textContent = title === '-' ? '−' : title;
      if (spokenKeys[title]) button.setAttribute('aria-label', tr('PracticeView', spokenKeys[title]));
    }
    button.addEventListener('mousedown', (event) => event.preventDefault());
    button.addEventListener('click', () => {
      if (title === 'delete') actions.deleteTapped();
      else if (title === 'check') actions.checkTapped();
      else actions.keyTapped(title);
    });
    grid.append(button);
  }
  return grid;
}
