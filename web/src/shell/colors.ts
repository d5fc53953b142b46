// The app's palette (ColorManager): the same colours, and in dark appearance the palette
// colours at 70 % brightness, as the app makes them.

type Rgb = readonly [number, number, number];

export const palette = {
  primaryDarkColor: [0.79, 0.44, 0.33],
  primaryColor: [1.0, 0.82, 0.69],
  secondaryColor: [1.0, 0.62, 0.5],
  accentColor: [0.7, 0.87, 0.86],
  accentDarkColor: [0.51, 0.68, 0.66],
} as const satisfies Record<string, Rgb>;

// Brightness times 0.7 at equal hue and saturation is each component times 0.7.
export function paletteColor(rgb: Rgb, dark: boolean): Rgb {
  const k = dark ? 0.7 : 1;
  return [rgb[0] * k, rgb[1] * k, rgb[2] * k];
}

// "#rrggbb" of components in 0…1, each truncated after scaling to 255, as the app's hexString.
export function hexString(rgb: Rgb): string {
  const [r, g, b] = rgb.map((c) => Math.trunc(Math.min(1, Math.max(0, c)) * 255));
  return '#' + (r * 65536 + g * 256 + b).toString(16).padStart(6, '0');
}

const neutral = (dark: boolean) => ({
  darkTextColor: '#1a1a1a',
  // Text on the palette colours: the app's dark text, black on the darker palette of the dark
  // appearance, where #1a1a1a falls short of a 4.5 : 1 contrast.
  onPaletteTextColor: dark ? '#000000' : '#1a1a1a',
  // Secondary text (units) dark enough to read on white, light enough on black.
  secondaryLabelColor: dark ? '#aeaeb2' : '#5c5c60',
  lightTextColor: '#e6e6e6',
  systemBackgroundColor: dark ? '#000000' : '#ffffff',
  systemFillColor: dark ? 'rgba(120, 120, 128, 0.36)' : 'rgba(120, 120, 128, 0.2)',
  labelColor: dark ? '#ffffff' : '#000000',
  tertiaryGroupedBackgroundColor: dark ? '#2c2c2e' : '#f2f2f7',
  systemGrayColor: '#8e8e93',
  adaptiveGrayColor: dark ? '#8e8e93' : '#d1d1d6',
  orangeColor: dark ? '#ff9f0a' : '#ff9500',
  redColor: dark ? '#ff453a' : '#ff3b30',
});

// The colours of one appearance as CSS custom properties ("--primary-color: #ffd1af").
export function colorVariables(dark: boolean): Record<string, string> {
  const variables: Record<string, string> = {};
  const name = (key: string) => '--' + key.replace(/Color$/, '').replace(/[A-Z]/g, (c) => '-' + c.toLowerCase()) + '-color';
  for (const [key, rgb] of Object.entries(palette)) variables[name(key)] = hexString(paletteColor(rgb, dark));
  for (const [key, value] of Object.entries(neutral(dark))) variables[name(key)] = value;
  return variables;
}

// Both appearances as one style sheet that follows the system's setting.
export function colorStyleSheet(): string {
  const block = (dark: boolean) =>
    Object.entries(colorVariables(dark))
      .map(([k, v]) => `${k}:${v};`)
      .join('');
  return `:root{color-scheme:light dark;${block(false)}}@media (prefers-color-scheme: dark){:root{${block(true)}}}`;
}
