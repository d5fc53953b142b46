import { CalculateViewController } from '../calculate/CalculateViewController';
import { HistoryViewController } from '../history/HistoryViewController';
import { SolutionViewController } from '../solution/SolutionViewController';
import { ChartCalls } from '../charts/chartCalls';
import { PresentationCalls } from '../presentation/presentationCalls';
import { parsePracticeRoute, type PracticeRoute } from '../practice/practiceRoute';
import type { PracticeViewController } from '../practice/PracticeViewController';
import type { ExploreViewController } from '../explore/ExploreViewController';
import type { Solution } from '../core/solution';
import type { UnitCircleCore } from '../core/unitCircleCore';
import type { CalcStore, Calculation } from '../store/calcStore';
import { tr } from '../i18n/texts';
import { appToolbar } from '../shell/AppToolbar';
import { PageTabBar } from '../shell/PageTabBar';
import { Toast } from '../shell/Toast';
import { lastActionWasKey } from '../shell/inputModality';
import { followTextSizeKeys } from '../shell/textSize';
import { h } from '../shell/dom';
import { storeNoticeText } from '../store/storeMessages';
import { LeftViewController } from '../menu/LeftViewController';
import { ConfigCalls } from '../menu/configCalls';
import { browserStorage, RemoteConfig } from '../menu/remoteConfig';
import { showIntroduction, showPrivacyNotice } from '../onboarding/firstVisit';
import { recommendedVideos } from '../videos/recommendedVideos';

const exploreHash = '#/explore';

// The window's composition: toolbar, the Input and Result pages, the history above them.
export class App {
  private readonly root: HTMLElement;
  private readonly toast = new Toast();
  private calculate!: CalculateViewController;
  private solution!: SolutionViewController;
  private tabs!: PageTabBar;
  private history: HistoryViewController | null = null;
  private practice: { controller: PracticeViewController; element: HTMLElement } | null = null;
  private explore: { controller: ExploreViewController; element: HTMLElement } | null = null;
  private readonly menu: LeftViewController;
  private readonly videos: ReturnType<typeof recommendedVideos>;

  constructor(root: HTMLElement, private readonly core: UnitCircleCore, private readonly store: CalcStore) {
    this.root = root;
    // Storage that fails costs a history entry, never a result: the learner is told once.
    store.onNotice = (notice) => this.toast.show(storeNoticeText(notice));
    followTextSizeKeys((message) => this.toast.show(message));
    // The strip keeps the chosen page in view when the window turns or resizes.
    window.addEventListener('resize', () => this.tabs?.select(this.tabs.selectedIndex));
    // A teacher's link (#/practice?seed=N&level=L) opens practice on a page already open too.
    window.addEventListener('hashchange', () => {
      const route = parsePracticeRoute(location.hash);
      if (route) void this.openPractice(route);
      else if (location.hash === exploreHash) void this.openExplore();
    });
    // The history has a step of its own in the browser's history: Back (a phone's back
    // gesture) closes it rather than leaving the tutor.
    window.addEventListener('popstate', () => {
      if (this.history) this.closeHistory();
    });
    const calls = new ConfigCalls(core);
    const config = new RemoteConfig({ decodes: (key, json) => calls.decodes(key, json), storage: browserStorage() });
    this.videos = recommendedVideos(calls, config);
    this.menu = new LeftViewController(calls, config, {
      calculate: () => undefined,
      history: () => void this.openHistory(),
      practice: () => void this.openPractice(null),
      explore: () => void this.openExplore(),
      introduction: () => void showIntroduction(this.root, () => document.getElementById('menuButton')?.focus()),
      privacy: () => showPrivacyNotice(),
    });
    // The catalogue's update waits until the page has settled; the menu reads it when it opens.
    const whenIdle = window.requestIdleCallback ?? ((run: () => void) => window.setTimeout(run, 1000));
    whenIdle(() => void config.fetch());
  }

  // Builds fresh pages, as after choosing a history entry; the input page fills itself.
  async buildMainScreen(): Promise<void> {
    this.solution = new SolutionViewController({
      calls: new ChartCalls(this.core),
      presentationCalls: new PresentationCalls(this.core),
      onHint: (bText) => this.retypeB(bText),
      onCalculateAngle: (alpha) => void this.calculateAngle(alpha),
      toast: this.toast,
      videos: this.videos,
    });
    this.calculate = new CalculateViewController({
      core: this.core,
      store: this.store,
      toast: this.toast,
      showSolution: (solution) => this.showSolution(solution),
    });
    this.tabs = new PageTabBar([
      { title: tr('CalculateView', 'Input'), id: 'input', element: this.calculate.element },
      { title: tr('SolutionView', 'Result'), id: 'result', element: this.solution.element },
    ]);
    this.tabs.setEnabled(1, false);
    const toolbar = appToolbar({
      title: tr('CalculateView', 'Calculate Title'),
      menuLabel: tr('Main', 'Menu'),
      historyLabel: tr('HistoryView', 'History'),
      practiceLabel: tr('SideMenu', 'Practice'),
      exploreLabel: tr('ExploreView', 'Explore'),
      clearTitle: tr('CalculateView', 'Clear'),
      onMenu: () => this.menu.open(),
      onHistory: () => void this.openHistory(),
      onPractice: () => void this.openPractice(null),
      onExplore: () => void this.openExplore(),
      onClear: () => this.clearAll(),
    });
    this.root.replaceChildren(h('div', { class: 'main-screen' }, toolbar, this.tabs.element), this.toast.element);
    await this.calculate.loadInput();
    const route = parsePracticeRoute(location.hash);
    if (route) await this.openPractice(route);
    else if (location.hash === exploreHash) await this.openExplore();
  }

  // Explore over the pages, as practice is; its code comes when it is first opened.
  private async openExplore(): Promise<void> {
    if (this.explore) return;
    const { openExplore } = await import('../explore/ExploreViewController');
    const element = h('div', { class: 'explore-overlay' });
    const controller = await openExplore(element, this.core, { onClose: () => this.closeExplore() });
    if (this.explore) {
      controller.destroy();
      return;
    }
    this.explore = { controller, element };
    this.root.querySelector('.main-screen')?.setAttribute('inert', '');
    this.root.append(element);
    controller.focusFirst();
  }

  private closeExplore(): void {
    if (!this.explore) return;
    this.explore.controller.destroy();
    this.explore.element.remove();
    this.explore = null;
    if (!this.practice) this.root.querySelector('.main-screen')?.removeAttribute('inert');
    if (location.hash === exploreHash) history.replaceState(null, '', location.pathname + location.search);
    document.getElementById('exploreButton')?.focus();
  }

  // Practice over the pages, as the history is; its code comes when it is first opened.
  private async openPractice(route: PracticeRoute | null): Promise<void> {
    const { openPractice } = await import('../practice/PracticeViewController');
    this.removePractice();
    const element = h('div', { class: 'practice-overlay' });
    const controller = await openPractice(element, this.core, {
      route,
      onShowSolution: (alpha) => {
        this.closePractice();
        void this.calculateAngle(alpha);
      },
      onClose: () => this.closePractice(),
    });
    this.practice = { controller, element };
    this.root.querySelector('.main-screen')?.setAttribute('inert', '');
    this.root.append(element);
  }

  private removePractice(): void {
    this.practice?.controller.destroy();
    this.practice?.element.remove();
    this.practice = null;
  }

  private closePractice(): void {
    if (!this.practice) return;
    this.removePractice();
    this.root.querySelector('.main-screen')?.removeAttribute('inert');
    // Back on the pages, a reload does not open practice again.
    if (location.hash.startsWith('#/practice')) history.replaceState(null, '', location.pathname + location.search);
    document.getElementById('practiceButton')?.focus();
  }

  private async showSolution(solution: Solution): Promise<void> {
    await this.solution.showSolution(solution);
    this.tabs.setEnabled(1, true);
    this.tabs.select(1);
    if (lastActionWasKey()) this.solution.focusFirst();
    // Drawn: the frame after the one that lays the result out.
    requestAnimationFrame(() => setTimeout(() => performance.mark('result-drawn'), 0));
  }

  private retypeB(bText: string): void {
    this.clearAll();
    this.calculate.fillB(bText);
  }

  // An angle set by hand on the unit circle, calculated as if typed into α.
  private async calculateAngle(alpha: string): Promise<void> {
    this.clearAll();
    this.calculate.fillAlpha(alpha);
    await this.calculate.tappedCalculateButton();
  }

  private clearAll(): void {
    this.calculate.clearAll();
    this.solution.clearSolution();
    this.tabs.setEnabled(1, false);
    this.tabs.select(0);
  }

  private async openHistory(): Promise<void> {
    const history = new HistoryViewController(this.store, {
      reopen: (calculation) => void this.reopen(calculation),
      close: () => this.closeHistory(),
      notify: (message, action) => this.toast.showWithAction(message, action),
    });
    this.history = history;
    await history.reload();
    this.root.querySelector('.main-screen')?.setAttribute('inert', '');
    this.root.append(history.element);
    history.element.querySelector<HTMLElement>('button')?.focus();
    window.history.pushState({ historyOpen: true }, '');
  }

  private closeHistory(): void {
    this.history?.destroy();
    this.history = null;
    this.root.querySelector('.main-screen')?.removeAttribute('inert');
    document.getElementById('historyButton')?.focus();
    this.leaveHistoryStep();
  }

  // Closed from the page (its button, Escape, a chosen entry), its step goes too, so that
  // Back does what it did before it opened.
  private leaveHistoryStep(): void {
    if (window.history.state?.historyOpen) window.history.back();
  }

  private async reopen(calculation: Calculation): Promise<void> {
    await this.store.setOpenCalculation('currentCalculation', null);
    await this.store.setOpenCalculation('currentSelectedCalculation', calculation);
    this.history?.destroy();
    this.history = null;
    this.leaveHistoryStep();
    await this.buildMainScreen();
  }
}
