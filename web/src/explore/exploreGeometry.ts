// Where the core's numbers go in the drawings: the unit circle in a square of SVG units with y
// downwards, and the graph's degrees and values in its plot box. Only placing, no trigonometry.

export interface CircleFrame {
  // The drawing's side in SVG units and the circle's radius in them.
  size: number;
  radius: number;
}

// How far the drawing reaches from the centre, in radii: the tangent line at x = 1 and the
// numerals outside the circle need the room.
export const circleReach = 1.35;

export function circleFrame(size = 400): CircleFrame {
  return { size, radius: size / 2 / circleReach };
}

export function toSvg(frame: CircleFrame, x: number, y: number): [number, number] {
  const c = frame.size / 2;
  return [c + x * frame.radius, c - y * frame.radius];
}

// A pointer on the drawing's box (client pixels) as (dx, dy) from the centre in radii, y upwards.
export function pointerOffset(box: { left: number; top: number; width: number; height: number }, clientX: number, clientY: number): [number, number] {
  const scale = box.width / 2 / circleReach;
  return [(clientX - box.left - box.width / 2) / scale, (box.top + box.height / 2 - clientY) / scale];
}

// The part of the segment from `from` to `to` within |y| ≤ limit, `from` lying inside.
export function clipToBand(from: [number, number], to: [number, number], limit: number): [number, number] {
  const [x0, y0] = from;
  const [x1, y1] = to;
  if (Math.abs(y1) <= limit) return [x1, y1];
  const edge = Math.sign(y1) * limit;
  const t = (edge - y0) / (y1 - y0);
  return [x0 + t * (x1 - x0), edge];
}

// The SVG path of an arc of radius r (in radii) from the direction (ax, ay) to (bx, by), both
// unit vectors, turning counter-clockwise when `counterClockwise`; `large` past a half turn.
export function arcPath(frame: CircleFrame, r: number, a: [number, number], b: [number, number], counterClockwise: boolean, large: boolean): string {
  const [sx, sy] = toSvg(frame, a[0] * r, a[1] * r);
  const [ex, ey] = toSvg(frame, b[0] * r, b[1] * r);
  const pr = r * frame.radius;
  // On screen y points down: a counter-clockwise turn is SVG's negative sweep.
  return `M${sx} ${sy}A${pr} ${pr} 0 ${large ? 1 : 0} ${counterClockwise ? 0 : 1} ${ex} ${ey}`;
}

export interface PlotBox {
  left: number;
  top: number;
  width: number;
  height: number;
  xMin: number;
  xMax: number;
  yMin: number;
  yMax: number;
}

export function plotX(box: PlotBox, x: number): number {
  return box.left + ((x - box.xMin) / (box.xMax - box.xMin)) * box.width;
}

export function plotY(box: PlotBox, y: number): number {
  return box.top + ((box.yMax - y) / (box.yMax - box.yMin)) * box.height;
}

// A polyline's points attribute, rounded to a hundredth of a unit.
export function polylinePoints(box: PlotBox, points: [number, number][]): string {
  const r = (v: number) => Math.round(v * 100) / 100;
  return points.map(([x, y]) => `${r(plotX(box, x))},${r(plotY(box, y))}`).join(' ');
}

// Every how many x ticks a label fits, at labels of `fontSize` pixels: large text on a phone
// labels every second one.
export function labelStep(g: { xTicks: { value: number; label: string }[]; xMin: number; xMax: number }, width: number, fontSize: number): number {
  if (g.xTicks.length < 2) return 1;
  const spacing = (width / (g.xMax - g.xMin)) * Math.abs(g.xTicks[1].value - g.xTicks[0].value);
  // A digit or a degree sign is about 0.6 em wide; a little room between two labels.
  const widest = Math.max(...g.xTicks.map((tick) => [...tick.label].length)) * 0.6 * fontSize + 0.5 * fontSize;
  return Math.max(1, Math.ceil(widest / spacing));
}
