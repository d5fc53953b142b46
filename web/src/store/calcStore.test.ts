import 'fake-indexeddb/auto';
import { afterEach, describe, expect, it, vi } from 'vitest';
import { openDB } from 'idb';
import { CalcStore, type Calculation } from './calcStore';
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

describe('moving rows', () => {
  const alphas = (list: Calculation[]) => list.map((c) => c.inputParameters['α']);
  // Moves the row of `alpha` to index `to` of the list as shown.
  async function move(store: CalcStore, alpha: string, to: number): Promise<void> {
    const listed = await store.calculations();
    const row = listed.find((c) => c.inputParameters['α'] === alpha)!;
    const rest = listed.filter((c) => c !== row);
    expect(await store.moveCalculation(row, rest[to - 1], rest[to])).toBe(true);
  }

  it('moves a row to the top, the bottom and between two, and keeps the order', async () => {
    const name = `test-${++databases}`;
    const store = await CalcStore.open(name);
    for (const alpha of ['1', '2', '3', '4']) await store.insertCalculation(record(alpha));
    await move(store, '1', 0);
    expect(alphas(await store.calculations())).toEqual(['1', '4', '3', '2']);
    await move(store, '4', 3);
    expect(alphas(await store.calculations())).toEqual(['1', '3', '2', '4']);
    await move(store, '4', 1);
    expect(alphas(await store.calculations())).toEqual(['1', '4', '3', '2']);
    // A new calculation still comes on top.
    await store.insertCalculation(record('5'));
    store.close();
    const again = await CalcStore.open(name);
    expect(alphas(await again.calculations())).toEqual(['5', '1', '4', '3', '2']);
  });

  it('keeps its place however often rows go between the same two', async () => {
    const store = await freshStore();
    for (const alpha of ['a', 'b', 'c']) await store.insertCalculation(record(alpha));
    // c b a: moving the bottom row up under the top one, over and over, halves the gap
    // until the rows are numbered afresh.
    for (let i = 0; i < 80; ++i) await move(store, alphas(await store.calculations())[2], 1);
    expect(alphas(await store.calculations()).sort()).toEqual(['a', 'b', 'c']);
    expect((await store.calculations()).every((c, i, all) => i === 0 || (c.order ?? 0) < (all[i - 1].order ?? 0))).toBe(true);
  });

  it('loses no row of another tab that adds or moves rows at the same time', async () => {
    const name = `test-${++databases}`;
    const first = await CalcStore.open(name);
    const second = await CalcStore.open(name);
    for (const alpha of ['1', '2', '3']) await first.insertCalculation(record(alpha));
    const seenByFirst = await first.calculations();
    await Promise.all([
      first.moveCalculation(seenByFirst[2], undefined, seenByFirst[0]),
      second.insertCalculation(record('4')),
      second.insertCalculation(record('5')),
    ]);
    const listed = alphas(await second.calculations());
    expect([...listed].sort()).toEqual(['1', '2', '3', '4', '5']);
    expect(listed.indexOf('1')).toBeLessThan(listed.indexOf('3'));
    expect(listed.indexOf('5')).toBeLessThan(listed.indexOf('4'));
  });

  it('lists a history stored before rows could move in the order it had', async () => {
    const name = `test-${++databases}`;
    const old = await openDB(name, 1, {
      upgrade(db) {
        db.createObjectStore('calculations', { keyPath: 'id', autoIncrement: true });
        db.createObjectStore('open');
      },
    });
    for (const alpha of ['1', '2', '3']) await old.add('calculations', record(alpha));
    old.close();
    const store = await CalcStore.open(name);
    expect(alphas(await store.calculations())).toEqual(['3', '2', '1']);
    await store.insertCalculation(record('4'));
    await move(store, '1', 1);
    expect(alphas(await store.calculations())).toEqual(['4', '1', '3', '2']);
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
