import { createHash } from 'node:crypto';
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { join, relative } from 'node:path';
import type { Plugin } from 'vite';

// Writes sw.js beside the built app with the list of files to precache: everything the build
// emits and the public folder holds, except fonts that no formula of the tutor uses (they are
// cached when first fetched).
export function serviceWorker(options: { template: string; publicDir: string; skip: RegExp }): Plugin {
  const publicFiles = (dir: string): string[] =>
    readdirSync(dir).flatMap((name) => {
      const path = join(dir, name);
      return statSync(path).isDirectory() ? publicFiles(path) : [relative(options.publicDir, path)];
    });
  return {
    name: 'unitcircle-service-worker',
    apply: 'build',
    enforce: 'post',
    generateBundle(_options, bundle) {
      const files = [...Object.keys(bundle), ...publicFiles(options.publicDir)]
        .filter((file) => !options.skip.test(file) && !file.endsWith('.map'))
        .sort();
      const hash = createHash('sha256');
      for (const file of Object.keys(bundle).sort()) {
        const item = bundle[file];
        hash.update(file).update(item.type === 'chunk' ? item.code : item.source);
      }
      const precache = ['./', ...files.map((file) => './' + file.replaceAll('\\', '/'))];
      const source = readFileSync(options.template, 'utf8')
        .replace('__VERSION__', JSON.stringify(hash.digest('hex').slice(0, 16)))
        .replace('__PRECACHE__', JSON.stringify(precache));
      this.emitFile({ type: 'asset', fileName: 'sw.js', source });
    },
  };
}
