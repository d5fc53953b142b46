// Two panes (steps beside card and charts): a landscape window from 720 wide, any from 900.
export function twoPanes(width: number, height: number): boolean {
  return width >= 900 || (width >= 720 && width > height);
}

// The step number a "Back to step N" names: the title's first number, else its place.
export function stepNumber(title: string, index: number): number {
  const found = /\d+/.exec(title);
  return found ? Number(found[0]) : index + 1;
}

// The step marked after a tap: the tapped one, unless it was marked already (the tap clears
// it) or it shows nothing on the circle.
export function nextMarkedStep(marked: number, tapped: number, showsSomething: boolean): number {
  return tapped === marked || !showsSomething ? -1 : tapped;
}

// How far to scroll a container so that a box is wholly in sight, moving as little as
// possible; a box taller than the container shows its top. Positions as the screen measures.
export function scrollToContain(
  view: { top: number; height: number },
  box: { top: number; height: number },
): number {
  if (box.top < view.top || box.height > view.height) return box.top - view.top;
  const overBottom = box.top + box.height - (view.top + view.height);
  return overBottom > 0 ? overBottom : 0;
}
