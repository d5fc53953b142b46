import type { TrigonometricChartData } from '../core/solution';
import type { ChartCalls } from './chartCalls';
import { h } from '../shell/dom';

// A function graph of a chart row (sine or cosine over the arc length). Placeholder until the
// graph is drawn; the chart row owns its element and calls destroy() when the row goes.
export interface SplineChartView {
  readonly element: HTMLElement;
  destroy(): void;
}

export function splineChartView(_calls: ChartCalls, data: TrigonometricChartData): SplineChartView {
  const element = h('div', { class: 'spline-chart', 'data-type': data.type ?? '' });
  return { element, destroy: () => element.remove() };
}
