// Drawn with uPlot: a small library that draws on a canvas and finds the cursor's nearest sample
// itself, so no axes or hit-testing are written by hand here. Only the chart row imports this
// module, and only dynamically, so uPlot stays out of the first load.
// First: it makes the browser's language safe for uPlot to read as it loads.
import './browserLanguageGuard';
import uPlot from 'uplot';
import 'uplot/dist/uPlot.min.css';
import './SplineChartView.css';
import type { TrigonometricChartData } from '../core/solution';
import type { AxisTick, ChartCalls, Graph } from './chartCalls';
import { h } from '../shell/dom';
import { tr } from '../i18n/texts';
import {
  axisFont, graphColumns, graphDescription, graphOptions, labelWidths, pointTextsAt, tooltipPlace, withAlpha,
  type GraphColors, type GraphLayout,
} from './graphOptions';

// A function graph of a chart row (sine or cosine over the arc length). The chart row owns its
// element and calls destroy() when the row goes.
export interface SplineChartView {
  readonly element: HTMLElement;
  destroy(): void;
}

// A touch shows the crosshair this long after the finger lifts, as in the app.
const TOUCH_HOLD_MS = 2500;

export function splineChartView(calls: ChartCalls, data: TrigonometricChartData): SplineChartView {
  const element = h('div', { class: 'spline-chart', 'data-type': data.type ?? '' });
  let teardown: (() => void) | null = null;
  let destroyed = false;

  calls.graph(data).then(
    (graph) => {
      if (destroyed) return;
      if (!graph) {
        element.append(h('p', { class: 'spline-message' }, tr('ChartTableViewCell', 'This graph is too long to draw: it repeats every 2π.')));
        return;
      }
      teardown = drawGraph(element, calls, graph, data.frameRatio);
    },
    (error: unknown) => console.error('graph', error),
  );

  return {
    element,
    destroy() {
      destroyed = true;
      teardown?.();
      element.remove();
    },
  };
}

function drawGraph(element: HTMLElement, calls: ChartCalls, graph: Graph, frameRatio: number): () => void {
  const frame = h('div', { class: 'spline-plot', role: 'img', 'aria-label': graphDescription(graph) });
  const header = h('div', { class: 'spline-tooltip-line' });
  const body = h('div', { class: 'spline-tooltip-line' });
  // Outside the image: children of role="img" are hidden from screen readers.
  const tooltip = h('div', { class: 'spline-tooltip', 'aria-live': 'polite', hidden: true }, header, body);
  const mark = h('span', { class: 'spline-legend-mark', 'aria-hidden': 'true' });
  mark.style.background = graph.color;
  const legend = h('div', { class: 'spline-legend', 'aria-hidden': 'true' }, mark, graph.seriesName);
  element.append(frame, tooltip, legend);

  const columns = graphColumns(graph);
  let plot: uPlot | null = null;
  let shownTicks: AxisTick[] = [];
  let ticksAsked = 0;
  let shownIndex: number | null = null;
  let hideTimer: ReturnType<typeof setTimeout> | undefined;

  // The canvas takes what the row's frame leaves after the title (and the legend below); a
  // frame without a height of its own gets a square-ish plot from its width.
  const layout = (): GraphLayout => {
    const style = getComputedStyle(frame);
    const rem = parseFloat(getComputedStyle(document.documentElement).fontSize) || 16;
    // Axis text grows less than the rest: past 1.4 times the labels no longer fit the axes.
    const fontPx = Math.min(0.75 * rem, 12 * 1.4);
    const width = Math.floor(frame.clientWidth);
    const title = plot?.root.querySelector<HTMLElement>('.u-title')?.offsetHeight ?? 1.6 * rem;
    const given = frame.clientHeight - title;
    const ratio = frameRatio > 0 ? frameRatio : 1;
    const height = Math.floor(given >= 8 * rem ? given : Math.min(Math.max(width / ratio, 14 * rem), 26 * rem));
    return { width, height, fontPx, fontFamily: style.fontFamily || 'sans-serif' };
  };

  const colors = (): GraphColors => {
    const style = getComputedStyle(element);
    const read = (name: string, fallback: string) => style.getPropertyValue(name).trim() || fallback;
    const line = read('--system-gray-color', '#8e8e93');
    return {
      line,
      minorLine: withAlpha(line, 0.08),
      text: read('--secondary-label-color', line),
      label: read('--label-color', '#000000'),
      background: read('--system-background-color', '#ffffff'),
    };
  };

  // The labels that fit depend on the plot's width: asked again whenever it changes.
  const askTicks = (font: Pick<GraphLayout, 'fontPx' | 'fontFamily'>) => {
    if (!plot) return;
    const asked = ++ticksAsked;
    const width = plot.bbox.width / uPlot.pxRatio;
    const context = document.createElement('canvas').getContext('2d');
    if (context) context.font = axisFont(font);
    const widths = labelWidths(graph.xTicks, font.fontPx, context ? (label) => context.measureText(label).width : null);
    calls.readableTicks(graph.xTicks, graph.xMin, graph.xMax, width, widths).then((ticks) => {
      if (asked !== ticksAsked || !plot) return;
      shownTicks = ticks;
      // The canvas' labels, for tests and tools that cannot read a canvas.
      element.dataset.xTicks = ticks.map((tick) => tick.label).join('|');
      plot.redraw(false, true);
    }, (error: unknown) => console.error('readableTicks', error));
  };

  const hideCrosshair = () => plot?.setCursor({ left: -10, top: -10 });

  const showTooltip = (u: uPlot) => {
    const index = u.cursor.left !== undefined && u.cursor.left >= 0 ? u.cursor.idx : null;
    const texts = pointTextsAt(graph, index);
    if (!texts) {
      tooltip.hidden = true;
      shownIndex = null;
      return;
    }
    if (index !== shownIndex) {
      header.textContent = texts[0];
      body.textContent = texts[1];
      shownIndex = index ?? null;
    }
    tooltip.hidden = false;
    const over = u.over.getBoundingClientRect();
    const box = element.getBoundingClientRect();
    const place = tooltipPlace(
      { left: u.cursor.left ?? 0, top: u.cursor.top ?? 0 },
      { width: tooltip.offsetWidth, height: tooltip.offsetHeight },
      { width: over.width, height: over.height },
    );
    tooltip.style.left = `${over.left - box.left + place.left}px`;
    tooltip.style.top = `${over.top - box.top + place.top}px`;
  };

  // Onto the nearest sample point, so the lines cross where the tooltip's values are.
  const snap = (u: uPlot, left: number, top: number): [number, number] => {
    if (!(left >= 0)) return [left, top];
    const index = u.posToIdx(left);
    const x = columns[0][index];
    const y = columns[1][index];
    if (x === undefined || y === undefined) return [left, top];
    const height = u.bbox.height / uPlot.pxRatio;
    return [u.valToPos(x, 'x'), Math.min(height, Math.max(0, u.valToPos(y, 'y')))];
  };

  // The view follows pointers itself: uPlot listens to the mouse only, and the compatibility
  // mouse events after a tap would take a touch's crosshair away again at once.
  const follow = (event: PointerEvent) => {
    if (!plot) return;
    const rect = plot.over.getBoundingClientRect();
    plot.setCursor({ left: event.clientX - rect.left, top: event.clientY - rect.top });
    clearTimeout(hideTimer);
    if (event.pointerType !== 'mouse') hideTimer = setTimeout(hideCrosshair, TOUCH_HOLD_MS);
  };
  const leave = (event: PointerEvent) => {
    if (event.pointerType === 'mouse') hideCrosshair();
  };

  const build = () => {
    const size = layout();
    if (size.width <= 0) return;
    plot?.destroy();
    shownIndex = null;
    tooltip.hidden = true;
    plot = new uPlot(
      graphOptions({
        graph, layout: size, colors: colors(),
        xTicks: () => shownTicks,
        spline: uPlot.paths.spline!(),
        snap,
        hooks: { setCursor: [showTooltip] },
      }),
      columns,
      frame,
    );
    plot.over.addEventListener('pointerdown', follow);
    plot.over.addEventListener('pointermove', follow);
    plot.over.addEventListener('pointerleave', leave);
    askTicks(size);
  };

  let last = { width: -1, height: -1 };
  const observer = new ResizeObserver(() => {
    const size = layout();
    if (size.width <= 0 || (size.width === last.width && size.height === last.height)) return;
    const widthChanged = size.width !== last.width;
    last = size;
    if (!plot) {
      build();
      // Now the title's height is known.
      const sized = layout();
      if (plot && sized.height !== size.height) (plot as uPlot).setSize({ width: sized.width, height: sized.height });
      last = sized;
      return;
    }
    plot.setSize({ width: size.width, height: size.height });
    if (widthChanged) askTicks(size);
  });
  observer.observe(frame);

  // The palette changes with the system's appearance; the canvas keeps what it was drawn with.
  const appearance = window.matchMedia('(prefers-color-scheme: dark)');
  const redraw = () => build();
  appearance.addEventListener('change', redraw);

  return () => {
    observer.disconnect();
    appearance.removeEventListener('change', redraw);
    clearTimeout(hideTimer);
    plot?.destroy();
    plot = null;
  };
}
