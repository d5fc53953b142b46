import { tr } from '../i18n/texts';
import { h } from '../shell/dom';
import { icon } from '../shell/icons';
import intro1 from '../../../resources/images/main_onboarding_1.svg?url';
import intro2 from '../../../resources/images/single_onboarding_2.svg?url';
import intro3 from '../../../resources/images/single_onboarding_3.svg?url';
import intro4 from '../../../resources/images/single_onboarding_4.svg?url';
import intro5 from '../../../resources/images/main_onboarding_4.svg?url';
import './onboarding.css';

// The introduction, as in the app: five pages of a picture and a sentence, "Next" and at the
// end "Let's start"; the close button, Escape and the last button end it.
const pages: [string, string][] = [
  [intro1, 'onboardingA'], [intro2, 'onboardingB'], [intro3, 'onboardingC'], [intro4, 'onboardingD'], [intro5, 'onboardingE'],
];

export function introductionTexts(): string[] {
  return pages.map(([, key]) => tr('Onboarding', key).replace('§appname', tr('Main', 'appName')));
}

export class OnboardingViewController {
  readonly element: HTMLElement;
  private index = 0;
  private readonly picture = h('img', { class: 'onboarding-picture', alt: '' }) as HTMLImageElement;
  private readonly text = h('p', { class: 'onboarding-text', id: 'onboarding-text', 'aria-live': 'polite' });
  private readonly dots = h('div', { class: 'onboarding-dots', 'aria-hidden': 'true' });
  private readonly advance = h('button', { type: 'button', class: 'onboarding-advance', id: 'onboardingAdvance' });
  private readonly texts = introductionTexts();
  private readonly keyPressed = (event: KeyboardEvent) => {
    if (document.querySelector('dialog[open]')) return;  // the privacy notice above answers first
    if (event.key === 'Escape') this.finish();
    else if (event.key === 'ArrowRight' && this.index < pages.length - 1) this.show(this.index + 1);
    else if (event.key === 'ArrowLeft' && this.index > 0) this.show(this.index - 1);
  };

  constructor(private readonly finished: () => void) {
    this.advance.addEventListener('click', () => (this.index < pages.length - 1 ? this.show(this.index + 1) : this.finish()));
    this.element = h(
      'div',
      { class: 'onboarding', role: 'dialog', 'aria-modal': 'true', 'aria-label': tr('Main', 'appName'), 'aria-describedby': 'onboarding-text' },
      h('button', { type: 'button', class: 'tool-button onboarding-close', id: 'onboardingClose', 'aria-label': tr('Onboarding', 'close'), onclick: () => this.finish() }, icon('close')),
      h('div', { class: 'onboarding-page' }, this.picture, this.text),
      h('div', { class: 'onboarding-footer' }, this.dots, this.advance),
    );
    for (let i = 0; i < pages.length; ++i) this.dots.append(h('span', { class: 'onboarding-dot' }));
    document.addEventListener('keydown', this.keyPressed);
    this.show(0);
  }

  private show(index: number): void {
    this.index = index;
    this.picture.src = pages[index][0];
    this.text.textContent = this.texts[index];
    this.advance.textContent = tr('Onboarding', index < pages.length - 1 ? 'next' : 'letsStart');
    [...this.dots.children].forEach((dot, i) => dot.classList.toggle('current', i === index));
  }

  private finish(): void {
    document.removeEventListener('keydown', this.keyPressed);
    this.element.remove();
    this.finished();
  }
}
