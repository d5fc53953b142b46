import { describe, expect, it } from 'vitest';
import { enabledFields, errorBorders, errorPresentation } from './fieldStates';

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

  it("shows the core's localised message, a contradiction as an alert", () => {
    expect(errorPresentation({ key: 'inputParameterError', fields: [], message: 'Nur Ziffern' }, 'unread')).toEqual({ kind: 'toast', message: 'Nur Ziffern' });
    expect(errorPresentation({ key: 'oppositionError', fields: [], message: 'Widerspruch' }, 'unread')).toEqual({ kind: 'alert', message: 'Widerspruch' });
  });

  it('stands in for a message an unreadable answer lacks', () => {
    expect(errorPresentation({ key: 'inputParameterError', fields: ['alpha', 'b'], message: null }, 'unread')).toEqual({ kind: 'toast', message: 'unread' });
    expect(errorPresentation({ key: '', fields: [], message: null }, 'unread')).toBeNull();
  });
});
