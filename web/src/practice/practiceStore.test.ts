import 'fake-indexeddb/auto';
import { afterEach, describe, expect, it, vi } from 'vitest';
import { PracticeStore } from './practiceStore';
import type { StoreNotice } from '../store/storeConnection';

describe('practice store', () => {
  afterEach(() => vi.restoreAllMocks());

  it('keeps the progress in memory while the browser refuses storage, and says so once', async () => {
    vi.spyOn(indexedDB, 'open').mockImplementation(() => {
      throw new DOMException('denied', 'SecurityError');
    });
    const store = await PracticeStore.open('practice-refused');
    const notices: StoreNotice[] = [];
    store.onNotice = (notice) => notices.push(notice);
    await store.setSchedule('{"cards":1}');
    await store.setLevel(2);
    expect(await store.schedule()).toBe('{"cards":1}');
    expect(await store.level()).toBe(2);
    expect(notices).toEqual([{ failure: 'refused', change: 'progress' }]);
  });
});
