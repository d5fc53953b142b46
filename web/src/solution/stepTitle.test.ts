import { describe, expect, it } from 'vitest';
import { stepTitle } from './stepTitle';

describe('step title', () => {
  it('shows a "#bold" title bold without the marker', () => {
    expect(stepTitle('Result#bold')).toEqual({ text: 'Result', bold: true });
    expect(stepTitle('Result')).toEqual({ text: 'Result', bold: false });
  });
});
