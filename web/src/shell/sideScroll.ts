// Content wider than its box scrolls sideways over a thin line, as the app's scroll indicator:
// as long as what is in sight, where the view is. Only a box that scrolls takes the focus, so
// the keyboard scrolls it and Tab skips what fits.

const watched = new Set<HTMLElement>();
const resized = new ResizeObserver((entries) => entries.forEach((entry) => update(entry.target as HTMLElement)));

// The line's place in the box's scrolled content, so that it stays in sight.
function placeLine(element: HTMLElement): void {
  const view = element.clientWidth;
  const whole = element.scrollWidth;
  if (whole <= view) return;
  const length = (view * view) / whole;
  const at = element.scrollLeft + ((view - length) * element.scrollLeft) / (whole - view);
  element.style.setProperty('--scroll-line-start', `${at}px`);
  element.style.setProperty('--scroll-line-length', `${length}px`);
}

function update(element: HTMLElement): void {
  if (!element.isConnected) {
    resized.unobserve(element);
    watched.delete(element);
    return;
  }
  const scrolls = element.scrollWidth > element.clientWidth + 1;
  element.classList.toggle('scrolls', scrolls);
  if (scrolls) element.tabIndex = 0;
  else element.removeAttribute('tabindex');
  placeLine(element);
}

// Typeset formulas grow once their fonts arrive, which resizes nothing that is observed.
document.fonts?.addEventListener('loadingdone', () => watched.forEach(update));

export function scrollsSideways(element: HTMLElement): void {
  watched.add(element);
  resized.observe(element);
  element.addEventListener('scroll', () => placeLine(element), { passive: true });
}
