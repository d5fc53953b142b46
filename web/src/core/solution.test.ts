import { describe, expect, it } from 'vitest';
import { createFakeCore } from './testing/fakeCore';
import { UnitCircleCore } from './unitCircleCore';
import { readSolveAnswer } from './solution';

describe('reading the core', () => {
  it('reads a solution: steps, exact values and the history summary', async () => {
    const core = await UnitCircleCore.load(createFakeCore);
    const outcome = await core.solve('45', '', 'en');
    if (!outcome.ok) throw new Error('expected a solution');
    expect(outcome.solution.steps).toHaveLength(23);
    expect(outcome.solution.steps[1].title).toBe('Step 1    Chosen Formula');
    expect(outcome.solution.exact?.sin.latex).toBe('\\frac{\\sqrt{2}}{2}');
    expect(outcome.solution.exact?.quadrant).toBe('I');
    expect(outcome.solution.summaryLatex).toContain('\\alpha = 45');
  });

  it('reads an error with its offending fields', async () => {
    const core = await UnitCircleCore.load(createFakeCore);
    expect(await core.solve('1/0', '', 'de')).toEqual({ ok: false, error: { key: 'inputZeroInDenominator', fields: ['alpha'], message: null } });
  });

  it('reads the hint of a b typed as a decimal near a fraction of π', async () => {
    const core = await UnitCircleCore.load(createFakeCore);
    const outcome = await core.solve('', '2.35619449019', 'en');
    expect(outcome.ok && outcome.solution.hint).toBe('3π/4');
    const typedWithPi = await core.solve('', '3π/4', 'en');
    expect(typedWithPi.ok && typedWithPi.solution.hint).toBeNull();
  });

  it('reads a message and a hint where the core gives them', () => {
    const answer = JSON.stringify({ error: { key: 'inputParameterError', fields: ['b', 'x'], message: 'Only digits' } });
    expect(readSolveAnswer(answer)).toEqual({ ok: false, error: { key: 'inputParameterError', fields: ['b'], message: 'Only digits' } });
    const solved = readSolveAnswer(JSON.stringify({ error: null, steps: [{ title: 'Your Input', latexString: 'b' }], hint: '3π/4' }));
    expect(solved.ok && solved.solution.hint).toBe('3π/4');
  });

  it('turns anything unreadable into an input error instead of failing', async () => {
    for (const answer of ['', 'not json', '[]', '{"error": null, "steps": []}']) {
      expect(readSolveAnswer(answer).ok).toBe(false);
    }
    const throwing = new UnitCircleCore({ solve: () => { throw new Error('trap'); } });
    expect((await throwing.solve('1', '', 'en')).ok).toBe(false);
  });
});
