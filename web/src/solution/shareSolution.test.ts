import { describe, expect, it, vi } from 'vitest';
import { ShareFlow, deliverPicture, pictureFileName, type ShareTarget } from './shareSolution';
import { tr } from '../i18n/texts';

// The message of a key, which must have a translation of its own.
function said(key: string): string {
  const text = tr('SolutionView', key);
  expect(text).not.toBe(key);
  return text;
}

const picture = () => new File([new Uint8Array([0x89, 0x50, 0x4e, 0x47])], 'solution.png', { type: 'image/png' });
const refusal = (name: string) => Object.assign(new Error(name), { name });

function fakeTarget(canShare: boolean, share: () => Promise<void> = async () => undefined) {
  const shared: File[] = [];
  const downloaded: File[] = [];
  const target: ShareTarget = {
    canShareFiles: () => canShare,
    share: async (file) => {
      shared.push(file);
      await share();
    },
    download: (file) => void downloaded.push(file),
  };
  return { target, shared, downloaded };
}

describe('where the picture goes', () => {
  it('goes to the share sheet where files can be shared, else it is downloaded', async () => {
    const sharing = fakeTarget(true);
    expect(await deliverPicture(picture(), sharing.target)).toBe('shared');
    expect(sharing.shared).toHaveLength(1);
    expect(sharing.downloaded).toHaveLength(0);

    const without = fakeTarget(false);
    expect(await deliverPicture(picture(), without.target)).toBe('downloaded');
    expect(without.shared).toHaveLength(0);
    expect(without.downloaded).toHaveLength(1);

    const broken = fakeTarget(true);
    broken.target.canShareFiles = () => {
      throw new TypeError('no files');
    };
    expect(await deliverPicture(picture(), broken.target)).toBe('downloaded');
  });

  it('says nothing when the learner cancels, and downloads what the share sheet refuses', async () => {
    const cancelled = fakeTarget(true, () => Promise.reject(refusal('AbortError')));
    expect(await deliverPicture(picture(), cancelled.target)).toBe('cancelled');
    expect(cancelled.downloaded).toHaveLength(0);

    const refused = fakeTarget(true, () => Promise.reject(refusal('DataError')));
    expect(await deliverPicture(picture(), refused.target)).toBe('downloadedInstead');
    expect(refused.downloaded).toHaveLength(1);

    // The tap expired while the picture was made: a new tap shares it; the second time, a download.
    const expired = fakeTarget(true, () => Promise.reject(refusal('NotAllowedError')));
    expect(await deliverPicture(picture(), expired.target)).toBe('needsTap');
    expect(expired.downloaded).toHaveLength(0);
    expect(await deliverPicture(picture(), expired.target, true)).toBe('downloadedInstead');
  });

  it('names the file with the time it was made', () => {
    const name = pictureFileName(new Date(2026, 11, 9, 4, 5, 6));
    expect(name).toMatch(/20261209-040506.*\.png$/);
    expect(name).not.toMatch(/[\s/\\:]/);
  });
});

describe('the share flow', () => {
  function flow(makePicture: () => Promise<Blob>, target: ShareTarget) {
    const messages: string[] = [];
    const actions: { title: string; run(): void }[] = [];
    const busy: boolean[] = [];
    const share = new ShareFlow({
      makePicture,
      target,
      notify: (message) => void messages.push(message),
      notifyWithAction: (message, action) => {
        messages.push(message);
        actions.push(action);
      },
      setBusy: (value) => void busy.push(value),
      now: () => new Date(2026, 0, 2, 3, 4, 5),
    });
    return { share, messages, actions, busy };
  }

  it('is busy while the picture is made and ignores a second tap', async () => {
    let finish!: (blob: Blob) => void;
    const making = vi.fn(() => new Promise<Blob>((done) => (finish = done)));
    const { target, downloaded } = fakeTarget(false);
    const { share, busy, messages } = flow(making, target);
    const first = share.share();
    expect(share.isBusy).toBe(true);
    expect(await share.share()).toBe('ignored');
    expect(making).toHaveBeenCalledTimes(1);
    finish(new Blob([new Uint8Array([1, 2, 3])]));
    expect(await first).toBe('downloaded');
    expect(busy).toEqual([true, false]);
    expect(downloaded[0].type).toBe('image/png');
    expect(downloaded[0].size).toBe(3);
    expect(downloaded[0].name).toContain('20260102-030405');
    // The learner is told where the picture went.
    expect(messages).toEqual([said('shareDownloaded').replace('%1', downloaded[0].name)]);
    expect(share.isBusy).toBe(false);
  });

  it('tells of every failure and can share again afterwards', async () => {
    const failing = fakeTarget(true);
    const broken = flow(() => Promise.reject(new Error('canvas too large')), failing.target);
    vi.spyOn(console, 'error').mockImplementation(() => undefined);
    expect(await broken.share.share()).toBe('failed');
    expect(broken.messages).toEqual([said('sharePictureFailed')]);
    expect(broken.busy).toEqual([true, false]);

    const noDownload = fakeTarget(false);
    noDownload.target.download = () => {
      throw new Error('blocked');
    };
    const blocked = flow(async () => new Blob([]), noDownload.target);
    expect(await blocked.share.share()).toBe('failed');
    expect(blocked.messages).toEqual([said('shareFailed')]);
    expect(blocked.share.isBusy).toBe(false);

    const cancelled = flow(async () => new Blob([]), fakeTarget(true, () => Promise.reject(refusal('AbortError'))).target);
    expect(await cancelled.share.share()).toBe('cancelled');
    expect(cancelled.messages).toEqual([]);
    vi.restoreAllMocks();
  });

  it('offers a new tap when the first one expired, and that tap shares the same picture', async () => {
    let refuse = true;
    const late = fakeTarget(true, async () => {
      if (refuse) throw refusal('NotAllowedError');
    });
    const { share, messages, actions } = flow(async () => new Blob([new Uint8Array([7])]), late.target);
    expect(await share.share()).toBe('needsTap');
    expect(actions.map((action) => action.title)).toEqual([tr('SolutionView', 'Share')]);
    expect(messages).toEqual([said('sharePictureReady')]);
    refuse = false;
    actions[0].run();
    await vi.waitFor(() => expect(late.shared).toHaveLength(2));
    expect(late.shared[1]).toBe(late.shared[0]);
    expect(late.downloaded).toHaveLength(0);
  });
});
