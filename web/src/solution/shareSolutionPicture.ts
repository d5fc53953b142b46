import { domToBlob } from 'modern-screenshot';
import type { ChartData, Solution } from '../core/solution';
import type { ChartCalls } from '../charts/chartCalls';
import { chartRowFrame } from '../charts/ChartTableViewCell';
import { h } from '../shell/dom';
import { tr } from '../i18n/texts';
import { loadMath } from '../math/mathLabel';
import { exactValuesCard } from './ExactValuesCard';
import { solutionStepTableViewCell } from './SolutionStepTableViewCell';

// The whole solution as one PNG: the exact values card, every step, then the charts, each
// chart built anew off the page and shown in its final state (the circle does not turn). The
// page's own rows are left as they are: marked steps, a set angle or a running turn stay.
// modern-screenshot copies the styles and embeds the fonts the picture uses (KaTeX's too).

// Width of the picture's column, in CSS pixels: a phone's page, and no wider than a card
// reads well; widened where a formula is wider still.
const minWidth = 360;
const usualMaxWidth = 600;
const widestWidth = 1400;
// How long the charts may take to draw; after that the picture shows them as they are.
const chartTimeoutMs = 8000;
// Mobile browsers refuse canvases over about 16.7 million pixels.
const maxPixels = 16_000_000;

const frame = () => new Promise<void>((done) => requestAnimationFrame(() => done()));
const settle = async () => {
  await frame();
  await frame();
};

// Polls until ready() holds or the time is up.
async function until(ready: () => boolean, timeoutMs: number): Promise<void> {
  const deadline = performance.now() + timeoutMs;
  while (!ready() && performance.now() < deadline) await new Promise((done) => setTimeout(done, 50));
}

interface DrawnChart {
  element: HTMLElement;
  // Settles once the chart is drawn as it ends.
  ready: Promise<void>;
  destroy(): void;
}

async function drawChart(calls: ChartCalls, data: ChartData, width: number): Promise<DrawnChart> {
  const { element, frame: chartFrame } = chartRowFrame(data);
  if (data.kind === 'unitCircle') {
    const { unitCircleChartView } = await import('../charts/UnitCircleChartView');
    const circle = unitCircleChartView(calls, data, { onCalculateAngle: () => undefined, large: width >= 560 });
    chartFrame.append(circle.element);
    // Its final state at once; a resize observer lays it out once it is on the stage.
    return { element, ready: circle.showFinal().then(() => undefined), destroy: () => circle.destroy() };
  }
  const { splineChartView } = await import('../charts/SplineChartView');
  const graph = splineChartView(calls, data);
  chartFrame.append(graph.element);
  // Drawn: the canvas with its axis labels, or the note that it is too long to draw.
  const ready = until(() => graph.element.dataset.xTicks !== undefined || graph.element.querySelector('.spline-message') !== null, chartTimeoutMs);
  return { element, ready, destroy: () => graph.destroy() };
}

// The page's background, so that the picture looks as the page does (light or dark).
function pageBackground(): string {
  const color = getComputedStyle(document.body).backgroundColor;
  return color && color !== 'rgba(0, 0, 0, 0)' && color !== 'transparent' ? color : '#ffffff';
}

export async function solutionPicture(solution: Solution, calls: ChartCalls): Promise<Blob> {
  await loadMath();
  const width = Math.round(Math.min(Math.max(window.innerWidth, minWidth), usualMaxWidth));
  const steps = h('ol', { class: 'steps', 'aria-label': tr('SolutionView', 'Result') },
    ...solution.steps.map((step) => solutionStepTableViewCell(step, () => undefined)));
  const charts = h('div', { class: 'charts' });
  const sheet = h('div', { class: 'solution-content share-sheet' },
    solution.card ? exactValuesCard(solution.card) : null, steps, charts);
  // Off the page, laid out but never seen or read out; the page keeps working meanwhile.
  const stage = h('div', { class: 'solution-page share-stage', 'aria-hidden': 'true', inert: true }, sheet);
  stage.style.width = `${width}px`;
  // Ids belong to the page's own card.
  for (const element of sheet.querySelectorAll('[id]')) element.removeAttribute('id');
  document.body.append(stage);
  const drawn: DrawnChart[] = [];
  try {
    await document.fonts?.ready;
    await settle();
    // A formula wider than the column widens the picture rather than being cut off.
    const formulas = [...sheet.querySelectorAll<HTMLElement>('.step-formula, .exact-part')];
    const overflow = Math.max(0, ...formulas.map((formula) => formula.scrollWidth - formula.clientWidth));
    const sheetWidth = Math.min(widestWidth, width + Math.ceil(overflow));
    stage.style.width = `${sheetWidth}px`;

    for (const step of solution.chartSteps) {
      const data = step[0];
      if (!data) continue;
      try {
        const chart = await drawChart(calls, data, width);
        drawn.push(chart);
        charts.append(chart.element);
      } catch (error) {
        // A chart whose code cannot load is left out; the picture still has the rest.
        console.error('share chart', error);
      }
    }
    await Promise.race([
      Promise.all(drawn.map((chart) => chart.ready.catch(() => undefined))),
      new Promise((done) => setTimeout(done, chartTimeoutMs)),
    ]);
    await settle();

    const box = sheet.getBoundingClientRect();
    const preferred = Math.min(3, Math.max(2, window.devicePixelRatio || 1));
    const scale = Math.min(preferred, Math.sqrt(maxPixels / Math.max(1, box.width * box.height)));
    return await domToBlob(sheet, {
      type: 'image/png',
      scale,
      backgroundColor: pageBackground(),
      // The circle's buttons are for the page, not the picture; KaTeX's MathML is for screen
      // readers and never seen (leaving it out halves the nodes to copy).
      filter: (node) => !(node instanceof Element && node.matches('.animate-again, .calculate-angle-room, .katex-mathml')),
    });
  } finally {
    drawn.forEach((chart) => chart.destroy());
    stage.remove();
  }
}
