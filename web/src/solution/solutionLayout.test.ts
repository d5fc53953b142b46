import { describe, expect, it } from 'vitest';
import { nextMarkedStep, scrollToContain, stepNumber, twoPanes } from './solutionLayout';

describe('result layout', () => {
  it('shows two panes from 900 wide, or from 720 in landscape', () => {
    expect(twoPanes(1024, 1366)).toBe(true);
    expect(twoPanes(899, 500)).toBe(true);
    expect(twoPanes(844, 390)).toBe(true);
    expect(twoPanes(720, 720)).toBe(false);
    expect(twoPanes(719, 400)).toBe(false);
    expect(twoPanes(390, 844)).toBe(false);
  });

  it('names the marked step by its title\'s number, else by its place', () => {
    expect(stepNumber('Step 12    Calculate sin', 12)).toBe(12);
    expect(stepNumber('Schritt 3', 5)).toBe(3);
    expect(stepNumber('Your Input', 0)).toBe(1);
  });

  it('marks a tapped step, clears it on a second tap or when it shows nothing', () => {
    expect(nextMarkedStep(-1, 4, true)).toBe(4);
    expect(nextMarkedStep(4, 7, true)).toBe(7);
    expect(nextMarkedStep(4, 4, true)).toBe(-1);
    expect(nextMarkedStep(4, 0, false)).toBe(-1);
  });

  it('scrolls just enough to bring a box wholly into sight', () => {
    const view = { top: 100, height: 500 };
    expect(scrollToContain(view, { top: 200, height: 100 })).toBe(0);
    expect(scrollToContain(view, { top: 550, height: 100 })).toBe(50);
    expect(scrollToContain(view, { top: 40, height: 100 })).toBe(-60);
    // Taller than the view: its top.
    expect(scrollToContain(view, { top: 300, height: 800 })).toBe(200);
  });
});
