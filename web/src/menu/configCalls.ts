import type { UnitCircleCore } from '../core/unitCircleCore';
import type { Language } from '../core/solution';

// The core's remote-configuration calls (src/wasm/config_api.cpp), typed. The core decodes and
// judges every data set and address; the page only fetches, keeps and shows.

export const configKeys = ['apps', 'ads', 'offers', 'umpReferenceData', 'videoTutorials'] as const;
export type ConfigKey = (typeof configKeys)[number];

// One app of the catalogue; without a link where it has no safe https address.
export interface MenuApp {
  name: string;
  link: string | null;
}

export interface ConfigMenu {
  single: MenuApp[];
  multi: MenuApp[];
  rating: string | null;
  community: string;
}

// One recommended video: its still image and its player's address, both null where the
// address names no video (the item says it is unavailable).
export interface VideoItem {
  thumbnail: string | null;
  embed: string | null;
}

export class ConfigCalls {
  constructor(private readonly core: UnitCircleCore) {}

  // Whether a fetched value of the key can be kept.
  decodes(key: ConfigKey, json: string): Promise<boolean> {
    return this.core.call('configDecodes', { key, json });
  }

  // The menu's rows from the JSON text of the apps data set; null when it does not decode.
  menu(apps: string, language: Language): Promise<ConfigMenu | null> {
    return this.core.call('configMenu', { apps, language });
  }

  // This app's videos, its language first; null when the text does not decode.
  videos(videos: string, language: Language): Promise<VideoItem[] | null> {
    return this.core.call('configVideos', { videos, language });
  }
}
