import type { ChartData } from '../core/solution';
import type { ChartCalls, StepHighlight } from './chartCalls';
import type { UnitCircleChartView } from './UnitCircleChartView';
import type { SplineChartView } from './SplineChartView';
import { h } from '../shell/dom';

// One chart row: the view its data asks for, 5 % in from every edge, as tall as its frame
// ratio says. The view is built as the row nears the screen; the unit circle starts its run
// half a second after the row comes into sight, each time it does (a running turn goes on).

export interface ChartRow {
  readonly element: HTMLElement;
  readonly kind: ChartData['kind'] | null;
  setHighlight(highlight: StepHighlight | null): void;
  destroy(): void;
}

export interface ChartRowOptions {
  onCalculateAngle(alphaInput: string): void;
  large: boolean;
}

export const drawDelayMs = 500;

// The row and the frame a chart's view goes in, as tall as the data's frame ratio says.
export function chartRowFrame(data: ChartData | null): { element: HTMLElement; frame: HTMLElement } {
  const frame = h('div', { class: 'chart-frame' });
  const element = h('div', { class: 'chart-row', 'data-kind': data?.kind ?? '' }, frame);
  if (data) element.style.setProperty('--ratio', String(data.frameRatio > 0 ? data.frameRatio : 1));
  return { element, frame };
}

export function chartTableViewCell(calls: ChartCalls, step: ChartData[], options: ChartRowOptions): ChartRow {
  const data = step[0] ?? null;
  const { element, frame } = chartRowFrame(data);
  let circle: UnitCircleChartView | null = null;
  let graph: SplineChartView | null = null;
  let highlight: StepHighlight | null = null;
  let destroyed = false;
  let drawLater: number | undefined;
  let inSight = false;

  async function build(): Promise<void> {
    if (!data) return;
    if (data.kind === 'unitCircle') {
      const { unitCircleChartView } = await import('./UnitCircleChartView');
      if (destroyed) return;
      circle = unitCircleChartView(calls, data, options);
      circle.setHighlight(highlight);
      frame.append(circle.element);
      // Drawn: the frame after the one that lays the circle out (the figures measure to it).
      requestAnimationFrame(() => setTimeout(() => performance.mark('circle-first-frame'), 0));
      if (inSight) scheduleDrawing();
    } else {
      const { splineChartView } = await import('./SplineChartView');
      if (destroyed) return;
      graph = splineChartView(calls, data);
      frame.append(graph.element);
    }
  }

  function scheduleDrawing(): void {
    window.clearTimeout(drawLater);
    drawLater = window.setTimeout(() => circle?.start(), drawDelayMs);
  }

  let built = false;
  const near = new IntersectionObserver((entries) => {
    if (built || !entries.some((entry) => entry.isIntersecting)) return;
    built = true;
    near.disconnect();
    void build();
  }, { rootMargin: '50% 0px' });
  const sight = new IntersectionObserver((entries) => {
    const entry = entries[entries.length - 1];
    inSight = entry.isIntersecting;
    if (inSight) scheduleDrawing();
    else window.clearTimeout(drawLater);
  });
  near.observe(element);
  sight.observe(element);

  return {
    element,
    kind: data?.kind ?? null,
    setHighlight(next) {
      highlight = next;
      circle?.setHighlight(next);
    },
    destroy() {
      destroyed = true;
      window.clearTimeout(drawLater);
      near.disconnect();
      sight.disconnect();
      circle?.destroy();
      graph?.destroy();
      element.remove();
    },
  };
}
