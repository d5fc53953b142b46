import { h } from '../shell/dom';
import { textSizeChanged } from '../shell/textSize';
import type { ExploreGraph } from './exploreCalls';
import { labelStep, plotX, plotY, polylinePoints, type PlotBox } from './exploreGeometry';
import { s } from './svg';

// The graph of the chosen function over the point's turn: the whole curve faint, the part the
// point has swept strong in the function's colour, the tracer at the point, and an inverse
// question's line with its crossings. Drawn in the view's own pixels, so that its labels keep
// the app's text size.

const rootFontSize = () => parseFloat(getComputedStyle(document.documentElement).fontSize) || 16;

export class ExploreGraphView {
  readonly element: HTMLElement;
  private readonly svg = s('svg', { class: 'explore-graph-drawing', 'aria-hidden': 'true', focusable: 'false' });
  private graph: ExploreGraph | null = null;
  // Drawn again when the width changes; the height follows from it. Width and rem are kept
  // here, so that drawing while the point moves reads no layout (reading it forced the whole
  // page's layout at every move).
  private readonly resize = new ResizeObserver((entries) => {
    const width = Math.round(entries[entries.length - 1].contentRect.width);
    if (width === this.width) return;
    this.width = width;
    this.draw();
  });
  private width = 0;
  private rem = rootFontSize();
  private readonly redraw = () => {
    this.rem = rootFontSize();
    this.draw();
  };

  constructor() {
    this.element = h('div', { class: 'explore-graph' });
    this.element.append(this.svg);
    this.resize.observe(this.element);
    window.addEventListener(textSizeChanged, this.redraw);
  }

  destroy(): void {
    this.resize.disconnect();
    window.removeEventListener(textSizeChanged, this.redraw);
  }

  render(graph: ExploreGraph): void {
    this.graph = graph;
    this.element.dataset.function = graph.function;
    this.draw();
  }

  private draw(): void {
    const g = this.graph;
    const width = this.width;
    if (!g || width <= 0) return;
    const rem = this.rem;
    const margin = { left: 2.6 * rem, right: 1.8 * rem, top: 0.75 * rem, bottom: 1.9 * rem };
    const plotWidth = width - margin.left - margin.right;
    const height = Math.round(margin.top + margin.bottom + Math.min(Math.max(plotWidth * 0.6, 8 * rem), 22 * rem));
    const box: PlotBox = {
      left: margin.left, top: margin.top, width: plotWidth, height: height - margin.top - margin.bottom,
      xMin: g.xMin, xMax: g.xMax, yMin: g.yMin, yMax: g.yMax,
    };
    const X = (x: number) => plotX(box, x);
    const Y = (y: number) => plotY(box, y);
    const bottom = box.top + box.height;
    const right = box.left + box.width;
    const parts: Element[] = [];
    const clipId = 'explore-graph-clip';
    parts.push(s('clipPath', { id: clipId }, s('rect', { x: box.left, y: box.top, width: box.width, height: box.height })));
    for (const tick of g.yTicks) {
      const y = Y(tick.value);
      parts.push(s('line', { class: tick.value === 0 ? 'explore-graph-axis' : 'explore-graph-grid', x1: box.left, y1: y, x2: right, y2: y }));
      parts.push(s('text', { class: 'explore-graph-label', x: box.left - 0.35 * rem, y, 'text-anchor': 'end', 'dominant-baseline': 'central' }, tick.label));
    }
    const every = labelStep(g, box.width, 0.8 * rem);
    g.xTicks.forEach((tick, i) => {
      const x = X(tick.value);
      parts.push(s('line', { class: 'explore-graph-grid', x1: x, y1: box.top, x2: x, y2: bottom }));
      if (i % every === 0) parts.push(s('text', { class: 'explore-graph-label', x, y: bottom + 0.3 * rem, 'text-anchor': 'middle', 'dominant-baseline': 'hanging' }, tick.label));
    });
    const lines = (pieces: [number, number][][], cls: string) =>
      s('g', { 'clip-path': `url(#${clipId})` },
        ...pieces.filter((piece) => piece.length > 1).map((piece) => s('polyline', { class: cls, points: polylinePoints(box, piece), fill: 'none' })));
    parts.push(lines(g.curve, 'explore-graph-curve'), lines(g.trail, 'explore-graph-trail'));
    if (g.lineY !== null && g.lineY >= g.yMin && g.lineY <= g.yMax) {
      const y = Y(g.lineY);
      parts.push(s('line', { class: 'explore-graph-value', x1: box.left, y1: y, x2: right, y2: y }));
      for (const crossing of g.crossings) {
        parts.push(s('circle', { class: 'explore-graph-crossing', cx: X(crossing.degrees), cy: y, r: 0.35 * rem, 'data-degrees': crossing.degrees }));
      }
    }
    if (g.tracer) {
      const [x, y] = g.tracer;
      if (y >= g.yMin && y <= g.yMax) {
        parts.push(s('line', { class: 'explore-graph-tracer-line', x1: X(x), y1: Y(0), x2: X(x), y2: Y(y) }));
        parts.push(s('circle', { class: 'explore-graph-tracer', cx: X(x), cy: Y(y), r: 0.4 * rem }));
      }
    }
    this.svg.style.setProperty('--function-color', g.color);
    this.svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
    this.svg.replaceChildren(...parts);
  }
}
