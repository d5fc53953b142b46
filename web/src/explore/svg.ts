// SVG elements for the drawings, as shell/dom.ts's h() builds HTML.
const svgNs = 'http://www.w3.org/2000/svg';

export function s<K extends keyof SVGElementTagNameMap>(tag: K, attributes: Record<string, string | number> = {}, ...children: (Element | string)[]): SVGElementTagNameMap[K] {
  const element = document.createElementNS(svgNs, tag);
  set(element, attributes);
  element.append(...children);
  return element;
}

// Writes only what changed: every write, even of the same value, has the browser restyle and lay
// out the element again, and a drag writes at every frame.
export function set(element: Element, attributes: Record<string, string | number>): void {
  for (const [name, value] of Object.entries(attributes)) {
    const text = String(value);
    if (element.getAttribute(name) !== text) element.setAttribute(name, text);
  }
}

// Shows or hides an element, writing its style only when that changes.
export function display(element: SVGElement, shown: boolean): void {
  const value = shown ? '' : 'none';
  if (element.style.display !== value) element.style.display = value;
}
