import { currentLanguage, tr } from '../i18n/texts';
import { h } from '../shell/dom';
import type { ConfigCalls, ConfigMenu, MenuApp } from './configCalls';
import type { RemoteConfig } from './remoteConfig';
import './menu.css';

// What the menu's rows do; the screens are the App's.
export interface MenuActions {
  calculate(): void;
  history(): void;
  practice(): void;
  explore(): void;
  introduction(): void;
  privacy(): void;
}

// The side menu, as the app's drawer: the screens, the introduction and the privacy notice, the
// community and the rating, then the catalogue of the other apps. A modal dialog from the left;
// Escape or a tap beside it closes it, and the menu button gets the focus back.
export class LeftViewController {
  private dialog: HTMLDialogElement | null = null;
  private catalogue: ConfigMenu | null = null;

  constructor(
    private readonly calls: ConfigCalls,
    private readonly config: RemoteConfig,
    private readonly actions: MenuActions,
  ) {}

  open(): void {
    if (this.dialog) return;
    const content = h('nav', { class: 'side-menu-content' });
    const dialog = h('dialog', { class: 'side-menu', id: 'sideMenu', 'aria-label': tr('Main', 'Menu') }, content);
    this.fill(content);
    // A tap on the backdrop lands on the dialog itself; its rows fill all of it.
    dialog.addEventListener('click', (event) => {
      if (event.target === dialog) this.close();
    });
    dialog.addEventListener('close', () => this.closed(dialog));
    this.dialog = dialog;
    document.querySelector('.main-screen')?.setAttribute('inert', '');
    document.body.append(dialog);
    dialog.showModal();
    // The catalogue as it is now: fetched since the menu was last open, or still the bundled one.
    void this.reloadCatalogue().then((changed) => {
      if (changed && this.dialog === dialog) this.fill(content);
    });
  }

  // Done at once, not on the dialog's later close event: a screen opened next takes the focus
  // from the menu button.
  close(): void {
    const dialog = this.dialog;
    dialog?.close();
    if (dialog) this.closed(dialog);
  }

  private closed(dialog: HTMLDialogElement): void {
    if (this.dialog !== dialog) return;
    this.dialog = null;
    dialog.remove();
    document.querySelector('.main-screen')?.removeAttribute('inert');
    document.getElementById('menuButton')?.focus();
  }

  // The first text that the core reads: the kept catalogue, else the bundled one. A core that
  // cannot answer leaves what the menu had.
  private async reloadCatalogue(): Promise<boolean> {
    for (const apps of this.config.appsTexts()) {
      let menu: ConfigMenu | null;
      try {
        menu = await this.calls.menu(apps, currentLanguage());
      } catch {
        return false;
      }
      if (!menu) continue;
      const changed = JSON.stringify(menu) !== JSON.stringify(this.catalogue);
      this.catalogue = menu;
      return changed;
    }
    return false;
  }

  private fill(content: HTMLElement): void {
    const focused = document.activeElement instanceof HTMLElement && content.contains(document.activeElement)
      ? document.activeElement.dataset.row : undefined;
    const row = (id: string, title: string, run: () => void) =>
      h('li', {}, h('button', { type: 'button', class: 'side-menu-row', 'data-row': id, onclick: () => this.choose(run) }, title));
    content.replaceChildren(
      h('ul', { class: 'side-menu-section' },
        row('calculate', tr('SideMenu', 'Calculate Title'), this.actions.calculate),
        row('history', tr('SideMenu', 'History'), this.actions.history),
        row('practice', tr('SideMenu', 'Practice'), this.actions.practice),
        row('explore', tr('ExploreView', 'Explore'), this.actions.explore),
        row('introduction', tr('SideMenu', 'introduction'), this.actions.introduction),
        row('privacy', tr('SideMenu', 'privacyPolicy'), this.actions.privacy),
      ),
    );
    const menu = this.catalogue;
    if (menu) {
      content.append(
        section(tr('SideMenu', 'Visit us:'), [
          link(tr('SideMenu', 'Discord'), menu.community, 'noopener', 'community'),
          menu.rating ? link(tr('SideMenu', 'Rate this App'), menu.rating, 'noopener', 'rating') : null,
        ]),
      );
      // As in the app: both lists or neither.
      if (menu.multi.length > 0 && menu.single.length > 0) {
        content.append(section(tr('SideMenu', 'All in one:'), menu.multi.map(appRow)), section(tr('SideMenu', 'Other apps:'), menu.single.map(appRow)));
      }
    }
    if (focused) content.querySelector<HTMLElement>(`[data-row="${focused}"]`)?.focus();
  }

  private choose(run: () => void): void {
    this.close();
    run();
  }
}

function section(title: string, rows: (HTMLElement | null)[]): HTMLElement {
  return h('section', { class: 'side-menu-group' }, h('h2', { class: 'side-menu-header' }, title), h('ul', { class: 'side-menu-section' }, ...rows));
}

function link(title: string, href: string, rel: string, id?: string): HTMLElement {
  return h('li', {}, h('a', { class: 'side-menu-row', href, target: '_blank', rel, 'data-row': id }, title));
}

// An app whose addresses are none the core accepts is named, not linked.
function appRow(app: MenuApp): HTMLElement {
  return app.link ? link(app.name, app.link, 'noopener noreferrer') : h('li', {}, h('span', { class: 'side-menu-row side-menu-text' }, app.name));
}
