import { h } from './dom';
import { icon } from './icons';

// The toolbar over the pages: the history and practice on the left (where the side menu will
// open), the title, and "Clear" on the right.
export function appToolbar(options: {
  title: string; historyLabel: string; practiceLabel: string; clearTitle: string;
  onHistory(): void; onPractice(): void; onClear(): void;
}): HTMLElement {
  return h(
    'header',
    { class: 'toolbar' },
    h('button', { type: 'button', class: 'tool-button', id: 'historyButton', 'aria-label': options.historyLabel, onclick: options.onHistory }, icon('history')),
    h('button', { type: 'button', class: 'tool-button', id: 'practiceButton', 'aria-label': options.practiceLabel, onclick: options.onPractice }, icon('school')),
    h('h1', {}, options.title),
    h('button', { type: 'button', class: 'text-button', id: 'toolbarRemoveButton', onclick: options.onClear }, options.clearTitle),
  );
}
