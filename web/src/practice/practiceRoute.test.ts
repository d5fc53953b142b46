import { describe, expect, it } from 'vitest';
import { localDayNumber, parsePracticeRoute, practiceHash } from './practiceRoute';

describe('practice route', () => {
  it('reads the seed and level of a shared link', () => {
    expect(parsePracticeRoute('#/practice?seed=7&level=2')).toEqual({ seed: '7', level: 2 });
    expect(parsePracticeRoute('#/practice?level=3&seed=007')).toEqual({ seed: '7', level: 3 });
    expect(parsePracticeRoute('#/practice')).toEqual({ seed: null, level: null });
  });

  it('keeps seeds past a double exactly, and refuses what the command line refuses', () => {
    expect(parsePracticeRoute('#/practice?seed=18446744073709551615')?.seed).toBe('18446744073709551615');
    expect(parsePracticeRoute('#/practice?seed=18446744073709551616')?.seed).toBeNull();
    expect(parsePracticeRoute('#/practice?seed=-1&level=4')).toEqual({ seed: null, level: null });
    expect(parsePracticeRoute('#/practice?seed=1e3&level=2.0')).toEqual({ seed: null, level: null });
  });

  it('is not the route of other pages', () => {
    expect(parsePracticeRoute('')).toBeNull();
    expect(parsePracticeRoute('#/history')).toBeNull();
    expect(parsePracticeRoute('#/practiceX')).toBeNull();
  });

  it('writes back what it reads', () => {
    const route = { seed: '42', level: 1 };
    expect(parsePracticeRoute(practiceHash(route))).toEqual(route);
    expect(practiceHash({ seed: null, level: null })).toBe('#/practice');
  });

  it("counts the learner's calendar day, not UTC's", () => {
    expect(localDayNumber(new Date(1970, 0, 1, 0, 5))).toBe(0);
    expect(localDayNumber(new Date(2026, 11, 8, 23, 59))).toBe(20_795);
    expect(localDayNumber(new Date(2026, 11, 9, 0, 1))).toBe(20_796);
  });
});
