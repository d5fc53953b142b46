import { tr } from '../i18n/texts';
import { h } from '../shell/dom';
import { showAlert } from '../shell/AlertDialog';
import type { VideoItem } from '../menu/configCalls';
import { setVideoConsent, videoConsentGiven } from './videoConsent';
import { VideoCollectionViewCell, type ConnectionCheck } from './VideoCollectionViewCell';
import { manualButton, ManualViewController, videoHelpPages } from './ManualViewController';
import { icon } from '../shell/icons';
import './videos.css';

const text = (key: string) => tr('VideoStrip', key);

// The consent question, as in the app: Accept stores the consent, Decline withdraws it, and
// each then does what its caller asks.
function askVideoConsent(accepted?: () => void, declined?: () => void): void {
  showAlert(tr('Consent', 'dsgvoYoutubeTitle'), tr('Consent', 'dsgvoYoutubeText'), [
    { title: tr('Consent', 'dsgvoAccept'), role: 'default', run: () => { setVideoConsent(true); accepted?.(); } },
    { title: tr('Consent', 'dsgvoDecline'), role: 'cancel', run: () => { setVideoConsent(false); declined?.(); } },
  ]).classList.add('video-consent');
}

// The strip of recommended videos under the solution: its heading, the lock that shows and
// changes the consent, the button to how the videos work, and the videos side by side behind
// a cover until the learner agrees to their being embedded. The cover follows the kept consent
// when the strip is built; after that only this strip's own buttons change it.
export class VideoCollectionTableViewCell {
  readonly element: HTMLElement;
  private readonly cells: VideoCollectionViewCell[];
  private readonly list = h('ul', { class: 'video-collection', id: 'videoCollectionView' });
  private readonly lockingView: HTMLElement;
  private readonly privacyButton = h('button', { type: 'button', class: 'tool-button', id: 'privacyButton' });
  private locked: boolean;

  constructor(items: VideoItem[], check?: ConnectionCheck) {
    const title = text('recommendedVideoIfUnclear');
    this.cells = items.map((item, i) => new VideoCollectionViewCell(item, `${title} ${i + 1}`, check));
    this.list.append(...this.cells.map((cell) => cell.element));
    this.privacyButton.addEventListener('click', () => this.tappedPrivacyButton());
    const unlockButton = h('button', { type: 'button', class: 'unlock-button', id: 'unlockButton', onclick: () => this.tappedLockingViewButton() },
      text('touchTounlock'));
    this.lockingView = h('div', { class: 'locking-view', id: 'lockingView' }, icon('lock'), unlockButton);
    this.element = h(
      'section',
      { class: 'video-strip', id: 'videoCollectionTableViewCell', 'aria-labelledby': 'videoStripTitle' },
      h('div', { class: 'video-strip-header' },
        h('h2', { id: 'videoStripTitle' }, title),
        this.privacyButton,
        manualButton('videoManualButton', text('videoInstructions'), 'videoHelp', videoHelpPages)),
      h('div', { class: 'video-strip-body' }, this.list, this.lockingView),
    );
    this.locked = !videoConsentGiven();
    this.showLock();
  }

  get isLocked(): boolean {
    return this.locked;
  }

  // The cover's button: the question, and on Accept the strip opens and shows how it works.
  private tappedLockingViewButton(): void {
    askVideoConsent(() => {
      this.setLocked(false);
      // The cover's button is gone: the focus comes back to the lock.
      new ManualViewController(videoHelpPages(), this.privacyButton).open();
    });
  }

  // The lock: the question again, and on Decline the strip closes.
  private tappedPrivacyButton(): void {
    askVideoConsent(undefined, () => {
      this.setLocked(true);
      this.privacyButton.focus();
    });
  }

  private setLocked(locked: boolean): void {
    this.locked = locked;
    this.showLock();
  }

  private showLock(): void {
    this.lockingView.hidden = !this.locked;
    // Under the cover nothing is reached by keys or read out.
    this.list.inert = this.locked;
    this.element.classList.toggle('locked', this.locked);
    this.privacyButton.replaceChildren(icon(this.locked ? 'lock' : 'lockOpen'));
    this.privacyButton.setAttribute('aria-label', text('videoConsent'));
    this.privacyButton.setAttribute('aria-pressed', String(!this.locked));
    this.privacyButton.title = text('videoConsent');
    this.cells.forEach((cell) => cell.setLoadAllowed(!this.locked));
  }

  destroy(): void {
    this.cells.forEach((cell) => cell.setLoadAllowed(false));
    this.element.remove();
  }
}
