import type uPlot from 'uplot';
import type { AxisTick, Graph } from './chartCalls';

// The graph's drawing options, kept free of the DOM so they can be checked without a browser.
// Every number and text comes from the core's graph; this only places them.

export interface GraphColors {
  // Axis lines and grid.
  line: string;
  // The grid between the y ticks.
  minorLine: string;
  // Axis labels and titles.
  text: string;
  // The crosshair's lines and the tooltip's text.
  label: string;
  background: string;
}

export interface GraphLayout {
  width: number;
  height: number;
  // Axis labels and titles, px; the chart title is 3 px larger, as in the app.
  fontPx: number;
  fontFamily: string;
}

export const axisFont = (layout: Pick<GraphLayout, 'fontPx' | 'fontFamily'>): string =>
  `${layout.fontPx}px ${layout.fontFamily}`;

// "#rrggbb" at an opacity, for the faint minor grid (the app's grey at 8 %); other colours as given.
export function withAlpha(color: string, alpha: number): string {
  const hex = /^#([0-9a-f]{6})$/i.exec(color.trim());
  if (!hex) return color;
  const n = parseInt(hex[1], 16);
  return `rgba(${n >> 16}, ${(n >> 8) & 255}, ${n & 255}, ${alpha})`;
}

// uPlot wants columns: the x values, then the y values.
export function graphColumns(graph: Graph): [number[], number[]] {
  return [graph.points.map((p) => p[0]), graph.points.map((p) => p[1])];
}

// Each distinct label's width with the axis' padding of 4 px on either side. Without a canvas
// to measure on, a label is taken as wide as its characters at 0.6 em each.
export function labelWidths(
  ticks: AxisTick[],
  fontPx: number,
  measure: ((label: string) => number) | null,
): Record<string, number> {
  const widths: Record<string, number> = {};
  for (const { label } of ticks) {
    if (label in widths) continue;
    const measured = measure?.(label);
    const width = measured !== undefined && Number.isFinite(measured) ? measured : [...label].length * 0.6 * fontPx;
    widths[label] = width + 8;
  }
  return widths;
}

// The crosshair's two lines of the point at uPlot's cursor index; null off the graph.
export function pointTextsAt(graph: Graph, index: number | null | undefined): [string, string] | null {
  if (index === null || index === undefined || !Number.isInteger(index)) return null;
  return graph.pointTexts[index] ?? null;
}

// What the chart is, for screen readers: its title, its series and where x runs.
export function graphDescription(graph: Graph): string {
  const first = graph.pointTexts[0]?.[0];
  const last = graph.pointTexts[graph.pointTexts.length - 1]?.[0];
  const range = first === undefined ? '' : first === last ? `: ${first}` : `: ${first} – ${last}`;
  return `${graph.chartTitle}, ${graph.seriesName}${range}`;
}

// Top-left corner of a tooltip beside the point (10 px right, 10 px up), kept inside the plot.
export function tooltipPlace(
  point: { left: number; top: number },
  tooltip: { width: number; height: number },
  plot: { width: number; height: number },
): { left: number; top: number } {
  const left = Math.min(plot.width - tooltip.width, Math.max(0, point.left + 10));
  const top = Math.max(0, Math.min(plot.height - tooltip.height, point.top - tooltip.height - 10));
  return { left: Math.max(0, left), top };
}

export interface GraphOptionsInput {
  graph: Graph;
  layout: GraphLayout;
  colors: GraphColors;
  // The x ticks to label; read on every redraw, so new ticks need only a redraw of the axes.
  xTicks: () => AxisTick[];
  // uPlot.paths.spline(), handed in so this module needs no uPlot at run time.
  spline: uPlot.Series.PathBuilder;
  // Keeps the cursor on the nearest sample point.
  snap: uPlot.Cursor.MousePosRefiner;
  hooks?: uPlot.Options['hooks'];
}

export function graphOptions(input: GraphOptionsInput): uPlot.Options {
  const { graph, layout, colors } = input;
  const font = axisFont(layout);
  const labelFont = axisFont(layout);
  const axisLine = { show: true, stroke: colors.line, width: 0.5 };
  const tick = { show: true, stroke: colors.line, width: 0.5, size: 4 };
  const series: uPlot.Series = graph.scatter
    ? {
        label: graph.seriesName,
        stroke: graph.color,
        fill: undefined,
        paths: () => null,
        points: {
          show: true,
          size: Math.max(2, 2 * graph.markerRadius + 1),
          width: 0,
          fill: graph.color,
          stroke: graph.color,
        },
      }
    : { label: graph.seriesName, stroke: graph.color, width: 2.5, paths: input.spline, points: { show: false } };
  return {
    width: layout.width,
    height: layout.height,
    title: graph.chartTitle,
    legend: { show: false },
    padding: [4, 8, 4, 4],
    scales: {
      x: { time: false, auto: false, range: [graph.xMin, graph.xMax] },
      y: { auto: false, range: [graph.yMin, graph.yMax] },
    },
    series: [{ label: 'x' }, series],
    axes: [
      {
        scale: 'x',
        label: 'x',
        font,
        labelFont,
        labelSize: layout.fontPx + 4,
        // Tick, gap and one line of labels: uPlot's default leaves a wide gap above the title.
        size: Math.ceil(layout.fontPx * 1.4 + 10),
        stroke: colors.text,
        grid: { show: true, stroke: colors.line, width: 0.25 },
        ticks: tick,
        border: axisLine,
        splits: () => input.xTicks().map((t) => t.value),
        values: () => input.xTicks().map((t) => t.label),
      },
      // Minor grid only: drawn first so the major lines stay on top.
      {
        scale: 'y',
        side: 3,
        size: 0,
        gap: 0,
        labelSize: 0,
        stroke: 'transparent',
        font,
        grid: { show: true, stroke: colors.minorLine, width: 1 },
        ticks: { show: false },
        splits: () => graph.yMinorTicks,
        values: (_u, splits) => splits.map(() => ''),
      },
      {
        scale: 'y',
        side: 3,
        label: graph.seriesName,
        font,
        labelFont,
        labelSize: layout.fontPx + 6,
        size: layout.fontPx * 2.6 + 8,
        stroke: colors.text,
        grid: { show: true, stroke: colors.line, width: 0.25 },
        ticks: tick,
        border: axisLine,
        splits: () => graph.yTicks.map((t) => t.value),
        values: () => graph.yTicks.map((t) => t.label),
      },
    ],
    cursor: {
      x: true,
      y: true,
      drag: { x: false, y: false, setScale: false },
      // uPlot calls these per series; plain values would switch its point off.
      points: {
        size: () => 8,
        width: () => 1.5,
        fill: () => graph.color,
        stroke: () => colors.background,
      },
      move: input.snap,
      // The view moves the cursor from pointer events, for mouse and touch alike.
      bind: Object.fromEntries(
        (['mousedown', 'mouseup', 'click', 'dblclick', 'mousemove', 'mouseleave', 'mouseenter'] as const).map((name) => [name, () => null]),
      ) as unknown as uPlot.Cursor.Bind,
      focus: { prox: -1 },
    },
    hooks: input.hooks,
  };
}
