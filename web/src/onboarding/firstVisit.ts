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
// pictures come when it is first shown. Reopened from the menu, `finished` gives the focus back.
export async function showIntroduction(root: HTMLElement, finished?: () => void): Promise<void> {
  const { OnboardingViewController } = await import('./OnboardingViewController');
  const below = [...root.children];
  below.forEach((element) => element.setAttribute('inert', ''));
  const introduction = new OnboardingViewController(() => {
    below.forEach((element) => element.removeAttribute('inert'));
    remember(introductionSeenKey);
    finished?.();
  });
  root.append(introduction.element);
  if (finished) introduction.element.querySelector<HTMLElement>('#onboardingAdvance')?.focus();
}

// Until it is accepted only Accept closes it: Escape leaves it open, as the app's notice does.
// Read again from the menu after that, Escape and a tap beside it close it too.
export function showPrivacyNotice(): void {
  const accepted = remembered(privacyAcceptedKey);
  const notice = showAlert(tr('Consent', 'dsgvoTitlePro'), tr('Consent', 'dsgvoTextWeb'), [
    { title: tr('Consent', 'dsgvoAccept'), role: 'default', run: () => remember(privacyAcceptedKey) },
  ]);
  notice.classList.add('privacy-notice');
  if (!accepted) {
    notice.addEventListener('cancel', (event) => event.preventDefault());
    return;
  }
  // Its own padding is the dialog too: only a tap outside its box closes it.
  notice.addEventListener('click', (event) => {
    const box = notice.getBoundingClientRect();
    const inside = event.clientX >= box.left && event.clientX <= box.right && event.clientY >= box.top && event.clientY <= box.bottom;
    if (event.target === notice && !inside) notice.close();
  });
}

export async function presentFirstVisit(root: HTMLElement): Promise<void> {
  if (!remembered(introductionSeenKey)) await showIntroduction(root);
  if (!remembered(privacyAcceptedKey)) showPrivacyNotice();
}
