import { fill, tr } from '../i18n/texts';

// Sharing the solution as one picture: made on a tap, then handed to the system's share sheet
// where the browser can share files, else downloaded. This module decides where the picture
// goes and what the learner is told; shareSolutionPicture.ts draws it.

// Where a picture can go.
export interface ShareTarget {
  canShareFiles(file: File): boolean;
  share(file: File): Promise<void>;
  download(file: File): void;
}

// What became of a picture: shared; downloaded (the browser shares no files, or refused this
// one); the learner closed the share sheet; or the tap that asked has expired while the
// picture was made, so sharing needs a new tap.
export type Delivery = 'shared' | 'downloaded' | 'downloadedInstead' | 'cancelled' | 'needsTap';

const errorName = (error: unknown): string =>
  typeof error === 'object' && error !== null && typeof (error as { name?: unknown }).name === 'string'
    ? (error as { name: string }).name
    : '';

// The share sheet where there is one for files, else a download. A download that fails throws.
export async function deliverPicture(file: File, target: ShareTarget, lastTry = false): Promise<Delivery> {
  let canShare = false;
  try {
    canShare = target.canShareFiles(file);
  } catch {
    // A browser that cannot even answer shares nothing.
  }
  if (!canShare) {
    target.download(file);
    return 'downloaded';
  }
  try {
    await target.share(file);
    return 'shared';
  } catch (error) {
    const name = errorName(error);
    if (name === 'AbortError') return 'cancelled';
    if (name === 'NotAllowedError' && !lastTry) return 'needsTap';
    target.download(file);
    return 'downloadedInstead';
  }
}

// The picture's file name in the learner's language, with the time it was made.
export function pictureFileName(now: Date): string {
  const two = (n: number) => String(n).padStart(2, '0');
  const stamp = `${now.getFullYear()}${two(now.getMonth() + 1)}${two(now.getDate())}-${two(now.getHours())}${two(now.getMinutes())}${two(now.getSeconds())}`;
  const name = fill(tr('SolutionView', 'shareFileName'), stamp).replace(/[\\/:*?"<>|\s]+/g, '-');
  return name.toLowerCase().endsWith('.png') ? name : `${name}.png`;
}

// The browser's share sheet and downloads.
export function browserShareTarget(): ShareTarget {
  return {
    canShareFiles: (file) =>
      typeof navigator.share === 'function' && typeof navigator.canShare === 'function' && navigator.canShare({ files: [file] }),
    share: (file) => navigator.share({ files: [file], title: file.name }),
    download(file) {
      const url = URL.createObjectURL(file);
      const link = document.createElement('a');
      link.href = url;
      link.download = file.name;
      link.hidden = true;
      document.body.append(link);
      link.click();
      link.remove();
      // Some browsers read the address after the click returns.
      setTimeout(() => URL.revokeObjectURL(url), 60_000);
    },
  };
}

export interface ShareFlowDependencies {
  makePicture(): Promise<Blob>;
  target: ShareTarget;
  notify(message: string): void;
  notifyWithAction(message: string, action: { title: string; run(): void }): void;
  setBusy(busy: boolean): void;
  now?(): Date;
}

export type ShareResult = Delivery | 'failed' | 'ignored';

// One share at a time: a second tap while the picture is made does nothing. Every way it can
// fail ends in a message; the page goes on as before.
export class ShareFlow {
  private busy = false;

  constructor(private readonly deps: ShareFlowDependencies) {}

  get isBusy(): boolean {
    return this.busy;
  }

  async share(): Promise<ShareResult> {
    if (this.busy) return 'ignored';
    this.busy = true;
    this.deps.setBusy(true);
    try {
      let picture: Blob;
      try {
        picture = await this.deps.makePicture();
      } catch (error) {
        console.error('share picture', error);
        this.deps.notify(tr('SolutionView', 'sharePictureFailed'));
        return 'failed';
      }
      const file = new File([picture], pictureFileName(this.deps.now?.() ?? new Date()), { type: 'image/png' });
      return await this.deliver(file, false);
    } finally {
      this.busy = false;
      this.deps.setBusy(false);
    }
  }

  private async deliver(file: File, lastTry: boolean): Promise<ShareResult> {
    let delivery: Delivery;
    try {
      delivery = await deliverPicture(file, this.deps.target, lastTry);
    } catch (error) {
      console.error('share', error);
      this.deps.notify(tr('SolutionView', 'shareFailed'));
      return 'failed';
    }
    if (delivery === 'downloaded') this.deps.notify(fill(tr('SolutionView', 'shareDownloaded'), file.name));
    else if (delivery === 'downloadedInstead') this.deps.notify(fill(tr('SolutionView', 'shareDownloadedInstead'), file.name));
    else if (delivery === 'needsTap') {
      // The picture is kept: a tap on the message's button shares it at once.
      this.deps.notifyWithAction(tr('SolutionView', 'sharePictureReady'), {
        title: tr('SolutionView', 'Share'),
        run: () => void this.deliver(file, true),
      });
    }
    return delivery;
  }
}
