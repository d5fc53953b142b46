import { h } from '../shell/dom';
import { textSizeChanged } from '../shell/textSize';
import type { ExploreGraph } from './exploreCalls';
import { labelStep, plotX, plotY, polylinePoints, type PlotBox } from './exploreGeometry';
import { display, s, set } from './svg';

// The graph of the chosen function over the point's turn: the whole curve faint, the part the
// point has swept strong in the function's colour, the tracer at the point, and an inverse
// question's line with its crossings. Drawn in the view's own pixels, so that its labels keep
// the app's text size.

const rootFontSize = () => parseFloat(getComputedStyle(document.documentElement).fontSize) || 16;

// The curve with its ticks, kept from the last answer that brought them.
type Curve = Required<Pick<ExploreGraph, 'xTicks' | 'yTicks' | 'curve'>> & Pick<ExploreGraph, 'function' | 'xMin' | 'xMax' | 'yMin' | 'yMax'>;

export class ExploreGraphView {
  readonly element: HTMLElement;
  private readonly svg = s('svg', { class: 'explore-graph-drawing', 'aria-hidden': 'true', focusable: 'false' });
  // The layers: the grid, labels and curve change with the function and the turn; the value
  // line with the question; the trail and the tracer at every move.
  private readonly back = s('g', { class: 'explore-graph-back' });
  private readonly valueLayer = s('g', { class: 'explore-graph-value-layer' });
  private readonly trail = s('g', { class: 'explore-graph-trail-layer' });
  private readonly tracerLine = s('line', { class: 'explore-graph-tracer-line' });
  private readonly tracer = s('circle', { class: 'explore-graph-tracer' });
  private graph: ExploreGraph | null = null;
  private curve: Curve | null = null;
  // What the layers were last drawn from, so that a move redraws only what changed.
  private drawnBack = '';
  private drawnValue = '';
  private box: PlotBox | null = null;
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
    this.drawnBack = '';
    this.draw();
  };

  constructor() {
    this.element = h('div', { class: 'explore-graph' });
    const clipId = 'explore-graph-clip';
    this.trail.setAttribute('clip-path', `url(#${clipId})`);
    this.svg.append(this.back, this.valueLayer, this.trail, this.tracerLine, this.tracer);
    this.element.append(this.svg);
    this.resize.observe(this.element);
    window.addEventListener(textSizeChanged, this.redraw);
  }

  destroy(): void {
    this.resize.disconnect();
    window.removeEventListener(textSizeChanged, this.redraw);
  }

  render(graph: ExploreGraph): void {
    if (graph.curve && graph.xTicks && graph.yTicks) {
      this.curve = {
        function: graph.function, xMin: graph.xMin, xMax: graph.xMax, yMin: graph.yMin, yMax: graph.yMax,
        xTicks: graph.xTicks, yTicks: graph.yTicks, curve: graph.curve,
      };
    }
    this.graph = graph;
    this.element.dataset.function = graph.function;
    this.draw();
  }

  private draw(): void {
    const g = this.graph;
    const c = this.curve;
    const width = this.width;
    if (!g || !c || width <= 0) return;
    const rem = this.rem;
    const backKey = `${width} ${rem} ${c.function} ${c.xMin}`;
    if (backKey !== this.drawnBack) {
      this.drawBack(c, width, rem);
      this.drawnBack = backKey;
      this.drawnValue = '';
    }
    const box = this.box!;
    const X = (x: number) => plotX(box, x);
    const Y = (y: number) => plotY(box, y);

    const valueKey = g.lineY === null ? '' : `${g.lineY} ${g.crossings.map((crossing) => crossing.degrees).join(' ')}`;
    if (valueKey !== this.drawnValue) {
      const parts: Element[] = [];
      if (g.lineY !== null && g.lineY >= c.yMin && g.lineY <= c.yMax) {
        const y = Y(g.lineY);
        parts.push(s('line', { class: 'explore-graph-value', x1: box.left, y1: y, x2: box.left + box.width, y2: y }));
        for (const crossing of g.crossings) {
          parts.push(s('circle', { class: 'explore-graph-crossing', cx: X(crossing.degrees), cy: y, r: 0.35 * rem, 'data-degrees': crossing.degrees }));
        }
      }
      this.valueLayer.replaceChildren(...parts);
      this.drawnValue = valueKey;
    }

    // The trail's polylines are kept and only their points change.
    const pieces = g.trail.filter((piece) => piece.length > 1);
    while (this.trail.childElementCount > pieces.length) this.trail.lastElementChild!.remove();
    while (this.trail.childElementCount < pieces.length) this.trail.append(s('polyline', { class: 'explore-graph-trail', fill: 'none' }));
    pieces.forEach((piece, i) => set(this.trail.children[i], { points: polylinePoints(box, piece) }));

    const tracer = g.tracer !== null && g.tracer[1] >= c.yMin && g.tracer[1] <= c.yMax ? g.tracer : null;
    display(this.tracerLine, tracer !== null);
    display(this.tracer, tracer !== null);
    if (tracer) {
      const [x, y] = tracer;
      set(this.tracerLine, { x1: X(x), y1: Y(0), x2: X(x), y2: Y(y) });
      set(this.tracer, { cx: X(x), cy: Y(y), r: 0.4 * rem });
    }
  }

  // The grid, the labels and the whole curve faint.
  private drawBack(c: Curve, width: number, rem: number): void {
    const margin = { left: 2.6 * rem, right: 1.8 * rem, top: 0.75 * rem, bottom: 1.9 * rem };
    const plotWidth = width - margin.left - margin.right;
    const height = Math.round(margin.top + margin.bottom + Math.min(Math.max(plotWidth * 0.6, 8 * rem), 22 * rem));
    const box: PlotBox = {
      left: margin.left, top: margin.top, width: plotWidth, height: height - margin.top - margin.bottom,
      xMin: c.xMin, xMax: c.xMax, yMin: c.yMin, yMax: c.yMax,
    };
    this.box = box;
    const X = (x: number) => plotX(box, x);
    const Y = (y: number) => plotY(box, y);
    const bottom = box.top + box.height;
    const right = box.left + box.width;
    const parts: Element[] = [];
    const clipId = 'explore-graph-clip';
    parts.push(s('clipPath', { id: clipId }, s('rect', { x: box.left, y: box.top, width: box.width, height: box.height })));
    for (const tick of c.yTicks) {
      const y = Y(tick.value);
      parts.push(s('line', { class: tick.value === 0 ? 'explore-graph-axis' : 'explore-graph-grid', x1: box.left, y1: y, x2: right, y2: y }));
      parts.push(s('text', { class: 'explore-graph-label', x: box.left - 0.35 * rem, y, 'text-anchor': 'end', 'dominant-baseline': 'central' }, tick.label));
    }
    const every = labelStep(c, box.width, 0.8 * rem);
    c.xTicks.forEach((tick, i) => {
      const x = X(tick.value);
      parts.push(s('line', { class: 'explore-graph-grid', x1: x, y1: box.top, x2: x, y2: bottom }));
      if (i % every === 0) parts.push(s('text', { class: 'explore-graph-label', x, y: bottom + 0.3 * rem, 'text-anchor': 'middle', 'dominant-baseline': 'hanging' }, tick.label));
    });
    parts.push(s('g', { 'clip-path': `url(#${clipId})` },
      ...c.curve.filter((piece) => piece.length > 1).map((piece) => s('polyline', { class: 'explore-graph-curve', points: polylinePoints(box, piece), fill: 'none' }))));
    this.back.replaceChildren(...parts);
    this.svg.style.setProperty('--function-color', this.graph!.color);
    this.svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
  }
}
