import { tr } from '../i18n/texts';
import { h } from '../shell/dom';
import type { VideoItem } from '../menu/configCalls';
import { icon } from '../shell/icons';

// What an item shows: no video at the address; waiting for the consent; its still image on its
// way; ready to play; no connection; playing in the embedded player.
export type VideoState = 'unavailable' | 'waiting' | 'loading' | 'ready' | 'offline' | 'playing';

const text = (key: string) => tr('VideoStrip', key);

// Whether the video host answers: asked before the player opens, as the app does, so that a
// lost connection shows this item's message rather than the browser's error page in the frame.
export type ConnectionCheck = (address: string) => Promise<boolean>;

export const hostAnswers: ConnectionCheck = async (address) => {
  if (!navigator.onLine) return false;
  try {
    await fetch(address, { mode: 'no-cors', cache: 'no-store', credentials: 'omit', referrerPolicy: 'no-referrer' });
    return true;
  } catch {
    return false;
  }
};

// One video of the strip. Nothing comes from the video host until the strip allows loading:
// then the still image, and on a tap the player in its place.
export class VideoCollectionViewCell {
  readonly element = h('li', { class: 'video-cell' });
  private readonly card = h('div', { class: 'video-card' });
  private state: VideoState;
  private loadAllowed = false;
  // Bumped whenever what is on its way is no longer wanted.
  private generation = 0;
  // After "Try again" the focus waits for the play button.
  private focusWhenReady = false;

  constructor(
    private readonly item: VideoItem,
    private readonly playerTitle: string,
    private readonly check: ConnectionCheck = hostAnswers,
  ) {
    this.state = item.embed ? 'waiting' : 'unavailable';
    this.element.append(this.card);
    this.render();
  }

  get currentState(): VideoState {
    return this.state;
  }

  setLoadAllowed(allowed: boolean): void {
    if (allowed === this.loadAllowed) return;
    this.loadAllowed = allowed;
    if (this.state === 'unavailable') return;
    // Withdrawn consent stops a playing video too, and forgets what was loaded.
    this.setState(allowed ? 'loading' : 'waiting');
  }

  private setState(state: VideoState): void {
    this.generation += 1;
    this.state = state;
    this.render();
  }

  private render(): void {
    const generation = this.generation;
    this.element.dataset.state = this.state;
    switch (this.state) {
      case 'loading':
      case 'ready': {
        // The image loads under the cover; when it is there the item can play.
        const image = h('img', { class: 'video-thumbnail', alt: '', src: this.item.thumbnail ?? '', draggable: 'false' });
        const play = h('button', { type: 'button', class: 'video-play', 'aria-label': text('playVideo'), disabled: true,
          onclick: () => void this.play() }, image, h('span', { class: 'video-play-mark' }, icon('play')));
        image.addEventListener('load', () => {
          if (generation === this.generation) this.showReady(play);
        }, { once: true });
        image.addEventListener('error', () => {
          if (generation === this.generation) this.setState('offline');
        }, { once: true });
        this.card.replaceChildren(play, this.covering('loading'));
        if (this.state === 'ready') this.showReady(play);
        break;
      }
      case 'playing': {
        this.focusWhenReady = false;
        const player = h('iframe', {
          class: 'video-player', src: this.item.embed ?? '', title: this.playerTitle,
          allow: 'autoplay; encrypted-media; picture-in-picture; fullscreen', allowfullscreen: true,
        });
        const stop = h('button', { type: 'button', class: 'tool-button video-stop', 'aria-label': text('closeVideo'),
          onclick: () => this.setState('ready') }, icon('close'));
        this.card.replaceChildren(player, stop);
        break;
      }
      default:
        this.card.replaceChildren(this.covering(this.state));
    }
  }

  private showReady(play: HTMLButtonElement): void {
    this.state = 'ready';
    this.element.dataset.state = 'ready';
    play.disabled = false;
    this.card.replaceChildren(play);
    if (this.focusWhenReady) play.focus();
    this.focusWhenReady = false;
  }

  // The cover over an item that shows no picture, with what is going on.
  private covering(state: VideoState): HTMLElement {
    const cover = h('div', { class: 'video-covering' });
    const iconName = state === 'unavailable' ? 'videoOff' : state === 'offline' ? 'cloudOff' : state === 'waiting' ? 'play' : null;
    if (iconName) cover.append(icon(iconName));
    else cover.append(h('span', { class: 'video-busy', 'aria-hidden': 'true' }));
    const status = { unavailable: 'videoUnavailable', loading: 'videoLoading', offline: 'videoOffline' }[state as string];
    if (status) cover.append(h('p', { class: 'video-status', role: 'status' }, text(status)));
    if (state === 'offline') {
      cover.append(h('button', { type: 'button', class: 'video-retry', onclick: () => this.retry() }, text('tryAgain')));
    }
    return cover;
  }

  private async play(): Promise<void> {
    if (this.state !== 'ready') return;
    const generation = this.generation;
    this.element.setAttribute('aria-busy', 'true');
    const answered = await this.check(this.item.thumbnail ?? '');
    this.element.removeAttribute('aria-busy');
    if (generation !== this.generation) return;
    this.setState(answered ? 'playing' : 'offline');
    if (!answered) this.card.querySelector<HTMLElement>('.video-retry')?.focus();
    else this.card.querySelector<HTMLElement>('.video-stop')?.focus();
  }

  private retry(): void {
    if (this.state !== 'offline' || !this.loadAllowed) return;
    this.focusWhenReady = true;
    this.setState('loading');
  }
}
