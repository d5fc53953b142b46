// Where the unit circle's parts go in a view of a given size, as the app lays them out: the
// circle's picture is the square of the view's height in the middle, the counting labels
// beside it.
export interface CircleGeometry {
  width: number;
  height: number;
  cx: number;
  cy: number;
  radius: number;
  axisReach: number;
  // Line widths and marks grow a little with the picture, so a tablet's figure isn't spidery.
  unit: number;
  tick: number;
  // The counting labels' largest size, and that of the labels in the picture.
  textSize: number;
  labelSize: number;
  leftWidth: number;
  rightX: number;
  rightWidth: number;
  // How far from the arrow's tip a press still takes the arrow.
  gripRadius: number;
}

export function circleGeometry(width: number, height: number, large: boolean): CircleGeometry {
  const cx = width / 2;
  const cy = height / 2;
  const radius = 0.375 * height;
  const axisReach = 0.45 * height;
  const unit = Math.max(1, Math.sqrt(height / 140));
  const textSize = Math.max(11, large ? 32 : 15);
  const labelSize = Math.max(11, Math.min(height * 0.1, textSize));
  // The "x" at the axis' end is about half a label wide.
  const xNameWidth = labelSize * 0.8 * 0.55;
  const rightX = cx + axisReach + xNameWidth / 2 + Math.max(6, labelSize * 0.5);
  return {
    width, height, cx, cy, radius, axisReach, unit, tick: 4 * unit, textSize, labelSize,
    leftWidth: cx - axisReach - 16,
    rightX,
    rightWidth: width - rightX - 8,
    gripRadius: Math.max(24, radius * 0.3),
  };
}

// The size at which the widest of texts measured at `measuredAt` fills the room, at most the
// largest, never below 8.
export function fittingSize(available: number, widths: number[], measuredAt: number, largest: number): number {
  const size = (measuredAt * available) / Math.max(1, ...widths);
  return Math.max(8, Math.min(largest, size));
}
