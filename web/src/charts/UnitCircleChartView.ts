import type { UnitCircleChartData } from '../core/solution';
import type { ChartCalls, SetAngle, StepHighlight } from './chartCalls';
import { h } from '../shell/dom';
import { tr } from '../i18n/texts';
import { circleGeometry, fittingSize, type CircleGeometry } from './unitCircleGeometry';
import {
  LatestOnly, UnitCircleRun, arcStress, labelStress, partStyle, type CircleLabels, type SceneChange,
} from './unitCircleRun';
import './UnitCircleChartView.css';

// The unit circle of a chart row, drawn as in a textbook: axes with arrow heads and ticks, the
// circle, the quadrant numerals, the arc of each turn, the turning arrow and, at the end, the
// point's projections onto the axes. The core gives every text, colour and position on the
// circle; arcs are dash lengths on a circle and the arrow a rotation, so no angle is worked
// out here.

export interface UnitCircleChartView {
  readonly element: HTMLElement;
  // Starts the run, unless one runs or an angle is set by hand.
  start(): void;
  // The solution's final state at once, nothing moving (for a picture of the solution).
  // The final state at once; false when the core gave none to draw.
  showFinal(): Promise<boolean>;
  setHighlight(highlight: StepHighlight | null): void;
  destroy(): void;
}

export interface UnitCircleOptions {
  onCalculateAngle(alphaInput: string): void;
  // A tablet's larger labels.
  large: boolean;
  // How much of a part not stressed by the marked step still shows; 0.25 when left out.
  fadedOpacity?: number;
}

const svgNs = 'http://www.w3.org/2000/svg';
function s<K extends keyof SVGElementTagNameMap>(tag: K, attributes: Record<string, string | number> = {}, ...children: Element[]): SVGElementTagNameMap[K] {
  const element = document.createElementNS(svgNs, tag);
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, String(value));
  element.append(...children);
  return element;
}
const set = (element: Element, attributes: Record<string, string | number>) => {
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, String(value));
};

const reducedMotion = () => window.matchMedia?.('(prefers-reduced-motion: reduce)').matches ?? false;
const quadrantNumerals = ['I', 'II', 'III', 'IV'];
// The corner of each quadrant outside the circle, in radii from the centre (y upwards).
const quadrantCorners: [number, number][] = [[1, 1], [-1, 1], [-1, -1], [1, -1]];

let measureContext: CanvasRenderingContext2D | null = null;
function textWidth(text: string, size: number, family: string): number {
  measureContext ??= document.createElement('canvas').getContext('2d');
  if (!measureContext) return text.length * size * 0.55;
  measureContext.font = `${size}px ${family}`;
  return measureContext.measureText(text).width;
}

let nextId = 0;

export function unitCircleChartView(calls: ChartCalls, data: UnitCircleChartData, options: UnitCircleOptions): UnitCircleChartView {
  const id = `unit-circle-${++nextId}`;
  const turnDuration = 1000;
  let geometry: CircleGeometry | null = null;
  let highlight: StepHighlight | null = null;
  let setAngle: SetAngle | null = null;
  const answers = new LatestOnly();
  let steps: Promise<void> = Promise.resolve();
  let arrowAnimation: Animation[] = [];
  let labelFamily: string | null = null;

  // --- the drawing
  const axes = s('path', { class: 'circle-axes', fill: 'none' });
  const heads = s('path', { class: 'circle-axis-heads' });
  const unitCircle = s('circle', { class: 'circle-outline', fill: 'none' });
  const arcs = s('g', { class: 'circle-arcs' });
  const projectionX = s('line', { class: 'projection projection-x', pathLength: 1, 'data-part': 'x' });
  const projectionY = s('line', { class: 'projection projection-y', pathLength: 1, 'data-part': 'y' });
  const projections = s('g', { class: 'circle-projections' }, projectionX, projectionY);
  const arrowShaft = s('line', { class: 'circle-arrow-shaft', x1: 0, y1: 0, y2: 0 });
  const arrowHead = s('polygon', { class: 'circle-arrow-head' });
  // The arrow turns inside the grip's arm, an element of its own, so the turn is composited and
  // the rest of the drawing is not painted again at every frame of it.
  const arrow = s('svg', { class: 'circle-arrow', 'aria-hidden': 'true', focusable: 'false' }, arrowShaft, arrowHead);
  const point = s('circle', { class: 'circle-point' });
  const centre = s('circle', { class: 'circle-centre' });
  const axisText = (text: string, cls: string) => {
    const label = s('text', { class: 'circle-axis-text ' + cls });
    label.textContent = text;
    return label;
  };
  const xName = axisText('x', 'axis-name');
  const yName = axisText('y', 'axis-name');
  const one = axisText('1', 'axis-number');
  const minusOne = axisText('−1', 'axis-number');
  const quadrants = quadrantNumerals.map((numeral, i) => {
    const label = s('text', { class: 'circle-quadrant', 'data-quadrant': i + 1, 'text-anchor': 'middle', 'dominant-baseline': 'central' });
    label.textContent = numeral;
    return label;
  });
  const drawing = s(
    'svg',
    { class: 'circle-drawing', 'aria-hidden': 'true', focusable: 'false' },
    axes, heads, unitCircle, arcs, projections, point, centre, xName, yName, one, minusOne, ...quadrants,
  );

  // --- the counting labels
  const label = (part: string, cls = '') => h('span', { class: 'circle-label ' + cls, 'data-part': part });
  const alphaLabel = label('alpha');
  alphaLabel.id = `${id}-alpha`;
  const gammaLabel = label('gamma');
  const nLabel = label('n', 'grey');
  const xLabel = label('x', 'x-colour');
  const yLabel = label('y', 'y-colour');
  const angleColumn = h('div', { class: 'circle-column' }, alphaLabel, gammaLabel, nLabel);
  const pointColumn = h('div', { class: 'circle-column' }, xLabel, yLabel);

  // Pressed here, near the arrow's tip, the circle takes the drag; anywhere else the page
  // scrolls as usual.
  const grip = h('div', { class: 'circle-grip' });
  const gripArm = h('div', { class: 'circle-grip-arm' }, arrow, grip);

  const slider = h(
    'div',
    {
      class: 'unit-circle-view', role: 'slider', tabindex: 0, 'aria-labelledby': alphaLabel.id,
      'aria-valuenow': data.alpha ?? 0, 'aria-orientation': 'horizontal',
    },
    drawing, angleColumn, pointColumn, gripArm,
  );
  const animateAgain = h('button', {
    type: 'button', class: 'animate-again', 'aria-label': tr('UnitCircleChartView', 'Animate again'),
    onclick: () => {
      drop(false);
      void run.start(reducedMotion());
    },
  }, h('span', { 'aria-hidden': 'true' }, '↻'));
  const calculateButton = h('button', {
    type: 'button', class: 'calculate-angle', hidden: true,
    onclick: () => calculateSetAngle(),
  });
  const element = h(
    'div',
    { class: 'unit-circle-chart' },
    h('div', { class: 'unit-circle-card' }, slider, animateAgain),
    h('div', { class: 'calculate-angle-room' }, calculateButton),
  );

  const run = new UnitCircleRun(calls, data, (what) => changed(what), turnDuration);
  const scene = run.scene;

  // --- drawing the scene
  function layout(): void {
    const box = slider.getBoundingClientRect();
    if (box.width <= 0 || box.height <= 0) return;
    labelFamily = null;
    const g = (geometry = circleGeometry(box.width, box.height, options.large));
    const { cx, cy, radius: r, axisReach: reach, tick: t, unit: u } = g;
    set(drawing, { viewBox: `0 0 ${g.width} ${g.height}`, width: g.width, height: g.height });
    const line = (x1: number, y1: number, x2: number, y2: number) => `M${x1} ${y1}L${x2} ${y2}`;
    set(axes, {
      'stroke-width': 1.2 * u,
      d: [
        line(cx - reach, cy, cx + reach, cy), line(cx, cy + reach, cx, cy - reach),
        line(cx + r, cy - t, cx + r, cy + t), line(cx - r, cy - t, cx - r, cy + t),
        line(cx - t, cy - r, cx + t, cy - r), line(cx - t, cy + r, cx + t, cy + r),
        line(cx + r / 2, cy - t / 2, cx + r / 2, cy + t / 2), line(cx - r / 2, cy - t / 2, cx - r / 2, cy + t / 2),
        line(cx - t / 2, cy - r / 2, cx + t / 2, cy - r / 2), line(cx - t / 2, cy + r / 2, cx + t / 2, cy + r / 2),
      ].join(''),
    });
    const tipX = cx + reach;
    const tipY = cy - reach;
    set(heads, {
      d: `M${tipX + 2 * u} ${cy}L${tipX - 6 * u} ${cy - 3.5 * u}L${tipX - 6 * u} ${cy + 3.5 * u}Z`
        + `M${cx} ${tipY - 2 * u}L${cx - 3.5 * u} ${tipY + 6 * u}L${cx + 3.5 * u} ${tipY + 6 * u}Z`,
    });
    set(unitCircle, { cx, cy, r, 'stroke-width': 1.5 * u });
    // The arm runs from the centre along the arrow, its y axis on the arrow's line.
    const half = 5 * u;
    set(arrow, { width: r, height: 2 * half, viewBox: `0 ${-half} ${r} ${2 * half}` });
    Object.assign(arrow.style, { top: `${-half}px` });
    set(arrowShaft, { x2: r - 7 * u, 'stroke-width': 2 * u });
    set(arrowHead, { points: `${r},0 ${r - 10 * u},${-4.5 * u} ${r - 10 * u},${4.5 * u}` });
    set(centre, { cx, cy, r: 2.5 * u });
    const axisSize = g.labelSize * 0.8;
    for (const text of [xName, yName, one, minusOne]) text.style.fontSize = `${axisSize}px`;
    set(xName, { x: tipX, y: cy - 2 - axisSize * 0.3, 'text-anchor': 'middle' });
    set(yName, { x: cx + 6, y: tipY + axisSize * 0.35 + 2 });
    set(one, { x: cx + r + 4, y: cy + 2 + axisSize * 0.9 });
    set(minusOne, { x: cx - r - 4, y: cy + 2 + axisSize * 0.9, 'text-anchor': 'end' });
    quadrants.forEach((q, i) => {
      const [sx, sy] = quadrantCorners[i];
      set(q, { x: cx + sx * r * 0.97, y: cy - sy * r * 0.97 });
      q.style.fontSize = `${g.labelSize}px`;
    });
    Object.assign(gripArm.style, { left: `${cx}px`, top: `${cy}px`, width: `${r}px` });
    Object.assign(grip.style, { left: `${r - g.gripRadius}px`, top: `${-g.gripRadius}px`, width: `${2 * g.gripRadius}px`, height: `${2 * g.gripRadius}px` });
    animateAgain.style.setProperty('--size', `${Math.max(32, g.labelSize * 2.2)}px`);
    calculateButton.style.fontSize = `${Math.max(13, g.labelSize)}px`;
    for (const arc of arcs.children) placeArc(arc as SVGGElement);
    placeProjections();
    placeLabels();
  }

  function placeArc(group: SVGGElement): void {
    if (!geometry) return;
    const sweep = Number(group.dataset.sweep);
    // Screen angles run clockwise, as a circle's stroke does: a counter-clockwise arc is mirrored.
    set(group, { transform: `translate(${geometry.cx} ${geometry.cy}) scale(1 ${sweep > 0 ? -1 : 1})` });
    set(group.firstElementChild!, { r: geometry.radius });
  }

  function placeProjections(): void {
    if (!geometry) return;
    const { cx, cy, radius } = geometry;
    const px = cx + scene.pointX * radius;
    const py = cy - scene.pointY * radius;
    set(projectionX, { x1: cx, y1: cy, x2: px, y2: cy });
    set(projectionY, { x1: px, y1: cy, x2: px, y2: py });
    set(point, { cx: px, cy: py, r: 4 * geometry.unit });
  }

  function placeLabels(): void {
    if (!geometry) return;
    const g = geometry;
    // Read once a layout: a style read at every count would recalculate styles mid-turn.
    const family = (labelFamily ??= getComputedStyle(slider).fontFamily);
    const widths = (labels: HTMLElement[]) => labels.map((l) => textWidth(l.textContent ?? '', g.textSize, family));
    const angleSize = fittingSize(g.leftWidth, widths([alphaLabel, gammaLabel, nLabel]), g.textSize, g.labelSize);
    const pointSize = fittingSize(g.rightWidth, widths([xLabel, yLabel]), g.textSize, g.labelSize);
    const lineHeight = 1.2;
    // α and γ above the x axis, n below it; x above, y below.
    Object.assign(angleColumn.style, {
      left: '10px', fontSize: `${angleSize}px`, gap: `${angleSize * 0.35}px`,
      top: `${g.cy - 2 * angleSize * lineHeight - angleSize * 0.35 * 1.5}px`,
    });
    Object.assign(pointColumn.style, {
      left: `${g.rightX}px`, fontSize: `${pointSize}px`, gap: `${pointSize * 0.35}px`,
      top: `${g.cy - pointSize * lineHeight - pointSize * 0.35 * 0.5}px`,
    });
  }

  function showLabels(): void {
    const labels: CircleLabels = scene.labels;
    alphaLabel.textContent = setAngle ? setAngle.valueText : `α = ${labels.alpha}`;
    gammaLabel.textContent = `γ = ${labels.gamma}`;
    nLabel.textContent = `n = ${labels.n}`;
    xLabel.textContent = `x = ${labels.x}`;
    yLabel.textContent = `y = ${labels.y}`;
    slider.setAttribute('aria-valuenow', String(setAngle ? setAngle.degrees : data.alpha ?? 0));
    slider.setAttribute(
      'aria-valuetext',
      setAngle ? setAngle.valueText : `α = ${labels.alpha}, γ = ${labels.gamma}, P(${labels.x} | ${labels.y})`,
    );
    placeLabels();
  }

  function showArcs(): void {
    const kept = new Set(scene.arcs.map((arc) => String(arc.turn)));
    for (const group of [...arcs.children] as SVGGElement[]) if (!kept.has(group.dataset.turn!)) group.remove();
    scene.arcs.forEach((arc) => {
      let group = arcs.querySelector<SVGGElement>(`[data-turn="${arc.turn}"]`);
      const length = `${Math.abs(arc.sweep)} 360`;
      if (!group || group.dataset.sweep !== String(arc.sweep)) {
        group?.remove();
        const stroke = s('circle', { class: 'circle-arc', fill: 'none', pathLength: 360, stroke: arc.color, 'stroke-dasharray': length });
        group = s('g', { 'data-turn': arc.turn, 'data-sweep': arc.sweep }, stroke);
        placeArc(group);
        if (arc.growing) {
          stroke.animate([{ strokeDasharray: '0 360' }, { strokeDasharray: length }], { duration: turnDuration, easing: 'linear' });
        }
      }
      arcs.append(group);
    });
    showHighlight();
  }

  function showArrow(): void {
    for (const animation of arrowAnimation) animation.cancel();
    arrowAnimation = [];
    const to = `rotate(${-scene.arrowDegrees}deg)`;
    gripArm.style.transform = to;
    if (scene.arrowAnimated) {
      arrowAnimation.push(gripArm.animate([{ transform: 'rotate(0deg)' }, { transform: to }], { duration: turnDuration, easing: 'linear' }));
    }
  }

  // Where the arrow is on screen now, mid-turn too, in degrees counter-clockwise.
  function shownArrowDegrees(): number {
    const progress = arrowAnimation[0]?.effect?.getComputedTiming().progress;
    return scene.arrowDegrees * (typeof progress === 'number' ? progress : 1);
  }

  function showQuadrants(): void {
    const stress = labelStress(highlight, 'quadrant');
    quadrants.forEach((q, i) => {
      const shown = scene.quadrant === 0 || scene.quadrant === i + 1;
      q.style.transition = `opacity ${scene.quadrantFadeMs}ms linear`;
      q.style.opacity = shown ? String(partStyle(stress, options.fadedOpacity).opacity) : '0';
      q.dataset.shown = String(shown);
      q.dataset.stress = String(stress);
    });
  }

  function showProjections(): void {
    placeProjections();
    projections.style.display = scene.projectionsVisible ? '' : 'none';
    point.style.display = scene.projectionsVisible ? '' : 'none';
    for (const line of [projectionX, projectionY]) {
      line.getAnimations().forEach((a) => a.cancel());
      if (scene.projectionsVisible && scene.projectionsAnimated) {
        line.animate([{ strokeDashoffset: 1 }, { strokeDashoffset: 0 }], { duration: 1000, easing: 'linear' });
      }
    }
  }

  function showRunning(): void {
    animateAgain.disabled = scene.running;
    slider.dataset.running = String(scene.running);
  }

  function changed(what: SceneChange): void {
    if (what === 'labels') showLabels();
    else if (what === 'arcs') showArcs();
    else if (what === 'arrow') showArrow();
    else if (what === 'quadrant') showQuadrants();
    else if (what === 'projections') showProjections();
    else showRunning();
  }

  // What a tapped step stresses: stressed parts wider and bold, the rest faded.
  function showHighlight(): void {
    slider.dataset.highlight = highlight?.highlight ?? 'none';
    const arcGroups = [...arcs.children] as SVGGElement[];
    arcGroups.forEach((group, i) => {
      const style = partStyle(arcStress(highlight, i, arcGroups.length), options.fadedOpacity);
      group.dataset.stress = String(arcStress(highlight, i, arcGroups.length));
      group.style.opacity = String(style.opacity);
      group.firstElementChild!.setAttribute('stroke-width', String(style.width));
    });
    const parts: [Element & ElementCSSInlineStyle, 'alpha' | 'gamma' | 'n' | 'x' | 'y'][] = [
      [alphaLabel, 'alpha'], [gammaLabel, 'gamma'], [nLabel, 'n'], [xLabel, 'x'], [yLabel, 'y'],
      [projectionX, 'x'], [projectionY, 'y'],
    ];
    for (const [part, name] of parts) {
      const stress = labelStress(highlight, name);
      const style = partStyle(stress, options.fadedOpacity);
      part.setAttribute('data-stress', String(stress));
      part.style.opacity = String(style.opacity);
      if (part instanceof SVGElement) part.setAttribute('stroke-width', String(style.width));
      else part.style.fontWeight = style.bold ? '700' : '';
    }
    const quadrantStyle = partStyle(labelStress(highlight, 'quadrant'), options.fadedOpacity);
    for (const q of quadrants) q.style.transform = quadrantStyle.stressed ? 'scale(1.4)' : '';
    showQuadrants();
    placeLabels();
  }

  // --- setting α by hand
  function showSetAngle(state: SetAngle): void {
    setAngle = state;
    run.showSetAngle(state);
    calculateButton.hidden = false;
    calculateButton.textContent = tr('UnitCircleChartView', 'calculateAngle').replaceAll('%1', state.valueText);
    element.dataset.setAngle = String(state.degrees);
    showLabels();
  }

  async function ask(answer: Promise<SetAngle | null>): Promise<void> {
    try {
      const state = await answers.take(answer);
      if (state) showSetAngle(state);
    } catch {
      // A refused call leaves the angle where it was.
    }
  }

  // Back to the solution's drawing.
  function drop(redraw = true): void {
    answers.drop();
    if (!setAngle) return;
    setAngle = null;
    calculateButton.hidden = true;
    delete element.dataset.setAngle;
    showLabels();
    if (redraw) void run.showFinal(!reducedMotion());
  }

  function turnBy(direction: number, fine: boolean): void {
    steps = steps.then(() => ask(calls.angleStep(setAngle?.degrees ?? shownArrowDegrees(), direction, fine)));
  }

  function calculateSetAngle(): void {
    if (!setAngle) return;
    const alpha = setAngle.alphaInput;
    drop(false);
    options.onCalculateAngle(alpha);
  }

  slider.addEventListener('keydown', (event) => {
    const fine = event.shiftKey;
    if (event.key === 'ArrowRight' || event.key === 'ArrowUp') turnBy(1, fine);
    else if (event.key === 'ArrowLeft' || event.key === 'ArrowDown') turnBy(-1, fine);
    else if (event.key === 'Enter' && setAngle) calculateSetAngle();
    else if (event.key === 'Escape' && setAngle) drop();
    else return;
    event.preventDefault();
  });

  // --- dragging the point
  let grab: { pointerId: number; fine: boolean; hold: number; x: number; y: number } | null = null;
  grip.addEventListener('pointerdown', (event) => {
    if (grab || (event.pointerType === 'mouse' && event.button !== 0)) return;
    event.preventDefault();
    grip.setPointerCapture(event.pointerId);
    slider.focus({ preventScroll: true });
    // A long press turns in single degrees, as Shift does.
    const hold = window.setTimeout(() => grab && (grab.fine = true), 500);
    grab = { pointerId: event.pointerId, fine: event.shiftKey, hold, x: event.clientX, y: event.clientY };
    void ask(calls.angleStart(shownArrowDegrees()));
  });
  grip.addEventListener('pointermove', (event) => {
    if (!grab || event.pointerId !== grab.pointerId || !geometry) return;
    if (Math.hypot(event.clientX - grab.x, event.clientY - grab.y) > 8) window.clearTimeout(grab.hold);
    const box = slider.getBoundingClientRect();
    const dx = event.clientX - box.left - geometry.cx;
    const dy = box.top + geometry.cy - event.clientY;
    void ask(calls.angleDrag(dx, dy, grab.fine || event.shiftKey));
  });
  const release = (event: PointerEvent) => {
    if (!grab || event.pointerId !== grab.pointerId) return;
    window.clearTimeout(grab.hold);
    grab = null;
    // The button under the circle comes into sight once the finger is off.
    if (!calculateButton.hidden) calculateButton.scrollIntoView({ block: 'nearest', behavior: reducedMotion() ? 'auto' : 'smooth' });
  };
  grip.addEventListener('pointerup', release);
  grip.addEventListener('pointercancel', release);

  const resize = new ResizeObserver(() => layout());
  resize.observe(slider);
  showLabels();
  showQuadrants();
  showProjections();
  showRunning();
  showHighlight();

  return {
    element,
    start() {
      if (!setAngle) void run.start(reducedMotion());
    },
    showFinal() {
      drop(false);
      return run.showFinal(false);
    },
    setHighlight(next) {
      highlight = next;
      showHighlight();
    },
    destroy() {
      run.stop();
      answers.drop();
      resize.disconnect();
      element.remove();
    },
  };
}
