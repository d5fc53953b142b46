import { describe, expect, it } from 'vitest';
import { nextPercent, storedPercent, textSizeChangeOf } from './textSize';

const key = (key: string, modifiers: Partial<KeyboardEventInit> = { ctrlKey: true }) =>
  ({ key, ctrlKey: false, metaKey: false, altKey: false, ...modifiers }) as KeyboardEvent;

describe('text size', () => {
  it('steps by 25 % between 100 % and 200 %, and back to 100 %', () => {
    expect(nextPercent(100, 'enlarge')).toBe(125);
    expect(nextPercent(200, 'enlarge')).toBe(200);
    expect(nextPercent(100, 'reduce')).toBe(100);
    expect(nextPercent(175, 'reset')).toBe(100);
  });

  it('reads Ctrl or ⌘ with +, =, - and 0, nothing else', () => {
    expect(['+', '=', '-', '0'].map((k) => textSizeChangeOf(key(k)))).toEqual(['enlarge', 'enlarge', 'reduce', 'reset']);
    expect(textSizeChangeOf(key('+', { metaKey: true }))).toBe('enlarge');
    expect(textSizeChangeOf(key('+', {}))).toBeNull();
    expect(textSizeChangeOf(key('+', { ctrlKey: true, altKey: true }))).toBeNull();
    expect(textSizeChangeOf(key('v'))).toBeNull();
  });

  it('reads a stored size, and anything else as 100 %', () => {
    expect(storedPercent('150')).toBe(150);
    expect(['', null, '90', '250', 'large', '1e2'].map(storedPercent)).toEqual([100, 100, 100, 100, 100, 100]);
    expect(storedPercent('140')).toBe(150);
  });
});
