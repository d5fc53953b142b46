import { h } from './dom';

export interface Page {
  title: string;
  id: string;
  element: HTMLElement;
}

// Pages under a tab bar; the pages also swipe (a scroll-snapped strip). A disabled page is
// taken out of the strip, so it can be neither chosen nor swiped to.
export class PageTabBar {
  readonly element: HTMLElement;
  private readonly tabs: HTMLButtonElement[];
  private readonly sections: HTMLElement[];
  private readonly strip: HTMLElement;
  private selected = 0;

  constructor(private readonly pages: Page[]) {
    this.tabs = pages.map((page, index) =>
      h(
        'button',
        {
          type: 'button',
          role: 'tab',
          id: `tab-${page.id}`,
          'aria-controls': `page-${page.id}`,
          onclick: () => this.select(index),
        },
        page.title,
      ),
    );
    this.sections = pages.map((page) =>
      h(
        'section',
        { class: 'page', id: `page-${page.id}`, role: 'tabpanel', 'aria-labelledby': `tab-${page.id}` },
        page.element,
      ),
    );
    this.strip = h('div', { class: 'pages' }, ...this.sections);
    this.element = h(
      'div',
      { class: 'tab-pages' },
      h('div', { class: 'tab-bar', role: 'tablist' }, ...this.tabs),
      this.strip,
    );
    // Only where the strip comes to rest counts: a smooth scroll to a tab passes the others.
    let settle: number | undefined;
    this.strip.addEventListener(
      'scroll',
      () => {
        window.clearTimeout(settle);
        settle = window.setTimeout(() => this.followSwipe(), 120);
      },
      { passive: true },
    );
    this.tabs.forEach((tab, index) =>
      tab.addEventListener('keydown', (event) => {
        if (event.key !== 'ArrowRight' && event.key !== 'ArrowLeft') return;
        const next = index + (event.key === 'ArrowRight' ? 1 : -1);
        if (next >= 0 && next < pages.length && !this.tabs[next].disabled) {
          this.select(next);
          this.tabs[next].focus();
        }
      }),
    );
    this.render();
  }

  get selectedIndex(): number {
    return this.selected;
  }

  setEnabled(index: number, enabled: boolean): void {
    this.tabs[index].disabled = !enabled;
    this.sections[index].hidden = !enabled;
    if (!enabled && this.selected === index) this.select(0);
  }

  select(index: number): void {
    if (this.tabs[index].disabled) return;
    this.selected = index;
    this.render();
    const reduced = matchMedia('(prefers-reduced-motion: reduce)').matches;
    this.strip.scrollTo({ left: this.sections[index].offsetLeft, behavior: reduced ? 'instant' : 'smooth' });
  }

  // A swipe that settles on another page selects its tab.
  private followSwipe(): void {
    const width = this.strip.clientWidth;
    if (width === 0) return;
    const index = Math.round(this.strip.scrollLeft / width);
    if (index !== this.selected && index < this.pages.length && !this.tabs[index].disabled) {
      this.selected = index;
      this.render();
    }
  }

  private render(): void {
    this.tabs.forEach((tab, index) => {
      const selected = index === this.selected;
      tab.setAttribute('aria-selected', String(selected));
      tab.tabIndex = selected ? 0 : -1;
    });
  }
}
