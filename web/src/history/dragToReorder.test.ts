import { describe, expect, it } from 'vitest';
import { dropIndex } from './dragToReorder';

describe('where a carried row lands', () => {
  // The middles of three other rows, 64 px apart.
  const middles = [32, 96, 160];

  it('goes before the first row whose middle lies below it', () => {
    expect(dropIndex(0, middles)).toBe(0);
    expect(dropIndex(31, middles)).toBe(0);
    expect(dropIndex(33, middles)).toBe(1);
    expect(dropIndex(159, middles)).toBe(2);
  });

  it('goes last below every row, and alone into an empty list', () => {
    expect(dropIndex(161, middles)).toBe(3);
    expect(dropIndex(500, [])).toBe(0);
  });
});
