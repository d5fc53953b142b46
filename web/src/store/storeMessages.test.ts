import { describe, expect, it } from 'vitest';
import { setLanguage } from '../i18n/texts';
import type { StoreChange, StoreFailure } from './storeConnection';
import { storeNoticeText } from './storeMessages';

describe('storage messages', () => {
  const failures: StoreFailure[] = ['full', 'refused', 'busy', 'deleted', 'failed'];
  const changes: StoreChange[] = ['calculation', 'deletion', 'clearing', 'progress', 'reopened'];

  it.each(['en', 'de'] as const)('are whole sentences in %s, never a key', (language) => {
    setLanguage(language);
    for (const failure of failures) {
      for (const change of changes) expect(storeNoticeText({ failure, change })).toMatch(/^[^a-z]\S*( \S+)*\.( \S+)+\.$/u);
    }
    setLanguage('en');
  });

  it('say the cause, then the cost', () => {
    expect(storeNoticeText({ failure: 'full', change: 'calculation' })).toBe("The browser's storage for this page is full. The calculation was not saved.");
  });
});
