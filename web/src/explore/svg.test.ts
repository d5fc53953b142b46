import { describe, expect, it } from 'vitest';
import { display, set } from './svg';

// Just enough of an element to count what a drag writes to it.
function element() {
  const attributes = new Map<string, string>();
  const writes: string[] = [];
  const style = { value: '', get display() { return this.value; }, set display(v: string) { writes.push(`display=${v}`); this.value = v; } };
  const fake = {
    getAttribute: (name: string) => attributes.get(name) ?? null,
    setAttribute: (name: string, value: string) => { writes.push(`${name}=${value}`); attributes.set(name, value); },
    style,
  };
  return { fake, writes, attributes };
}

describe('drawing writes', () => {
  it('set writes only the attributes whose text changes', () => {
    const { fake, writes, attributes } = element();
    set(fake as unknown as Element, { cx: 10, cy: 20.5 });
    set(fake as unknown as Element, { cx: 10, cy: 21 });
    set(fake as unknown as Element, { cx: '10', cy: 21 });
    expect(writes).toEqual(['cx=10', 'cy=20.5', 'cy=21']);
    expect(attributes.get('cy')).toBe('21');
  });

  it('display changes the style only when shown turns', () => {
    const { fake, writes } = element();
    const shape = fake as unknown as SVGElement;
    display(shape, true);
    display(shape, false);
    display(shape, false);
    display(shape, true);
    expect(writes).toEqual(['display=none', 'display=']);
  });
});
