import 'katex/dist/katex.min.css';
import './shell/style.css';
import { App } from './app/App';
import { UnitCircleCore } from './core/unitCircleCore';
import { currentLanguage, tr } from './i18n/texts';
import { colorStyleSheet } from './shell/colors';
import { CalcStore } from './store/calcStore';
import { loadMath } from './math/mathLabel';
import { presentFirstVisit } from './onboarding/firstVisit';

document.documentElement.lang = currentLanguage();
const colors = document.createElement('style');
colors.textContent = colorStyleSheet();
document.head.append(colors);
document.title = tr('Main', 'appName');

async function start(): Promise<void> {
  const root = document.getElementById('app')!;
  const [core, store] = await Promise.all([UnitCircleCore.load(), CalcStore.open()]);
  await new App(root, core, store).buildMainScreen();
  await presentFirstVisit(root);
  root.setAttribute('aria-busy', 'false');
  // Started: index.html's message for a failed start is no longer wanted.
  document.getElementById('appNotLoaded')?.remove();
  // The formulas' typesetter, ready before the first result is asked for.
  const whenIdle = window.requestIdleCallback ?? ((run: () => void) => window.setTimeout(run, 200));
  whenIdle(() => void loadMath());
}

void start();

if ('serviceWorker' in navigator && import.meta.env.PROD) {
  // Without it the tutor still works, only not offline.
  window.addEventListener('load', () => void navigator.serviceWorker.register('./sw.js').catch(() => undefined));
}
