import { describe, expect, it } from 'vitest';
import { deleteBackward, insertKey, insertKeys, keypadKeyFor, pastedKeys } from './keypadEditing';

describe('keypad editing', () => {
  it('types over the selection and puts the caret after the key', () => {
    expect(insertKey('1234', 1, 3, '5')).toEqual({ text: '154', caret: 2 });
    expect(insertKey('', 0, 0, 'π')).toEqual({ text: 'π', caret: 1 });
    expect(insertKey('3/4', 0, 0, 'π')).toEqual({ text: 'π3/4', caret: 1 });
  });

  it('toggles the sign of the whole text with "-"', () => {
    const negative = insertKey('12', 2, 2, '-');
    expect(negative).toEqual({ text: '-12', caret: 3 });
    expect(insertKey(negative.text, negative.caret, negative.caret, '-')).toEqual({ text: '12', caret: 2 });
  });

  it('deletes the selection or the character before the caret, nothing at the start', () => {
    expect(deleteBackward('1234', 0, 0)).toEqual({ text: '1234', caret: 0 });
    expect(deleteBackward('1234', 1, 3)).toEqual({ text: '14', caret: 1 });
    expect(deleteBackward('1234', 4, 4)).toEqual({ text: '123', caret: 3 });
    expect(deleteBackward('12', 9, 9)).toEqual({ text: '1', caret: 1 });
  });

  it('takes from a physical keyboard only what the keypad types', () => {
    expect(keypadKeyFor('p')).toBe('π');
    expect(keypadKeyFor(',')).toBe('.');
    expect(keypadKeyFor('e')).toBe('e');
    expect(keypadKeyFor('x')).toBeNull();
    expect(keypadKeyFor(' ')).toBeNull();
  });

  it('reads pasted text as typed keys, refusing a character no key types', () => {
    expect(pastedKeys('13,5')).toEqual(['1', '3', '.', '5']);
    expect(pastedKeys('\u2212135')).toEqual(['-', '1', '3', '5']);
    expect(pastedKeys(' 3p/4\n')).toEqual(['3', 'π', '/', '4']);
    expect(pastedKeys('  ')).toEqual([]);
    expect(pastedKeys('1\u0007')).toBeNull();
    expect(pastedKeys('1 35')).toBeNull();
  });

  it('types pasted keys over the selection, the sign as its key does', () => {
    expect(insertKeys('12', 0, 2, ['-', '3', '4'])).toEqual({ text: '-34', caret: 3 });
    expect(insertKeys('19', 1, 1, ['.', '5'])).toEqual({ text: '1.59', caret: 3 });
    expect(insertKeys('7', 1, 1, [])).toEqual({ text: '7', caret: 1 });
  });
});
