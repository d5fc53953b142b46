import { describe, expect, it } from 'vitest';
import { createFakeCore } from './testing/fakeCore';
import { UnitCircleCore } from './unitCircleCore';
import { readSolveAnswer } from './solution';
import { CoreFailure } from './coreBridge';

describe('reading the core', () => {
  it('reads a solution: steps in their display form, the card and the history summary', async () => {
    const core = await UnitCircleCore.load(createFakeCore);
    const outcome = await core.solve('45', '', 'en');
    if (!outcome.ok) throw new Error('expected a solution');
    expect(outcome.solution.steps).toHaveLength(23);
    expect(outcome.solution.steps[1].title).toBe('Step 1    Chosen Formula');
    expect(outcome.solution.steps[21].latexString).toBe('\\gamma = 45.0^{\\circ}');
    expect(outcome.solution.steps[21].displayLatex).toBe('\\gamma = 45^{\\circ}');
    const card = outcome.solution.card;
    expect(card?.title).toBe('Exact values');
    expect(card?.lines[0]).toEqual({ parts: ['\\alpha = 45^{\\circ}', 'b = \\frac{\\pi}{4}', '\\approx 0.7854'], joins: [' \\quad ', ' '] });
    expect(card?.lines[1].parts).toEqual(['\\sin\\alpha = \\frac{\\sqrt{2}}{2}', '\\approx 0.7071']);
    expect(card?.lines.map((line) => line.parts.join(' '))).toContain('\\text{Reference angle} 45^{\\circ}');
    expect(outcome.solution.summaryLatex).toContain('\\alpha = 45');
  });

  it('reads an error with its offending fields and its localised message', async () => {
    const core = await UnitCircleCore.load(createFakeCore);
    expect(await core.solve('1/0', '', 'de')).toEqual({
      ok: false,
      error: { key: 'inputZeroInDenominator', fields: ['alpha'], message: 'Der Nenner darf nicht 0 sein: Durch null teilt man nicht.' },
    });
  });

  it('keeps only card lines with parts and strings among them', () => {
    const answer = (card: unknown) => JSON.stringify({ error: null, steps: [{ title: 'Your Input', latexString: 'b' }], card });
    const read = (card: unknown) => {
      const outcome = readSolveAnswer(answer(card));
      return outcome.ok ? outcome.solution.card : undefined;
    };
    expect(read(null)).toBeNull();
    expect(read({ title: 'T', lines: [{ parts: [], joins: [] }] })).toBeNull();
    expect(read({ title: 'T', lines: [{ parts: ['a', 3, 'b'], joins: [' '] }, 'x'] })).toEqual({ title: 'T', lines: [{ parts: ['a', 'b'], joins: [' '] }] });
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

  it('turns anything unreadable into an input error instead of failing', () => {
    for (const answer of ['', 'not json', '[]', '{"error": null, "steps": []}']) {
      expect(readSolveAnswer(answer).ok).toBe(false);
    }
  });

  it('tells a core that gave no answer from an input error', async () => {
    const throwing = new UnitCircleCore({ solve: () => { throw new Error('trap'); }, call: () => null });
    expect(await throwing.solve('1', '', 'en')).toEqual({ ok: false, failure: 'failed' });
    const givenUp = new UnitCircleCore({ solve: () => Promise.reject(new CoreFailure('cancelled')), call: () => null });
    expect(await givenUp.solve('1', '', 'en')).toEqual({ ok: false, failure: 'cancelled' });
  });
});
