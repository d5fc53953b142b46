// The help sheet's zoom: the picture fits the width at 1 and grows to four times that. Only
// the view's placement, kept apart so that it can be checked without a page.

export const minimumZoom = 1;
export const maximumZoom = 4;
// One press of a zoom button, and one notch of the wheel.
export const zoomStep = 1.5;
export const wheelStep = 1.25;

export function clampedZoom(zoom: number): number {
  if (Number.isNaN(zoom)) return minimumZoom;  // a degenerate pinch
  return Math.min(maximumZoom, Math.max(minimumZoom, zoom));
}

// The zoom after a wheel turn of deltaY pixels (about 100 a notch; up zooms in).
export function wheelZoom(zoom: number, deltaY: number): number {
  return clampedZoom(zoom * Math.pow(wheelStep, -deltaY / 100));
}

// The scroll offset that keeps the picture's point under `point` (measured from the view's
// edge) where it is when the zoom goes from `from` to `to`.
export function scrollForZoom(scroll: number, point: number, from: number, to: number): number {
  if (from <= 0) return scroll;
  return Math.max(0, (scroll + point) * (to / from) - point);
}
