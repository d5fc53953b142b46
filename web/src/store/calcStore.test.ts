import 'fake-indexeddb/auto';
import { describe, expect, it } from 'vitest';
import { CalcStore } from './calcStore';

let databases = 0;
const freshStore = () => CalcStore.open(`test-${++databases}`);
const record = (alpha: string) => ({ inputParameters: { 'α': alpha }, latexString: `\\alpha = ${alpha}` });

describe('calculation store', () => {
  it('lists the history newest first and deletes single entries', async () => {
    const store = await freshStore();
    for (const alpha of ['1', '2', '3']) await store.insertCalculation(record(alpha));
    const listed = await store.calculations();
    expect(listed.map((c) => c.inputParameters['α'])).toEqual(['3', '2', '1']);
    await store.removeCalculation(listed[1].id!);
    expect((await store.calculations()).map((c) => c.inputParameters['α'])).toEqual(['3', '1']);
    await store.clearCalculations();
    expect(await store.calculations()).toEqual([]);
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
