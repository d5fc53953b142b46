import { tr } from '../i18n/texts';
import type { MapAngle, Mastery } from './practiceCalls';

// The special angles on a circle, each coloured by how well the learner knows it: grey new,
// orange learning, green known. Tapping one practises its cards. The multiples of 18° that are
// not multiples of 15° lie as little as 3° from those, so they take an inner ring of their own.
// A point sits on its ring by rotation, so no angle is worked out here.

const svgNs = 'http://www.w3.org/2000/svg';
function s<K extends keyof SVGElementTagNameMap>(tag: K, attributes: Record<string, string | number> = {}, ...children: (Element | string)[]): SVGElementTagNameMap[K] {
  const element = document.createElementNS(svgNs, tag);
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, String(value));
  element.append(...children);
  return element;
}

const outerRadius = 84;
const outerDot = 10;
const innerRadius = 62;
const innerDot = 8.5;

export function masteryName(mastery: Mastery): string {
  return tr('PracticeView', mastery);
}

// beyondOneTurn: level 3, where each point stands for its angle one turn either side too.
export function masteryMap(angles: MapAngle[], beyondOneTurn: boolean, onTap: (degrees: number) => void): SVGSVGElement {
  const hasInner = angles.some((angle) => angle.ring === 1);
  const svg = s('svg', { class: 'mastery-map', viewBox: '-100 -100 200 200', role: 'group' });
  svg.append(
    s('circle', { class: 'mastery-circle', r: outerRadius, fill: 'none' }),
    s('line', { class: 'mastery-axis', x1: -outerRadius, x2: outerRadius, y1: 0, y2: 0 }),
    s('line', { class: 'mastery-axis', x1: 0, x2: 0, y1: -outerRadius, y2: outerRadius }),
  );
  if (hasInner) svg.append(s('circle', { class: 'mastery-circle inner', r: innerRadius, fill: 'none' }));
  const label = tr('PracticeView', beyondOneTurn ? '%1 degrees and one turn either side, %2' : '%1 degrees, %2');
  for (const angle of angles) {
    const radius = angle.ring === 1 ? innerRadius : outerRadius;
    const dot = angle.ring === 1 ? innerDot : outerDot;
    const text = s('text', { class: 'mastery-label', 'text-anchor': 'middle', 'dominant-baseline': 'central' }, `${angle.degrees}°`);
    text.style.fontSize = `${dot * 0.62}px`;
    const point = s(
      'g',
      {
        class: `mastery-point ${angle.mastery}`,
        role: 'button',
        tabindex: 0,
        'data-degrees': angle.degrees,
        'aria-label': label.replace('%1', String(angle.degrees)).replace('%2', masteryName(angle.mastery)),
        // Counter-clockwise from the x axis, then turned back so that the label stands upright.
        transform: `rotate(${-angle.degrees}) translate(${radius} 0) rotate(${angle.degrees})`,
      },
      s('circle', { class: 'mastery-hit', r: dot + 3 }),
      s('circle', { class: 'mastery-dot', r: dot }),
      text,
    );
    point.addEventListener('click', () => onTap(angle.degrees));
    point.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' || event.key === ' ') {
        event.preventDefault();
        onTap(angle.degrees);
      }
    });
    svg.append(point);
  }
  return svg;
}
