// SVG elements for the drawings, as shell/dom.ts's h() builds HTML.
const svgNs = 'http://www.w3.org/2000/svg';

export function s<K extends keyof SVGElementTagNameMap>(tag: K, attributes: Record<string, string | number> = {}, ...children: (Element | string)[]): SVGElementTagNameMap[K] {
  const element = document.createElementNS(svgNs, tag);
  set(element, attributes);
  element.append(...children);
  return element;
}

export function set(element: Element, attributes: Record<string, string | number>): void {
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, String(value));
}
