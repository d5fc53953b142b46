/// <reference types="vitest/config" />
import { dirname, resolve } from 'node:path';
import { defineConfig } from 'vite';
import { katexWoff2Only } from './build-plugins/katexFonts.ts';
import { serviceWorker } from './build-plugins/serviceWorker.ts';
import { translations } from './build-plugins/translations.ts';

const here = import.meta.dirname;
const core = process.env.UNITCIRCLE_CORE ?? resolve(here, '../build/wasm/web-core/unitcircle-core.mjs');
// The charts' and practice's calls: a module of their own beside the core, loaded when first needed.
// (The fake core for building without WebAssembly stands in for both.)
const calls = process.env.UNITCIRCLE_CALLS ?? (core.endsWith('.ts') ? core : resolve(dirname(core), 'unitcircle-calls.mjs'));

export default defineConfig({
  base: './',
  resolve: { alias: { 'unitcircle-core': core, 'unitcircle-calls': calls } },
  plugins: [
    translations(resolve(here, '../resources/translations'), [
      'Main', 'Core', 'CalculateView', 'SolutionView', 'HistoryView', 'ExactValues', 'SideMenu', 'PracticeView',
      'UnitCircleChartView', 'ChartTableViewCell', 'Store', 'TextScale', 'Onboarding', 'Consent', 'ExploreView', 'VideoStrip', 'ManualView',
      'Presentation',
    ]),
    katexWoff2Only(),
    serviceWorker({
      template: resolve(here, 'build-plugins/sw-template.js'),
      publicDir: resolve(here, 'public'),
      // Fonts for what the tutor's formulas never hold (bold, script, fraktur, …).
      skip: /KaTeX_(?!Main-Regular|Math-Italic|Size[1-4]-Regular)[\w-]+\.woff2$/,
    }),
  ],
  worker: { format: 'es' },
  build: { target: 'es2022', assetsInlineLimit: 0, chunkSizeWarningLimit: 1500 },
  // The dev server may read the shared resources (the bundled configuration, the pictures).
  server: { fs: { allow: [here, resolve(here, '../resources')] } },
  preview: { host: '127.0.0.1', strictPort: true },
  test: {
    include: ['src/**/*.test.ts', 'build-plugins/**/*.test.ts'],
    environment: 'node',
  },
});
