import 'katex/dist/katex.min.css';
import './shell/style.css';
import { App } from './app/App';
import { UnitCircleCore } from './core/unitCircleCore';
import { currentLanguage, tr } from './i18n/texts';
import { colorStyleSheet } from './shell/colors';
import { CalcStore } from './store/calcStore';

document.documentElement.lang = currentLanguage();
const colors = document.createElement('style');
colors.textContent = colorStyleSheet();
document.head.append(colors);
document.title = tr('Main', 'appName');

async function start(): Promise<void> {
  const root = document.getElementById('app')!;
  const [core, store] = await Promise.all([UnitCircleCore.load(), CalcStore.open()]);
  await new App(root, core, store).buildMainScreen();
  root.setAttribute('aria-busy', 'false');
}

void start();

if ('serviceWorker' in navigator && import.meta.env.PROD) {
  window.addEventListener('load', () => void navigator.serviceWorker.register('./sw.js'));
}
