// A row that a finger (or the mouse) pushes to the left deletes itself once pushed past
// `share` of its width; pushed less, it slides back. Vertical moves stay the list's scrolling,
// and the tap that ends a push opens nothing.

export function swipeToDelete(row: HTMLElement, remove: () => void, share = 0.4): void {
  let start: { x: number; y: number; pointer: number } | null = null;
  let swiping = false;
  let pushed = 0;
  let swallowClick = false;

  const slide = (x: number, animated: boolean) => {
    const reduced = matchMedia('(prefers-reduced-motion: reduce)').matches;
    row.style.transition = animated && !reduced ? 'transform 0.2s ease-out' : '';
    row.style.transform = x === 0 ? '' : `translateX(${x}px)`;
  };

  row.addEventListener('pointerdown', (event) => {
    if (!event.isPrimary || event.button !== 0) return;
    start = { x: event.clientX, y: event.clientY, pointer: event.pointerId };
    swiping = false;
    pushed = 0;
  });
  row.addEventListener('pointermove', (event) => {
    if (!start || event.pointerId !== start.pointer) return;
    const dx = event.clientX - start.x;
    const dy = event.clientY - start.y;
    if (!swiping) {
      if (Math.abs(dy) > 10 && Math.abs(dy) >= Math.abs(dx)) start = null;
      else if (dx < -10 && Math.abs(dx) > Math.abs(dy) * 1.5) {
        swiping = true;
        row.setPointerCapture(event.pointerId);
        row.classList.add('swiping');
      }
      if (!swiping) return;
    }
    pushed = Math.min(0, dx);
    slide(pushed, false);
  });
  const end = (event: PointerEvent, cancelled: boolean) => {
    if (!start || event.pointerId !== start.pointer) return;
    start = null;
    if (!swiping) return;
    swiping = false;
    swallowClick = true;
    row.classList.remove('swiping');
    if (!cancelled && -pushed > row.clientWidth * share) {
      slide(-row.clientWidth, true);
      remove();
    } else {
      slide(0, true);
    }
  };
  row.addEventListener('pointerup', (event) => end(event, false));
  row.addEventListener('pointercancel', (event) => end(event, true));
  row.addEventListener('click', (event) => {
    if (!swallowClick) return;
    swallowClick = false;
    event.stopPropagation();
    event.preventDefault();
  }, true);
}
