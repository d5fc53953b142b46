import { describe, expect, it } from 'vitest';
import { colorVariables, hexString, palette, paletteColor } from './colors';

describe('palette', () => {
  it('writes colours as the app does, truncating each component', () => {
    expect(hexString([1, 0, 0])).toBe('#ff0000');
    expect(hexString([1, 1, 1])).toBe('#ffffff');
    expect(hexString(palette.primaryColor)).toBe('#ffd1af');
  });

  it('makes the palette 30 % darker in dark appearance, and only the palette', () => {
    const [r, g, b] = paletteColor(palette.secondaryColor, true);
    expect([r, g, b].map((c) => +c.toFixed(6))).toEqual([0.7, 0.434, 0.35]);
    const light = colorVariables(false);
    const dark = colorVariables(true);
    expect(dark['--primary-color']).toBe(hexString(paletteColor(palette.primaryColor, true)));
    expect(light['--dark-text-color']).toBe(dark['--dark-text-color']);
    expect(light['--system-background-color']).toBe('#ffffff');
    expect(dark['--system-background-color']).toBe('#000000');
  });
});
