import { describe, expect, it } from 'vitest';
import type uPlot from 'uplot';
import type { Graph } from './chartCalls';
import {
  graphColumns, graphDescription, graphOptions, labelWidths, pointTextsAt, tooltipPlace, withAlpha,
} from './graphOptions';

// The core's graph for b = π/4, shortened to three points.
const sine: Graph = {
  chartTitle: 'Sin',
  seriesName: 'sin(x)',
  color: '#FF0000',
  scatter: false,
  markerRadius: 0,
  points: [[0, 0], [0.392, 0.382], [0.784, 0.706]],
  pointTexts: [['x: 0', 'sin(x): 0'], ['x: 0.392', 'sin(x): 0.382'], ['x: 0.784', 'sin(x): 0.706']],
  xMin: 0,
  xMax: 0.784,
  yMin: -1.2,
  yMax: 1.2,
  yTickInterval: 0.5,
  yTicks: [-1, -0.5, 0, 0.5, 1].map((value) => ({ value, label: String(value) })),
  yMinorTicks: [-0.9, -0.8, 0.1, 0.3],
  xTicks: [{ value: 0, label: '0' }],
};

const colors = { line: '#8e8e93', minorLine: 'rgba(142, 142, 147, 0.08)', text: '#5c5c60', label: '#000000', background: '#ffffff' };
const layout = { width: 390, height: 350, fontPx: 12, fontFamily: 'sans-serif' };
const spline = (() => null) as unknown as uPlot.Series.PathBuilder;
const options = (graph: Graph, xTicks = graph.xTicks) =>
  graphOptions({ graph, layout, colors, xTicks: () => xTicks, spline, snap: (_u, l, t) => [l, t] });
const u = {} as uPlot;

describe('y ticks', () => {
  it("draws the core's major ticks with its labels and its minor ones as a faint grid", () => {
    const [, minor, major] = options(sine).axes!;
    expect((major.splits as () => number[])()).toEqual([-1, -0.5, 0, 0.5, 1]);
    expect((major.values as () => string[])()).toEqual(['-1', '-0.5', '0', '0.5', '1']);
    expect((minor.splits as () => number[])()).toEqual([-0.9, -0.8, 0.1, 0.3]);
  });
});

describe('x tick label widths', () => {
  const ticks = [{ value: 0, label: '0' }, { value: 1.5705, label: 'π/2' }, { value: 7.854, label: '5π/2' }, { value: 9.42, label: 'π/2' }];

  it('measures each distinct label once, with 8 px of padding', () => {
    const measured: string[] = [];
    const widths = labelWidths(ticks, 12, (label) => (measured.push(label), label.length * 5));
    expect(widths).toEqual({ '0': 13, 'π/2': 23, '5π/2': 28 });
    expect(measured).toEqual(['0', 'π/2', '5π/2']);
  });

  it('estimates from the characters when nothing can measure', () => {
    expect(labelWidths(ticks, 10, null)).toEqual({ '0': 14, 'π/2': 26, '5π/2': 32 });
    // A measurer that fails for a label falls back for that label only.
    expect(labelWidths(ticks.slice(0, 2), 10, (l) => (l === '0' ? NaN : 20))).toEqual({ '0': 14, 'π/2': 28 });
  });
});

describe('crosshair texts', () => {
  it("gives the core's texts of the cursor's point and nothing off the graph", () => {
    expect(pointTextsAt(sine, 2)).toEqual(['x: 0.784', 'sin(x): 0.706']);
    expect(pointTextsAt(sine, 0)).toEqual(['x: 0', 'sin(x): 0']);
    for (const index of [null, undefined, -1, 3, 1.5]) expect(pointTextsAt(sine, index)).toBeNull();
  });

  it('keeps the tooltip beside the point and inside the plot', () => {
    const tip = { width: 100, height: 40 };
    const plot = { width: 300, height: 200 };
    expect(tooltipPlace({ left: 50, top: 100 }, tip, plot)).toEqual({ left: 60, top: 50 });
    // Right edge: pushed left; top edge: held at 0; tooltip wider than the plot: at 0.
    expect(tooltipPlace({ left: 290, top: 5 }, tip, plot)).toEqual({ left: 200, top: 0 });
    expect(tooltipPlace({ left: 10, top: 10 }, { width: 400, height: 40 }, plot).left).toBe(0);
  });
});

describe('uPlot data and options', () => {
  it('turns the points into columns', () => {
    expect(graphColumns(sine)).toEqual([[0, 0.392, 0.784], [0, 0.382, 0.706]]);
  });

  it("draws the core's ranges, title, axis titles and x ticks", () => {
    const made = options(sine, [{ value: 0, label: '0' }, { value: 1.5705, label: 'π/2' }]);
    expect(made.title).toBe('Sin');
    expect(made.scales?.x?.range).toEqual([0, 0.784]);
    expect(made.scales?.y?.range).toEqual([-1.2, 1.2]);
    const [x, minor, y] = made.axes!;
    expect(x.label).toBe('x');
    expect(y.label).toBe('sin(x)');
    const splits = (x.splits as () => number[])();
    expect(splits).toEqual([0, 1.5705]);
    expect((x.values as (u: uPlot, s: number[]) => string[])(u, splits)).toEqual(['0', 'π/2']);
    expect((minor.values as (u: uPlot, s: number[]) => string[])(u, [0.1, 0.2])).toEqual(['', '']);
    // uPlot's own legend would print its own numbers.
    expect(made.legend?.show).toBe(false);
  });

  it('reads the x ticks anew on every redraw', () => {
    let shown = [{ value: 0, label: '0' }];
    const made = graphOptions({ graph: sine, layout, colors, xTicks: () => shown, spline, snap: (_u, l, t) => [l, t] });
    shown = [{ value: 0, label: '0' }, { value: 3.141, label: 'π' }];
    expect((made.axes![0].splits as () => number[])()).toEqual([0, 3.141]);
  });

  it('draws sine as a spline in its colour and tangent as points', () => {
    const line = options(sine).series[1];
    expect(line).toMatchObject({ stroke: '#FF0000', width: 2.5, paths: spline });
    const tangent = options({ ...sine, scatter: true, markerRadius: 1, color: '#00E13A' }).series[1];
    expect(tangent.paths && tangent.paths(u, 1, 0, 2)).toBeNull();
    expect(tangent.points).toMatchObject({ show: true, size: 3, fill: '#00E13A' });
  });

  it("leaves the pointer to the view: uPlot's mouse listeners are off", () => {
    const bind = options(sine).cursor!.bind!;
    for (const name of ['mousedown', 'mousemove', 'mouseleave', 'mouseenter'] as const) {
      expect(bind[name]!(u, document_stub, () => null)).toBeNull();
    }
  });
});

describe('colours and description', () => {
  it('fades a hex colour and passes other colours through', () => {
    expect(withAlpha('#8e8e93', 0.08)).toBe('rgba(142, 142, 147, 0.08)');
    expect(withAlpha('rgb(1, 2, 3)', 0.5)).toBe('rgb(1, 2, 3)');
  });

  it('names the graph and its x range for screen readers', () => {
    expect(graphDescription(sine)).toBe('Sin, sin(x): x: 0 – x: 0.784');
    expect(graphDescription({ ...sine, pointTexts: [] })).toBe('Sin, sin(x)');
  });
});

const document_stub = {} as HTMLElement;
