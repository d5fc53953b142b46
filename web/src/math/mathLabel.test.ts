import { beforeAll, describe, expect, it } from 'vitest';
import { loadMath, typeset } from './mathLabel';

describe('typesetting the core formulas', () => {
  beforeAll(loadMath);

  it('colours only the group after \\color, as the app does', () => {
    const mathml = typeset('\\alpha \\cdot \\;\\color{#ff3333}{ \\frac{2\\pi}{360^{\\circ}} } = b', 'mathml');
    const coloured = /<mstyle mathcolor="#ff3333">([\s\S]*?)<\/mstyle>/.exec(mathml)?.[1] ?? '';
    expect(coloured).toContain('<mfrac>');
    expect(coloured).not.toContain('<mi>b</mi>');
    expect(mathml).toContain('<mi>b</mi>');
  });

  it('reads every construct the steps and the card use', () => {
    for (const latex of ['\\left(\\frac{1}{^{\\circ}}\\right)', '\\sum = 0', '\\gamma = 45^{\\circ}', 'Q = II', '\\infty', '\\text{Quadrant II}', '\\frac{\\sqrt{3}}{2} \\quad |']) {
      expect(() => typeset(latex)).not.toThrow();
    }
  });
});
