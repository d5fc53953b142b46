import { describe, expect, it } from 'vitest';
import { displayForm, stepTitle } from './displayForm';
import { exactValuesCardLines } from './ExactValuesCard';

describe('step display form', () => {
  it('drops ".0" of whole numbers but keeps decimals', () => {
    expect(displayForm('b = \\color{#009900}{ 45.0^{\\circ} }')).toBe('b = \\;\\color{#009900}{ 45^{\\circ} }');
    expect(displayForm('\\tan(\\alpha) = 1.0')).toBe('\\tan\\left(\\alpha\\right) = 1');
    expect(displayForm('x = 0.05')).toBe('x = 0.05');
  });

  it('collapses sign pairs and keeps a quadrant numeral with a plain bracket', () => {
    expect(displayForm('a = +-3')).toBe('a = -3');
    expect(displayForm('2 --3')).toBe('2 +3');
    expect(displayForm('a = --3')).toBe('a =3');
    expect(displayForm('II) x')).toBe('II) x');
  });

  it('converges on text that already has stretchy brackets', () => {
    const once = displayForm('\\left(1\\right)');
    expect(displayForm(once)).toBe(once);
  });

  it('shows a "#bold" title bold without the marker', () => {
    expect(stepTitle('Result#bold')).toEqual({ text: 'Result', bold: true });
    expect(stepTitle('Result')).toEqual({ text: 'Result', bold: false });
  });
});

describe('exact values card', () => {
  const words = (key: string) => ({ quadrant: 'Quadrant', undefined: 'undefined' })[key] ?? key;
  const value = (latex: string | null, decimal: number | null) => ({ latex, decimal });

  it("shows the core's lines as they are", () => {
    const exact = { b: null, quadrant: 'I', sin: value(null, 0), cos: value(null, 1), tan: value(null, 0), lines: ['\\alpha = 0^{\\circ}'] };
    expect(exactValuesCardLines(exact, words)).toEqual(['\\alpha = 0^{\\circ}']);
  });

  it('otherwise lists the exact forms, an undefined tangent and the quadrant', () => {
    const exact = { b: '\\frac{\\pi}{2}', quadrant: 'I', sin: value('1', 1), cos: value('0', 0), tan: value(null, null), lines: [] };
    expect(exactValuesCardLines(exact, words)).toEqual([
      'b = \\frac{\\pi}{2}', '\\sin\\alpha = 1', '\\cos\\alpha = 0', '\\tan\\alpha \\quad \\text{undefined}', '\\text{Quadrant I}',
    ]);
  });
});
