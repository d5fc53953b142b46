import { tr } from '../i18n/texts';
import { showAlert } from '../shell/AlertDialog';

// The first visit: the introduction, and the privacy notice above it until it is accepted.
// Both are remembered in this browser; where it keeps nothing, they come at every visit.

const introductionSeenKey = 'introductionSeen';
const privacyAcceptedKey = 'privacyAccepted';

function remembered(key: string): boolean {
  try {
    return localStorage.getItem(key) === 'yes';
  } catch {
    return false;
  }
}

function remember(key: string): void {
  try {
    localStorage.setItem(key, 'yes');
  } catch {
    // Storage refused: asked again next time.
  }
}

// Over the pages, which keys and screen readers leave alone meanwhile; its code and
// pictures come when it is first shown.
export async function showIntroduction(root: HTMLElement): Promise<void> {
  const { OnboardingViewController } = await import('./OnboardingViewController');
  const below = [...root.children];
  below.forEach((element) => element.setAttribute('inert', ''));
  const introduction = new OnboardingViewController(() => {
    below.forEach((element) => element.removeAttribute('inert'));
    remember(introductionSeenKey);
  });
  root.append(introduction.element);
}

// Only Accept closes it: Escape leaves it open, as the app's notice does.
export function showPrivacyNotice(): void {
  const notice = showAlert(tr('Consent', 'dsgvoTitlePro'), tr('Consent', 'dsgvoTextWeb'), [
    { title: tr('Consent', 'dsgvoAccept'), role: 'default', run: () => remember(privacyAcceptedKey) },
  ]);
  notice.classList.add('privacy-notice');
  notice.addEventListener('cancel', (event) => event.preventDefault());
}

export async function presentFirstVisit(root: HTMLElement): Promise<void> {
  if (!remembered(introductionSeenKey)) await showIntroduction(root);
  if (!remembered(privacyAcceptedKey)) showPrivacyNotice();
}
