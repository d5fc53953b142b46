import { describe, expect, it } from 'vitest';
import { deleteBackward, isChosenWord, keyboardKey, typeKey } from './answerEditing';

describe('practice answer editing', () => {
  it('adds keys at the end and deletes the last character', () => {
    let answer = '';
    for (const key of ['√', '3', '/', '2']) answer = typeKey(answer, key);
    expect(answer).toBe('√3/2');
    expect(deleteBackward(answer)).toBe('√3/');
    expect(deleteBackward('')).toBe('');
  });

  it('replaces and deletes a chosen word whole', () => {
    expect(typeKey('undefined', '1')).toBe('1');
    expect(typeKey('keine Lösung', '3')).toBe('3');
    expect(deleteBackward('III')).toBe('');
    expect(deleteBackward('nicht definiert')).toBe('');
  });

  it('keeps typed answers with π or units as typed text', () => {
    expect(isChosenWord('π')).toBe(false);
    expect(typeKey('π', '/')).toBe('π/');
    expect(isChosenWord('30°')).toBe(false);
    expect(isChosenWord('')).toBe(false);
  });

  it('takes from a keyboard only what the keypad could type', () => {
    expect(['7', '(', ';', ',', '°', 'π', '√'].map(keyboardKey)).toEqual(['7', '(', ';', ',', '°', 'π', '√']);
    expect(['a', 'Enter', '*', 'Shift'].map(keyboardKey)).toEqual([null, null, null, null]);
  });
});
