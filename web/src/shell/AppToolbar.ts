import { h } from './dom';
import { icon } from './icons';
import { textSizeChanged } from './textSize';

// The toolbar over the pages: the side menu's button, the history, practice and Explore on the
// left, the title, and "Clear" on the right.
export function appToolbar(options: {
  title: string; menuLabel: string; historyLabel: string; practiceLabel: string; exploreLabel: string; clearTitle: string;
  onMenu(): void; onHistory(): void; onPractice(): void; onExplore(): void; onClear(): void;
}): HTMLElement {
  const title = h('h1', {}, options.title);
  const toolbar = h(
    'header',
    { class: 'toolbar' },
    h('button', { type: 'button', class: 'tool-button', id: 'menuButton', 'aria-label': options.menuLabel, 'aria-haspopup': 'dialog', onclick: options.onMenu }, icon('menu')),
    h('button', { type: 'button', class: 'tool-button', id: 'historyButton', 'aria-label': options.historyLabel, onclick: options.onHistory }, icon('history')),
    h('button', { type: 'button', class: 'tool-button', id: 'practiceButton', 'aria-label': options.practiceLabel, onclick: options.onPractice }, icon('school')),
    h('button', { type: 'button', class: 'tool-button', id: 'exploreButton', 'aria-label': options.exploreLabel, onclick: options.onExplore }, icon('explore')),
    title,
    h('button', { type: 'button', class: 'text-button', id: 'toolbarRemoveButton', onclick: options.onClear }, options.clearTitle),
  );
  keepTitleWhole(toolbar, title);
  return toolbar;
}

// The title keeps its size; where it does not fit beside the buttons it takes a row of its
// own. Measured in one row each time the toolbar's width or the text size changes.
export function keepTitleWhole(toolbar: HTMLElement, title: HTMLElement): void {
  let width = -1;
  const measure = () => {
    width = toolbar.clientWidth;
    toolbar.classList.remove('title-below');
    toolbar.classList.toggle('title-below', title.scrollWidth > title.clientWidth);
  };
  new ResizeObserver(() => {
    if (toolbar.clientWidth !== width) measure();
  }).observe(toolbar);
  window.addEventListener(textSizeChanged, measure);
}
