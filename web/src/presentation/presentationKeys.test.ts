import { describe, expect, it } from 'vitest';
import { presentationTakes } from './presentationKeys';

const press = (key: string, modifiers: Partial<{ ctrlKey: boolean; altKey: boolean; metaKey: boolean }> = {}) =>
  ({ key, ctrlKey: false, altKey: false, metaKey: false, ...modifiers });

describe('presentationTakes', () => {
  it('takes the keys that would scroll or leave, so the core decides them', () => {
    for (const key of [' ', 'Enter', 'ArrowDown', 'PageUp', 'Home', 'End', 'Backspace', 'Escape', 'b']) {
      expect(presentationTakes(press(key), false), key).toBe(true);
    }
  });

  it('leaves shortcuts, Tab, function keys and a button\'s own keys to the browser', () => {
    expect(presentationTakes(press('+', { ctrlKey: true }), false)).toBe(false);
    expect(presentationTakes(press('ArrowLeft', { altKey: true }), false)).toBe(false);
    expect(presentationTakes(press('r', { metaKey: true }), false)).toBe(false);
    expect(presentationTakes(press('Tab'), false)).toBe(false);
    expect(presentationTakes(press('F11'), false)).toBe(false);
    expect(presentationTakes(press('Enter'), true)).toBe(false);
    expect(presentationTakes(press(' '), true)).toBe(false);
    // On the close button the clicker's Page Down still turns the steps.
    expect(presentationTakes(press('PageDown'), true)).toBe(true);
  });
});
