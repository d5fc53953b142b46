#!/usr/bin/env node
// Runs the native `unitcircle` and the WebAssembly core's command line (unitcircle.mjs) on the
// same inputs and requires the same standard output, standard error and exit status: every
// golden case of the core tests and seeded random inputs, in English and German, as JSON and as
// text, and a set of command lines that exercise the option parsing.
//
//   node compare-with-native.mjs --native build/ci/src/cli/unitcircle \
//     --core build/wasm/web-core/unitcircle-core.mjs --cases tests/core/golden/cases.tsv \
//     [--random 3000] [--seed 20261208]
import { spawnSync } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));

function options(argv) {
  const result = { random: 3000, seed: 20261208 };
  for (let i = 0; i < argv.length; i += 2) result[argv[i].replace(/^--/, '')] = argv[i + 1];
  for (const required of ['native', 'core', 'cases']) {
    if (!result[required]) throw new Error(`missing --${required}`);
  }
  return result;
}

// mulberry32: the same inputs on every run.
function generator(seed) {
  let state = Number(seed) >>> 0;
  const next = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const below = (n) => Math.floor(next() * n);
  const pick = (items) => items[below(items.length)];
  return { next, below, pick };
}

// One typed field: what a learner types, and what the parser must refuse.
function randomField(r) {
  const sign = () => r.pick(['', '', '', '-', '+']);
  const integer = () => String(r.pick([r.below(10), r.below(400), r.below(100000), r.below(1e9)]));
  const decimal = () => `${r.below(1000)}.${String(r.below(1e6)).padStart(r.below(6) + 1, '0')}`;
  const number = () => (r.next() < 0.5 ? integer() : decimal());
  const forms = [
    () => sign() + integer(),
    () => sign() + decimal(),
    () => `${sign()}${number()}/${r.pick([number(), integer(), '0'])}`,
    () => `${sign()}${r.pick(['', '2', '3', '5', '0.5'])}${r.pick(['π', 'e'])}`,
    () => `${sign()}${r.pick(['', '3', '7', '11'])}π/${r.pick(['2', '3', '4', '6', '12', 'e'])}`,
    () => `${sign()}${r.pick(['', '2'])}e/${r.pick(['π', '3', '7.5'])}`,
    () => sign() + r.pick(['1e308', '1e-320', '9.3e18', '123456789012345678', '1e15', '2e-9']),
    () => sign() + (Math.PI * (r.below(25) - 12) / r.pick([1, 2, 3, 4, 6, 12])).toFixed(r.pick([5, 9, 11])),
    () => `(${number()})`,
    () => r.pick(['', 'abc', '1//2', '--5', '1,5', '((', ')', 'inf', 'nan', '0x10', '5 ', ' 5',
                  '.', '+', '1e', 'π/0', '3/0', 'ππ', '1/2/3', '°', '√2', '½', '٣']),
  ];
  return r.pick(forms)();
}

function randomInputs(count, seed) {
  const r = generator(seed);
  const lines = [];
  for (let i = 0; i < count; ++i) {
    const which = r.next();
    const alpha = which < 0.45 || which > 0.9 ? randomField(r) : '';
    const b = which >= 0.45 ? randomField(r) : '';
    lines.push(`${alpha}\t${b}`);
  }
  return lines;
}

function goldenInputs(casesFile) {
  return readFileSync(casesFile, 'utf8')
    .split('\n')
    .filter((line) => line.includes('\t'))
    .map((line) => line.slice(line.indexOf('\t') + 1));
}

function run(command, args, input, env) {
  const result = spawnSync(command[0], [...command.slice(1), ...args], {
    input,
    env: { ...process.env, ...env },
    maxBuffer: 1 << 30,
  });
  if (result.error) throw result.error;
  return { status: result.status, stdout: result.stdout.toString(), stderr: result.stderr.toString() };
}

function firstDifference(a, b) {
  let i = 0;
  while (i < a.length && a[i] === b[i]) ++i;
  return i;
}

function describe(label, native, web) {
  for (const stream of ['status', 'stdout', 'stderr']) {
    if (native[stream] === web[stream]) continue;
    if (stream === 'status') return `${label}: exit status ${native.status} (native) against ${web.status}`;
    const at = firstDifference(native[stream], web[stream]);
    const lineStart = native[stream].lastIndexOf('\n', at - 1) + 1;
    const lineNumber = native[stream].slice(0, at).split('\n').length;
    return (
      `${label}: ${stream} differs in line ${lineNumber}, character ${at - lineStart + 1}\n` +
      `  native: ${JSON.stringify(native[stream].slice(Math.max(lineStart, at - 60), at + 60))}\n` +
      `  web:    ${JSON.stringify(web[stream].slice(Math.max(lineStart, at - 60), at + 60))}`
    );
  }
  return null;
}

const o = options(process.argv.slice(2));
if (!existsSync(o.core)) {
  console.error(
    `web.core_parity: no WebAssembly core at ${o.core}: build it first with ` +
      '`cmake --workflow --preset wasm` (or set the cache variable UC_WASM_CORE)',
  );
  process.exit(1);
}
const native = [o.native];
const web = [process.execPath, path.join(here, 'unitcircle.mjs')];
const webEnv = { UNITCIRCLE_CORE: o.core };

const inputs = [...goldenInputs(o.cases), ...randomInputs(Number(o.random), o.seed)];
const batch = `${inputs.join('\n')}\n`;
let compared = 0;
const failures = [];

function compare(label, args, input = '', count = 1) {
  const difference = describe(label, run(native, args, input), run(web, args, input, webEnv));
  if (difference) failures.push(difference);
  compared += count;
}

for (const language of ['en', 'de']) {
  compare(`batch JSON ${language}`, ['solve', '--batch', '--json', '--lang', language], batch, inputs.length);
  compare(`batch text ${language}`, ['solve', '--batch', '--lang', language], batch, inputs.length);
}
compare('batch JSON untranslated', ['solve', '--batch', '--json', '--no-translate'], batch, inputs.length);

// Single solutions: the options as a shell passes them, and wrong usage.
const commandLines = [
  ['solve', '--alpha', '45'],
  ['solve', '--alpha', '45', '--json', '--lang', 'de'],
  ['solve', '--b', '-π/4', '--json'],
  ['solve', '--b=-π/4', '--lang=de_AT'],
  ['solve', '--alpha=', '--b', '3π/4', '--no-translate'],
  ['solve', '--b', '1/0'],
  ['solve', '--b', '1/0', '--lang', 'de'],
  ['solve', '--alpha', '-', '--json'],
  ['solve'],
  ['solve', '--json'],
  ['solve', '--gamma', '1'],
  ['solve', '--alpha'],
  ['solve', '--json=yes'],
  ['solve', '--lang', 'fr', '--alpha', '1'],
  ['solve', '--batch', '--alpha', '1'],
  ['frobnicate'],
  [],
];
for (const args of commandLines) compare(`unitcircle ${args.join(' ')}`, args);
compare('batch with CRLF and a line without tab', ['solve', '--batch', '--json'], '45\r\n3π/4\n\t-e');

console.log(`web.core_parity: ${compared} cases compared (${inputs.length} inputs, seed ${o.seed})`);
if (failures.length) {
  console.error(`${failures.length} of the runs differ; the first:\n${failures[0]}`);
  process.exit(1);
}
