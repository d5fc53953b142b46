import 'fake-indexeddb/auto';
import { afterEach, describe, expect, it, vi } from 'vitest';
import { CalcStore } from './calcStore';
import type { StoreNotice } from './storeConnection';

let databases = 0;
const freshStore = () => CalcStore.open(`test-${++databases}`);
const record = (alpha: string) => ({ inputParameters: { 'α': alpha }, latexString: `\\alpha = ${alpha}` });

describe('calculation store', () => {
  it('lists the history newest first and deletes single entries', async () => {
    const store = await freshStore();
    for (const alpha of ['1', '2', '3']) await store.insertCalculation(record(alpha));
    const listed = await store.calculations();
    expect(listed.map((c) => c.inputParameters['α'])).toEqual(['3', '2', '1']);
    await store.removeCalculation(listed[1]);
    expect((await store.calculations()).map((c) => c.inputParameters['α'])).toEqual(['3', '1']);
    await store.clearCalculations();
    expect(await store.calculations()).toEqual([]);
  });

  it('puts a deleted entry back where it was, also one kept in memory only', async () => {
    const store = await freshStore();
    for (const alpha of ['1', '2', '3']) await store.insertCalculation(record(alpha));
    const listed = await store.calculations();
    expect(await store.removeCalculation(listed[1])).toBe(true);
    await store.insertCalculation(record('4'));
    await store.restoreCalculation(listed[1]);
    expect((await store.calculations()).map((c) => c.inputParameters['α'])).toEqual(['4', '3', '2', '1']);
    expect((await store.calculations())[2].id).toBe(listed[1].id);
  });

  it('keeps what it holds across a new connection', async () => {
    const name = `test-${++databases}`;
    const first = await CalcStore.open(name);
    await first.insertCalculation(record('45'));
    first.close();
    const second = await CalcStore.open(name);
    expect((await second.calculations())[0].inputParameters).toEqual({ 'α': '45' });
  });

  it('fills the input page from a chosen entry once, then from the last typed input', async () => {
    const store = await freshStore();
    await store.setOpenCalculation('currentCalculation', record('7'));
    await store.setOpenCalculation('currentSelectedCalculation', { inputParameters: { b: 'π' }, latexString: '' });
    expect((await store.takeInputToFill())?.inputParameters).toEqual({ b: 'π' });
    expect((await store.takeInputToFill())?.inputParameters).toEqual({ 'α': '7' });
  });
});

describe('calculation store when storage fails', () => {
  afterEach(() => vi.restoreAllMocks());
  const alphas = (list: { inputParameters: Record<string, string> }[]) => list.map((c) => c.inputParameters['α']);
  const listen = (store: CalcStore) => {
    const notices: StoreNotice[] = [];
    store.onNotice = (notice) => notices.push(notice);
    return notices;
  };

  it('works from memory while the browser refuses it, tells once, and stores again once allowed', async () => {
    const name = `test-${++databases}`;
    const refuse = vi.spyOn(indexedDB, 'open').mockImplementation(() => {
      throw new DOMException('denied', 'SecurityError');
    });
    const store = await CalcStore.open(name);
    const notices = listen(store);
    await store.insertCalculation(record('1'));
    await store.insertCalculation(record('2'));
    await store.setOpenCalculation('currentSelectedCalculation', record('2'));
    expect(notices).toEqual([{ failure: 'refused', change: 'calculation' }]);
    expect((await store.takeInputToFill())?.inputParameters).toEqual({ 'α': '2' });

    refuse.mockRestore();
    await store.insertCalculation(record('3'));
    expect(alphas(await store.calculations())).toEqual(['3', '2', '1']);
    expect(alphas(await (await CalcStore.open(name)).calculations())).toEqual(['3']);
    expect(notices).toHaveLength(1);
  });

  it('lets a database deleted elsewhere go at once, then writes it afresh and says so once', async () => {
    const name = `test-${++databases}`;
    const store = await CalcStore.open(name);
    const notices = listen(store);
    await store.insertCalculation(record('1'));
    const deletion = await new Promise<string>((resolve) => {
      const request = indexedDB.deleteDatabase(name);
      request.onblocked = () => resolve('blocked');
      request.onsuccess = () => resolve('deleted');
    });
    expect(deletion).toBe('deleted');
    await store.insertCalculation(record('2'));
    await store.insertCalculation(record('3'));
    expect(notices).toEqual([{ failure: 'deleted', change: 'reopened' }]);
    expect(alphas(await store.calculations())).toEqual(['3', '2']);
  });
});
