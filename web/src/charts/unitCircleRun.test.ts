import { afterEach, beforeEach, describe, expect, it, vi } from 'vitest';
import type { UnitCircleChartData } from '../core/solution';
import type { CircleState, CircleTurn, StepHighlight } from './chartCalls';
import { circleGeometry, fittingSize } from './unitCircleGeometry';
import { LatestOnly, UnitCircleRun, arcStress, labelStress, partStyle, type CircleCalls, type SceneChange } from './unitCircleRun';

const data: UnitCircleChartData = {
  kind: 'unitCircle', frameRatio: 2, alpha: 400, b: 6.98, angle: 40, fullCircles: 1, quadrant: 'I',
};

const counting = (from: number, to: number, unit = '°') =>
  Array.from({ length: 21 }, (_, k) => `${from + ((to - from) * k) / 20}${unit}`);

function turn(index: number, sweep: number, isLast: boolean, color: string): CircleTurn {
  return {
    index, isLast, isEmpty: sweep === 0, fullCirclesText: String(index),
    arc: { turn: index, sweep, color },
    alphaTexts: counting(360 * index, 360 * index + sweep), gammaTexts: counting(0, sweep),
    pXTexts: counting(0, 1, ''), pYTexts: counting(0, 1, ''),
  };
}

const final: CircleState = {
  alphaText: '400°', gammaText: '40°', fullCirclesText: '1', pXText: '0.77', pYText: '0.64',
  arcs: [{ turn: 0, sweep: 360, color: '#ff1919' }, { turn: 1, sweep: 40, color: '#e8fa19' }],
  arrowDegrees: 40, quadrant: 1, pointX: 0.77, pointY: 0.64,
};

// The core's answers to α = 400°, each after `delay` ms (0: at once).
function fakeCalls(turns: CircleTurn[], delay = 0) {
  const asked: number[] = [];
  const later = <T>(value: T) => (delay ? new Promise<T>((resolve) => setTimeout(() => resolve(value), delay)) : Promise.resolve(value));
  const calls: CircleCalls = {
    circleTurn: (_data, i) => {
      asked.push(i);
      return later(turns[i] ?? null);
    },
    circleFinal: () => later(final),
  };
  return { calls, asked };
}

function record(run: () => UnitCircleRun) {
  const changes: SceneChange[] = [];
  return { changes, listener: (what: SceneChange) => changes.push(what), run };
}

describe('the unit circle run', () => {
  beforeEach(() => vi.useFakeTimers({ toFake: ['setTimeout', 'clearTimeout', 'performance', 'Date'] }));
  afterEach(() => vi.useRealTimers());

  const fourHundred = [turn(0, 360, false, '#ff1919'), turn(1, 40, true, '#e8fa19')];

  it('plays each turn in one second with 21 counting updates, then shows the quadrant and projections', async () => {
    const { calls, asked } = fakeCalls(fourHundred);
    const run = new UnitCircleRun(calls, data, () => undefined);
    await run.start();
    expect(run.running).toBe(true);
    // Turn 0 at k = 0; the next turn is already asked for.
    expect(run.scene.labels).toMatchObject({ alpha: '0°', gamma: '0°', n: '0' });
    expect(asked).toEqual([0, 1]);
    expect(run.scene.quadrant).toBe(-1);
    expect(run.scene.quadrantFadeMs).toBe(500);
    expect(run.scene.arcs).toEqual([{ ...fourHundred[0].arc, growing: true }]);
    expect(run.scene.arrowDegrees).toBe(360);
    expect(run.scene.arrowAnimated).toBe(true);

    await vi.advanceTimersByTimeAsync(500);
    expect(run.scene.labels.alpha).toBe('180°');
    await vi.advanceTimersByTimeAsync(499);
    expect(run.scene.labels.alpha).toBe('342°');
    // At one second the last update of turn 0 and, without a gap, turn 1 from its start.
    await vi.advanceTimersByTimeAsync(1);
    expect(run.scene.labels).toMatchObject({ alpha: '360°', n: '1' });
    expect(run.scene.arcs.map((a) => [a.turn, a.growing])).toEqual([[0, false], [1, true]]);
    expect(run.scene.arrowDegrees).toBe(40);
    expect(run.scene.projectionsVisible).toBe(false);

    await vi.advanceTimersByTimeAsync(1000);
    expect(run.running).toBe(false);
    expect(run.scene.labels).toMatchObject({ alpha: '400°', gamma: '40°', n: '1' });
    expect(run.scene).toMatchObject({
      quadrant: 1, quadrantFadeMs: 1000, projectionsVisible: true, projectionsAnimated: true, pointX: 0.77, pointY: 0.64,
    });
    expect(asked).toEqual([0, 1]);
  });

  it('keeps at most the last two arcs', async () => {
    const turns = [turn(0, 360, false, '#a'), turn(1, 360, false, '#b'), turn(2, 360, false, '#c'), turn(3, 10, true, '#d')];
    const run = new UnitCircleRun(fakeCalls(turns).calls, data, () => undefined);
    await run.start();
    await vi.advanceTimersByTimeAsync(2000);
    expect(run.scene.arcs.map((a) => a.color)).toEqual(['#b', '#c']);
    await vi.advanceTimersByTimeAsync(1000);
    expect(run.scene.arcs.map((a) => a.color)).toEqual(['#c', '#d']);
  });

  it('ends at an empty last turn without drawing it', async () => {
    const turns = [turn(0, 360, false, '#a'), turn(1, 0, true, '#b')];
    const run = new UnitCircleRun(fakeCalls(turns).calls, data, () => undefined);
    await run.start();
    await vi.advanceTimersByTimeAsync(1000);
    expect(run.running).toBe(false);
    expect(run.scene.labels.n).toBe('1');
    expect(run.scene.arcs.map((a) => a.color)).toEqual(['#a']);
  });

  it('waits for a late next turn instead of skipping it', async () => {
    const run = new UnitCircleRun(fakeCalls(fourHundred, 1500).calls, data, () => undefined);
    void run.start();
    await vi.advanceTimersByTimeAsync(1500);
    expect(run.scene.labels.n).toBe('0');
    // Turn 1 was asked for at 1.5 s and comes at 3 s, after turn 0 ended at 2.5 s.
    await vi.advanceTimersByTimeAsync(1000);
    expect(run.scene.labels.alpha).toBe('360°');
    expect(run.scene.labels.n).toBe('0');
    await vi.advanceTimersByTimeAsync(500);
    expect(run.scene.labels.n).toBe('1');
  });

  it('ignores a start while running', async () => {
    const { calls, asked } = fakeCalls(fourHundred);
    const run = new UnitCircleRun(calls, data, () => undefined);
    await run.start();
    await vi.advanceTimersByTimeAsync(300);
    await run.start();
    expect(asked).toEqual([0, 1]);
    expect(run.scene.labels.alpha).toBe('108°');
  });

  it('shows the final state at once without motion, and draws nothing for data it cannot draw', async () => {
    const { calls, asked } = fakeCalls(fourHundred);
    const { changes, listener } = record(() => run);
    const run = new UnitCircleRun(calls, data, listener);
    await run.start(true);
    expect(asked).toEqual([]);
    expect(run.running).toBe(false);
    expect(changes).not.toContain('running');
    expect(run.scene).toMatchObject({ quadrant: 1, quadrantFadeMs: 0, projectionsVisible: true, projectionsAnimated: false, arrowAnimated: false });
    expect(run.scene.arcs.map((a) => a.growing)).toEqual([false, false]);

    const none = new UnitCircleRun(fakeCalls([]).calls, data, () => undefined);
    await none.start();
    expect(none.running).toBe(false);
    expect(none.scene.arcs).toEqual([]);
    expect(none.scene.quadrant).toBe(0);
  });

  it('a set angle ends the run, and the run\'s late timers and answers no longer count', async () => {
    const run = new UnitCircleRun(fakeCalls(fourHundred).calls, data, () => undefined);
    await run.start();
    await vi.advanceTimersByTimeAsync(200);
    run.showSetAngle({ ...final, alphaText: '135°', arcs: [{ turn: 0, sweep: 135, color: '#ff1919' }], arrowDegrees: 135, quadrant: 2 });
    await vi.advanceTimersByTimeAsync(3000);
    expect(run.running).toBe(false);
    expect(run.scene.labels.alpha).toBe('135°');
    expect(run.scene.quadrant).toBe(2);
    expect(run.scene.arcs).toHaveLength(1);
  });
});

describe('what a tapped step stresses', () => {
  const sine: StepHighlight = {
    highlight: 'sine', parts: { alpha: -1, gamma: -1, n: -1, x: -1, y: 1, quadrant: -1 }, fullTurnArcs: -1, lastArc: -1,
  };
  const fullTurns: StepHighlight = {
    highlight: 'fullTurns', parts: { alpha: -1, gamma: -1, n: 1, x: -1, y: -1, quadrant: -1 }, fullTurnArcs: 1, lastArc: -1,
  };

  it('draws stressed parts wider and bold, faded ones at a quarter', () => {
    expect(partStyle(1)).toEqual({ width: 9, opacity: 1, bold: true, stressed: true });
    expect(partStyle(0)).toEqual({ width: 5, opacity: 1, bold: false, stressed: false });
    expect(partStyle(-1)).toEqual({ width: 5, opacity: 0.25, bold: false, stressed: false });
  });

  it('tells the last arc from the full turns before it', () => {
    expect([0, 1].map((i) => arcStress(fullTurns, i, 2))).toEqual([1, -1]);
    // A single arc is the last one.
    expect(arcStress(fullTurns, 0, 1)).toBe(-1);
    expect(labelStress(sine, 'y')).toBe(1);
    expect(labelStress(sine, 'x')).toBe(-1);
  });

  it('leaves everything as usual without a highlight', () => {
    const none: StepHighlight = { ...sine, highlight: 'none' };
    expect(arcStress(none, 0, 2)).toBe(0);
    expect(labelStress(none, 'y')).toBe(0);
    expect(labelStress(null, 'quadrant')).toBe(0);
  });
});

describe('answers out of order', () => {
  it('keeps only the last one asked for, and none after a drop', async () => {
    const latest = new LatestOnly();
    let answerFirst!: (v: number) => void;
    const first = latest.take(new Promise<number>((resolve) => (answerFirst = resolve)));
    const second = latest.take(Promise.resolve(2));
    answerFirst(1);
    expect(await second).toBe(2);
    expect(await first).toBeUndefined();

    const dropped = latest.take(Promise.resolve(3));
    latest.drop();
    expect(await dropped).toBeUndefined();
  });
});

describe('unit circle geometry', () => {
  it('fits the counting labels beside the circle, never above their size in the picture', () => {
    const phone = circleGeometry(322, 161, false);
    expect(phone.labelSize).toBe(15);
    expect(phone.leftWidth).toBeGreaterThan(60);
    // A tablet's larger text shrinks to a tenth of the picture's height.
    expect(circleGeometry(480, 240, true).labelSize).toBe(24);
    expect(fittingSize(60, [40, 80], 15, 15)).toBeCloseTo(11.25);
    expect(fittingSize(200, [40], 15, 15)).toBe(15);
    expect(fittingSize(10, [400], 15, 15)).toBe(8);
  });
});
