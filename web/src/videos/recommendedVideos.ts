import { currentLanguage } from '../i18n/texts';
import type { ConfigCalls, VideoItem } from '../menu/configCalls';
import type { RemoteConfig } from '../menu/remoteConfig';
import { VideoCollectionTableViewCell } from './VideoCollectionTableViewCell';

// The solution page's videos: the kept list of the configuration, read by the core in the
// learner's language. None (no strip) when there is no list yet or the core cannot read it:
// the videos are a help beside the solution, never in its way.
export function recommendedVideos(calls: ConfigCalls, config: RemoteConfig): () => Promise<VideoItem[]> {
  return async () => {
    const kept = config.value('videoTutorials');
    if (kept === null) return [];
    try {
      return (await calls.videos(kept, currentLanguage())) ?? [];
    } catch {
      return [];
    }
  };
}

// The strip for a solution, or nothing without videos.
export function videoStrip(items: VideoItem[]): VideoCollectionTableViewCell | null {
  return items.length > 0 ? new VideoCollectionTableViewCell(items) : null;
}
