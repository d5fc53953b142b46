import { describe, expect, it } from 'vitest';
import { arcPath, circleFrame, circleReach, clipToBand, labelStep, plotX, plotY, pointerOffset, toSvg, type PlotBox } from './exploreGeometry';

describe('the circle drawing', () => {
  const frame = circleFrame(400);

  it('puts the centre in the middle and y upwards', () => {
    expect(toSvg(frame, 0, 0)).toEqual([200, 200]);
    const [x, y] = toSvg(frame, 1, 1);
    expect(x - 200).toBeCloseTo(frame.radius);
    expect(y - 200).toBeCloseTo(-frame.radius);
    expect(frame.radius * circleReach).toBeCloseTo(200);
  });

  it('reads a pointer as radii from the centre, y upwards, whatever the size on screen', () => {
    const box = { left: 10, top: 50, width: 270, height: 270 };
    // A radius is 270 / 2 / 1.35 = 100 pixels here.
    const [dx, dy] = pointerOffset(box, 10 + 135 - 100, 50 + 135 - 100);
    expect(dx).toBeCloseTo(-1);
    expect(dy).toBeCloseTo(1);
  });

  it('clips a segment at the edge of the band, keeping its direction', () => {
    expect(clipToBand([1, 0], [1, 0.5], 1.3)).toEqual([1, 0.5]);
    expect(clipToBand([1, 0], [1, -57], 1.3)).toEqual([1, -1.3]);
    // From the point at 135° through the centre to (1, -1), inside the band.
    expect(clipToBand([-0.5, 0.5], [1, -1], 1.3)).toEqual([1, -1]);
    const [x, y] = clipToBand([0, 1], [1, 5], 1.3);
    expect(y).toBe(1.3);
    expect(x).toBeCloseTo(0.075);
  });

  it('turns counter-clockwise on screen with the negative SVG sweep', () => {
    // From (1, 0) to (0, 1) at radius 1: up and to the left on screen.
    const [sx, sy] = toSvg(frame, 1, 0);
    const [ex, ey] = toSvg(frame, 0, 1);
    expect(arcPath(frame, 1, [1, 0], [0, 1], true, false)).toBe(`M${sx} ${sy}A${frame.radius} ${frame.radius} 0 0 0 ${ex} ${ey}`);
    expect(arcPath(frame, 1, [1, 0], [0, -1], true, true)).toMatch(/ 0 1 0 /);
    expect(arcPath(frame, 1, [1, 0], [0, -1], false, false)).toMatch(/ 0 0 1 /);
  });
});

describe('the graph drawing', () => {
  const box: PlotBox = { left: 40, top: 10, width: 360, height: 200, xMin: 360, xMax: 720, yMin: -1.25, yMax: 1.25 };

  it('maps the turn across the box and the values upwards', () => {
    expect(plotX(box, 360)).toBe(40);
    expect(plotX(box, 540)).toBe(220);
    expect(plotX(box, 720)).toBe(400);
    expect(plotY(box, 1.25)).toBe(10);
    expect(plotY(box, 0)).toBe(110);
    expect(plotY(box, -1.25)).toBe(210);
  });

  it('labels every x tick where the labels fit, else every second or more', () => {
    const turn = { xMin: 0, xMax: 360, xTicks: ['0°', '90°', '180°', '270°', '360°'].map((label, i) => ({ value: 90 * i, label })) };
    expect(labelStep(turn, 300, 12.8)).toBe(1);
    // Twice the text size on a phone: 54 px between ticks, labels about 74 px wide.
    expect(labelStep(turn, 217, 25.6)).toBe(2);
    expect(labelStep({ ...turn, xTicks: [] }, 100, 40)).toBe(1);
  });
});
