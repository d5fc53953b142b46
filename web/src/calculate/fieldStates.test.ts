import { describe, expect, it } from 'vitest';
import { enabledFields, errorBorders, errorPresentation } from './fieldStates';

const lookup = (key: string) =>
  ({ mustBeGreatherThanX: 'greater than %0', mustBeBiggerThanXAndLessThanY: 'between %0 and %1', inputParameterError: 'bad input' })[key] ?? key;

describe('field availability', () => {
  it('disables the empty field once the other holds text, and enables both again', () => {
    expect(enabledFields({ alpha: '4', b: '' })).toEqual({ alpha: true, b: false });
    expect(enabledFields({ alpha: '', b: 'π' })).toEqual({ alpha: false, b: true });
    expect(enabledFields({ alpha: '', b: '' })).toEqual({ alpha: true, b: true });
    expect(enabledFields({ alpha: '4', b: '' }, 0)).toEqual({ alpha: true, b: true });
  });
});

describe('error display', () => {
  it('borders missing input orange and every other error red, only on the fields named', () => {
    expect(errorBorders({ key: 'notEnoughInputValues', fields: ['alpha', 'b'], message: null })).toEqual({ alpha: 'orange', b: 'orange' });
    expect(errorBorders({ key: 'inputZeroInDenominator', fields: ['b'], message: null })).toEqual({ alpha: 'normal', b: 'red' });
  });

  it("prefers the core's localised message and falls back to the app's text of the key", () => {
    expect(errorPresentation({ key: 'inputParameterError', fields: [], message: 'Nur Ziffern' }, lookup)).toEqual({ kind: 'toast', message: 'Nur Ziffern' });
    expect(errorPresentation({ key: 'inputParameterError', fields: [], message: null }, lookup)).toEqual({ kind: 'toast', message: 'bad input' });
    expect(errorPresentation({ key: 'unknownKey', fields: [], message: null }, lookup)).toEqual({ kind: 'toast', message: 'unknownKey' });
  });

  it('fills in arguments and shows nothing when their number is wrong', () => {
    expect(errorPresentation({ key: 'mustBeGreatherThanX§0', fields: [], message: null }, lookup)).toEqual({ kind: 'toast', message: 'greater than 0' });
    expect(errorPresentation({ key: 'mustBeBiggerThanXAndLessThanY§1§2', fields: [], message: null }, lookup)).toEqual({ kind: 'toast', message: 'between 1 and 2' });
    expect(errorPresentation({ key: 'mustBeGreatherThanX', fields: [], message: null }, lookup)).toBeNull();
    expect(errorPresentation({ key: '§§', fields: [], message: null }, lookup)).toBeNull();
  });

  it('shows a contradiction as an alert', () => {
    expect(errorPresentation({ key: 'oppositionError', fields: [], message: null }, lookup)?.kind).toBe('alert');
  });
});
