import type { Language } from '../core/solution';

// The first of the browser's languages that the tutor speaks; English otherwise.
export function chooseLanguage(preferred: readonly string[]): Language {
  for (const tag of preferred) {
    const primary = tag.toLowerCase().split(/[-_]/)[0];
    if (primary === 'de' || primary === 'en') return primary;
  }
  return 'en';
}
