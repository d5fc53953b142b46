import catalogues from 'virtual:translations';
import type { Language } from '../core/solution';
import { chooseLanguage } from './language';

let language: Language = chooseLanguage(
  typeof navigator === 'undefined' ? [] : navigator.languages ?? [navigator.language],
);

export const currentLanguage = (): Language => language;
export function setLanguage(next: Language): void {
  language = next;
}

// The app's text for a key in its context; the key itself where no translation exists.
export function tr(context: string, key: string): string {
  return catalogues[language]?.[context]?.[key] ?? key;
}

// A text with its placeholders %1, %2 ... filled in.
export function fill(text: string, ...values: (string | number)[]): string {
  return values.reduce<string>((result, value, i) => result.replace(`%${i + 1}`, String(value)), text);
}
