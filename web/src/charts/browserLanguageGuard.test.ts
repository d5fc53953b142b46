import { describe, expect, it } from 'vitest';
import { guardBrowserLanguage } from './browserLanguageGuard';

describe('browser language guard', () => {
  it('replaces a language that is no tag, and keeps a good one', () => {
    const broken = { language: 'C' } as Navigator;
    guardBrowserLanguage(broken);
    expect(() => new Intl.NumberFormat(broken.language)).not.toThrow();
    const german = { language: 'de-DE' } as Navigator;
    guardBrowserLanguage(german);
    expect(german.language).toBe('de-DE');
  });
});
