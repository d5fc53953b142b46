// A row's handle moves the row within its list: dragged (finger or mouse) it carries the row
// and drops it where the pointer is, between the rows around it; with the focus on it, the
// up and down arrow keys move the row by one. `moveTo` gets the row's new index in the list
// without the row itself.

// The index among the other rows (top to bottom) that a row dropped at y goes to: before the
// first row whose middle lies below y.
export function dropIndex(y: number, otherMiddles: readonly number[]): number {
  const index = otherMiddles.findIndex((middle) => y < middle);
  return index < 0 ? otherMiddles.length : index;
}

export function dragToReorder(row: HTMLElement, handle: HTMLElement, moveTo: (index: number) => void): void {
  let drag: { pointer: number; startY: number; startTop: number } | null = null;
  const others = () => [...(row.parentElement?.children ?? [])].filter((other) => other !== row) as HTMLElement[];
  const place = () => [...(row.parentElement?.children ?? [])].indexOf(row);

  handle.addEventListener('pointerdown', (event) => {
    if (!event.isPrimary || event.button !== 0) return;
    event.preventDefault();
    handle.setPointerCapture(event.pointerId);
    drag = { pointer: event.pointerId, startY: event.clientY, startTop: row.getBoundingClientRect().top };
    row.classList.add('dragging');
  });
  handle.addEventListener('pointermove', (event) => {
    if (!drag || event.pointerId !== drag.pointer) return;
    row.style.transform = `translateY(${event.clientY - drag.startY}px)`;
  });
  const end = (event: PointerEvent, cancelled: boolean) => {
    if (!drag || event.pointerId !== drag.pointer) return;
    const { startY, startTop } = drag;
    drag = null;
    row.classList.remove('dragging');
    row.style.transform = '';
    if (cancelled || Math.abs(event.clientY - startY) < 4) return;
    // The middle of the carried row decides, as the eye sees it.
    const middle = startTop + (event.clientY - startY) + row.offsetHeight / 2;
    const middles = others().map((other) => {
      const box = other.getBoundingClientRect();
      return box.top + box.height / 2;
    });
    const index = dropIndex(middle, middles);
    if (index !== place()) moveTo(index);
  };
  handle.addEventListener('pointerup', (event) => end(event, false));
  handle.addEventListener('pointercancel', (event) => end(event, true));
  handle.addEventListener('keydown', (event) => {
    if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
    event.preventDefault();
    const index = place() + (event.key === 'ArrowUp' ? -1 : 1);
    if (index >= 0 && index <= others().length) moveTo(index);
  });
}
