// Captures the core's answers that the fake core replays in unit tests, from the WebAssembly
// build (which answers as `unitcircle solve --json` does):
//   node src/core/testing/capture-fixtures.mjs > src/core/testing/fixtures.json
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const modulePath = process.env.UNITCIRCLE_CORE ?? resolve(import.meta.dirname, '../../../../build/wasm/web-core/unitcircle-core.mjs');
const core = await (await import(pathToFileURL(modulePath).href)).default();
const cases = [['45', ''], ['', '3π/4'], ['', '2.35619449019'], ['1/0', ''], ['abc', ''], ['90', ''], ['', ''], ['30', '']];
const fixtures = [];
for (const language of ['en', 'de']) {
  for (const [alpha, b] of cases) fixtures.push({ alpha, b, language, json: core.solve(alpha, b, language) });
}
console.log(JSON.stringify(fixtures, null, 1));
