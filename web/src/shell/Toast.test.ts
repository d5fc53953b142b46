import { describe, expect, it } from 'vitest';
import { messageTop } from './Toast';

describe('message beside its field', () => {
  const gap = 8;
  const field = { top: 200, bottom: 256 };

  it('goes under its field, or over it where under it would cover the keys or leave the window', () => {
    expect(messageTop(field, 40, { top: 400, bottom: 800 }, 844, gap)).toBe(264);
    expect(messageTop(field, 90, { top: 300, bottom: 420 }, 422, gap)).toBe(102);
    expect(messageTop({ top: 300, bottom: 356 }, 90, null, 422, gap)).toBe(202);
  });

  it('failing both, stays under its field as far as the window lets it', () => {
    expect(messageTop({ top: 60, bottom: 116 }, 90, { top: 130, bottom: 420 }, 422, gap)).toBe(124);
    expect(messageTop({ top: 20, bottom: 76 }, 90, null, 120, gap)).toBe(22);
  });

  it('without a field sits just above the keys, or at the window\'s foot when they are out of sight', () => {
    expect(messageTop(null, 40, { top: 500, bottom: 900 }, 844, gap)).toBe(452);
    expect(messageTop(null, 40, { top: 900, bottom: 1300 }, 844, gap)).toBe(796);
    expect(messageTop(null, 40, null, 844, gap)).toBe(796);
  });
});
