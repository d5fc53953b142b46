#!/usr/bin/env node
// `unitcircle solve` over the WebAssembly core: the native program's options, output and exit
// statuses, as the core runs its own command line. `history` reads the app's settings file,
// which only the native program can.
//
//   node web/tools/unitcircle.mjs solve --b 3π/4 --json
//   UNITCIRCLE_CORE=path/to/unitcircle-core.mjs node web/tools/unitcircle.mjs solve --alpha 45
import { existsSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const corePath = path.resolve(
  process.env.UNITCIRCLE_CORE || path.join(here, '../../build/wasm/web-core/unitcircle-core.mjs'),
);
const kExitUsage = 64;
const webNote =
  '\nThis is the WebAssembly core under node: it runs solve only; history needs the native\n' +
  'unitcircle, which reads the app\'s settings file.\n';

async function loadCore() {
  if (!existsSync(corePath)) {
    process.stderr.write(
      `unitcircle: no WebAssembly core at ${corePath}: build it with ` +
        '`cmake --workflow --preset wasm` or name it in UNITCIRCLE_CORE\n',
    );
    process.exit(1);
  }
  const { default: createUnitCircleCore } = await import(pathToFileURL(corePath).href);
  return createUnitCircleCore();
}

const args = process.argv.slice(2);
const core = await loadCore();
const usage = core.run(['--help']).stdout;

if (args[0] === 'history') {
  process.stderr.write('unitcircle: history is not part of this build\n\n');
  process.stderr.write(usage);
  process.stderr.write(webNote);
  process.exitCode = kExitUsage;
} else {
  // Standard input only for --batch, so that a solve from a terminal does not wait for it.
  const input = args.includes('--batch') ? readFileSync(0) : new Uint8Array(0);
  const { status, stdout, stderr } = core.run(args, input);
  process.stdout.write(stdout);
  if (status === 0 && Buffer.from(stdout).equals(Buffer.from(usage))) process.stdout.write(webNote);
  process.stderr.write(stderr);
  // Not process.exit(): that could cut off output still going down a pipe.
  process.exitCode = status;
}
