import { h } from '../shell/dom';
import { tr } from '../i18n/texts';
import type { ExplorePoint, HalfAxis, InverseAngle, TrigFunction } from './exploreCalls';
import { arcPath, circleFrame, circleReach, clipToBand, pointerOffset, toSvg } from './exploreGeometry';
import { display, s, set } from './svg';

// The large unit circle of the Explore screen: the point, its radius, sin α up from the x axis,
// cos α along it, tan α on the tangent line x = 1, the angle's and the reference angle's arcs,
// and on request the angles of the same reference angle and an inverse question's solutions.
// The core gives every number; here they are only placed.

export interface CircleScene {
  point: ExplorePoint;
  showShared: boolean;
  // An inverse question's answers.
  solutions: InverseAngle[] | null;
  // The value line of the inverse question's function, to drag: at the question's value, or
  // resting at 0 before one is asked (value null).
  line: { fn: TrigFunction; value: number | null };
}

export interface ExploreCircleOptions {
  // A pointer at (dx, dy) from the centre in radii, y upwards.
  onPointer(dx: number, dy: number): void;
  // An arrow key: +1 counter-clockwise, -1 clockwise.
  onStep(direction: number): void;
  // The value line's handle dragged to raw, in radii: y for sin and tan, x for cos.
  onValueDrag(raw: number): void;
}

const numerals = ['I', 'II', 'III', 'IV'];
const corners: [number, number][] = [[1, 1], [-1, 1], [-1, -1], [1, -1]];
const axisEnds: Record<HalfAxis, [number, number]> = {
  positiveX: [1, 0], positiveY: [0, 1], negativeX: [-1, 0], negativeY: [0, -1],
};
// How far lines may run from the centre before the drawing's edge.
const edge = circleReach - 0.05;

export class ExploreCircle {
  readonly element: HTMLElement;
  private readonly frame = circleFrame();
  private readonly halfAxis = s('line', { class: 'explore-half-axis' });
  private readonly quadrants: SVGTextElement[];
  private readonly shared = s('g', { class: 'explore-shared' });
  private readonly inverse = s('g', { class: 'explore-inverse-marks' });
  private readonly alphaArc = s('path', { class: 'explore-alpha-arc', fill: 'none' });
  private readonly referenceArc = s('path', { class: 'explore-reference-arc', fill: 'none' });
  private readonly tanRay = s('line', { class: 'explore-tan-ray' });
  private readonly radius = s('line', { class: 'explore-radius' });
  private readonly cosLine = s('line', { class: 'explore-cos' });
  private readonly sinLine = s('line', { class: 'explore-sin' });
  private readonly tanLine = s('line', { class: 'explore-tan' });
  private readonly tanPoint = s('circle', { class: 'explore-tan-point', r: 5 });
  private readonly point = s('circle', { class: 'explore-point', r: 9 });
  // The value line's grab handle: a dot within a larger, invisible target for a finger.
  private readonly handle = s('g', { class: 'explore-value-handle', 'data-testid': 'explore-value-handle' },
    s('circle', { class: 'explore-value-handle-target', r: 28 }),
    s('circle', { class: 'explore-value-handle-dot', r: 10 }));
  private dragging: number | null = null;
  private draggingValue: number | null = null;
  private lineFn: TrigFunction = 'sin';
  // The drawing's box, read once as a drag begins: reading it at every move forced a layout.
  private box: DOMRect | null = null;
  // What the shared angles and the inverse marks were last drawn from.
  private drawnShared = '';
  private drawnInverse = '';

  constructor(private readonly options: ExploreCircleOptions) {
    const f = this.frame;
    const [c] = toSvg(f, 0, 0);
    const line = (cls: string, a: [number, number], b: [number, number]) => {
      const [x1, y1] = toSvg(f, ...a);
      const [x2, y2] = toSvg(f, ...b);
      return s('line', { class: cls, x1, y1, x2, y2 });
    };
    const text = (cls: string, x: number, y: number, content: string) => {
      const [tx, ty] = toSvg(f, x, y);
      return s('text', { class: cls, x: tx, y: ty, 'text-anchor': 'middle', 'dominant-baseline': 'central' }, content);
    };
    this.quadrants = numerals.map((numeral, i) => text('explore-quadrant', corners[i][0] * 1.15, corners[i][1] * 1.15, numeral));
    const tick = 0.04;
    const svg = s('svg', { class: 'explore-circle-drawing', viewBox: `0 0 ${f.size} ${f.size}`, 'aria-hidden': 'true', focusable: 'false' },
      line('explore-axis', [-edge, 0], [edge, 0]),
      line('explore-axis', [0, -edge], [0, edge]),
      line('explore-axis', [-1, -tick], [-1, tick]),
      line('explore-axis', [-tick, 1], [tick, 1]),
      line('explore-axis', [-tick, -1], [tick, -1]),
      line('explore-tangent-axis', [1, -edge], [1, edge]),
      s('circle', { class: 'explore-unit-circle', cx: c, cy: c, r: f.radius, fill: 'none' }),
      text('explore-axis-name', edge - 0.04, 0.09, 'x'),
      text('explore-axis-name', 0.09, edge - 0.04, 'y'),
      text('explore-axis-number', 1.07, -0.09, '1'),
      this.halfAxis, ...this.quadrants, this.shared, this.inverse, this.alphaArc, this.referenceArc,
      this.tanRay, this.radius, this.cosLine, this.sinLine, this.tanLine, this.tanPoint, this.point, this.handle,
    );
    this.element = h('div', {
      class: 'explore-circle', role: 'slider', tabindex: 0, 'aria-label': tr('ExploreView', 'exploreCircleName'),
      'aria-valuenow': 0, 'aria-orientation': 'horizontal',
    }, svg);
    this.listen();
  }

  private listen(): void {
    const el = this.element;
    const follow = (event: PointerEvent) => {
      const [dx, dy] = pointerOffset(this.box ?? el.getBoundingClientRect(), event.clientX, event.clientY);
      this.options.onPointer(dx, dy);
    };
    el.addEventListener('pointerdown', (event) => {
      if (this.dragging !== null || this.draggingValue !== null || (event.pointerType === 'mouse' && event.button !== 0)) return;
      event.preventDefault();
      el.setPointerCapture(event.pointerId);
      el.focus({ preventScroll: true });
      this.dragging = event.pointerId;
      this.box = el.getBoundingClientRect();
      follow(event);
    });
    this.listenToHandle();
    el.addEventListener('pointermove', (event) => {
      if (event.pointerId === this.dragging) follow(event);
    });
    const release = (event: PointerEvent) => {
      if (event.pointerId === this.dragging) this.dragging = null;
    };
    el.addEventListener('pointerup', release);
    el.addEventListener('pointercancel', release);
    el.addEventListener('keydown', (event) => {
      const direction = { ArrowRight: 1, ArrowUp: 1, ArrowLeft: -1, ArrowDown: -1 }[event.key];
      if (!direction) return;
      event.preventDefault();
      this.options.onStep(direction);
    });
  }

  // The value line follows its handle; the page turns where it is into the question's value.
  private listenToHandle(): void {
    const handle = this.handle;
    const drag = (event: PointerEvent) => {
      const [dx, dy] = pointerOffset(this.box ?? this.element.getBoundingClientRect(), event.clientX, event.clientY);
      this.options.onValueDrag(this.lineFn === 'cos' ? dx : dy);
    };
    handle.addEventListener('pointerdown', (event) => {
      event.stopPropagation();
      if (this.dragging !== null || this.draggingValue !== null || (event.pointerType === 'mouse' && event.button !== 0)) return;
      event.preventDefault();
      handle.setPointerCapture(event.pointerId);
      this.draggingValue = event.pointerId;
      this.box = this.element.getBoundingClientRect();
      handle.classList.add('dragging');
    });
    handle.addEventListener('pointermove', (event) => {
      if (event.pointerId === this.draggingValue) drag(event);
    });
    const release = (event: PointerEvent) => {
      if (event.pointerId !== this.draggingValue) return;
      this.draggingValue = null;
      handle.classList.remove('dragging');
    };
    handle.addEventListener('pointerup', release);
    handle.addEventListener('pointercancel', release);
  }

  render(scene: CircleScene): void {
    const f = this.frame;
    const p = scene.point;
    const at = (x: number, y: number) => toSvg(f, x, y);
    const place = (line: SVGLineElement, a: [number, number], b: [number, number]) => {
      const [x1, y1] = at(...a);
      const [x2, y2] = at(...b);
      set(line, { x1, y1, x2, y2 });
    };
    const { pointX: x, pointY: y } = p;
    set(this.element, { 'aria-valuenow': p.degrees, 'aria-valuetext': p.valueText, 'data-degrees': p.degrees });

    place(this.radius, [0, 0], [x, y]);
    place(this.cosLine, [0, 0], [x, 0]);
    place(this.sinLine, [x, 0], [x, y]);
    const [px, py] = at(x, y);
    set(this.point, { cx: px, cy: py });

    // tan α on the tangent line, and the radius' line through the centre up to it.
    const tan = p.tan.decimal;
    const inside = tan !== null && Math.abs(tan) <= edge;
    display(this.tanLine, tan !== null);
    display(this.tanRay, tan !== null);
    display(this.tanPoint, inside);
    if (tan !== null) {
      place(this.tanLine, [1, 0], clipToBand([1, 0], [1, tan], edge));
      place(this.tanRay, [x, y], clipToBand([x, y], [1, tan], edge));
      const [tx, ty] = at(1, tan);
      if (inside) set(this.tanPoint, { cx: tx, cy: ty });
    }

    // The angle from the positive x axis; the reference angle from the nearer half of the x axis.
    const position = p.positionDegrees;
    display(this.alphaArc, position !== 0);
    if (position !== 0) set(this.alphaArc, { d: arcPath(f, 0.16, [1, 0], [x, y], true, position > 180) });
    const onAxis = p.axis !== null;
    display(this.referenceArc, !onAxis);
    if (!onAxis) {
      const from: [number, number] = [Math.sign(x), 0];
      // Counter-clockwise from the x axis in quadrants I and III.
      const ccw = p.quadrant === 1 || p.quadrant === 3;
      set(this.referenceArc, { d: arcPath(f, 0.3, from, [x, y], ccw, false) });
    }

    this.quadrants.forEach((numeral, i) => numeral.classList.toggle('current', p.quadrant === i + 1));
    display(this.halfAxis, onAxis);
    if (p.axis) place(this.halfAxis, [0, 0], axisEnds[p.axis]);

    this.renderShared(scene);
    this.renderInverse(scene);
  }

  // The other angles of the same reference angle: the point mirrored in the axes.
  private renderShared(scene: CircleScene): void {
    const f = this.frame;
    const p = scene.point;
    const key = scene.showShared ? String(p.positionDegrees) : '';
    if (key === this.drawnShared) return;
    this.drawnShared = key;
    const marks: Element[] = [];
    if (scene.showShared) {
      const [cx, cy] = toSvg(f, 0, 0);
      for (const angle of p.sharedAngles) {
        if (angle.isPoint) continue;
        const [x, y] = toSvg(f, angle.cos * Math.abs(p.pointX), angle.sin * Math.abs(p.pointY));
        marks.push(s('line', { class: 'explore-shared-radius', x1: cx, y1: cy, x2: x, y2: y }));
        marks.push(s('circle', { class: 'explore-shared-point', cx: x, cy: y, r: 6, 'data-degrees': angle.degrees }));
      }
    }
    this.shared.replaceChildren(...marks);
  }

  private renderInverse(scene: CircleScene): void {
    const f = this.frame;
    const line = scene.line;
    this.lineFn = line.fn;
    const key = `${line.fn} ${line.value} ${(scene.solutions ?? []).map((angle) => angle.degrees).join(' ')}`;
    if (key === this.drawnInverse) return;
    this.drawnInverse = key;
    const marks: Element[] = [];
    // Resting at 0 before a question; a value beyond the drawing keeps its handle at the edge.
    const c = Math.max(-edge, Math.min(edge, line.value ?? 0));
    const beyond = line.value !== null && Math.abs(line.value) > edge;
    const cls = line.value === null ? 'explore-value-rest' : 'explore-inverse-line';
    const segment = (a: [number, number], b: [number, number]) => {
      const [x1, y1] = toSvg(f, ...a);
      const [x2, y2] = toSvg(f, ...b);
      return s('line', { class: cls, x1, y1, x2, y2 });
    };
    let handleAt: [number, number];
    if (line.fn === 'sin') {
      if (!beyond) marks.push(segment([-edge, c], [edge, c]));
      handleAt = [-1.2, c];
    } else if (line.fn === 'cos') {
      if (!beyond) marks.push(segment([c, -edge], [c, edge]));
      handleAt = [c, -1.2];
    } else {
      marks.push(segment([0, 0], clipToBand([0, 0], [1, line.value ?? 0], edge)));
      if (line.value !== null && !beyond) {
        const [tx, ty] = toSvg(f, 1, c);
        marks.push(s('circle', { class: 'explore-inverse-tan', cx: tx, cy: ty, r: 6 }));
      }
      handleAt = [1, c];
    }
    for (const angle of scene.solutions ?? []) {
      const [x, y] = toSvg(f, angle.x, angle.y);
      marks.push(s('circle', { class: 'explore-solution-point', cx: x, cy: y, r: 7, 'data-degrees': angle.degrees }));
    }
    this.inverse.replaceChildren(...marks);
    const [hx, hy] = toSvg(f, ...handleAt);
    this.handle.setAttribute('transform', `translate(${hx} ${hy})`);
    this.handle.dataset.function = line.fn;
  }
}
