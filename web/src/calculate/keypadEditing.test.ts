import { describe, expect, it } from 'vitest';
import { deleteBackward, insertKey, keypadKeyFor } from './keypadEditing';

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
});
