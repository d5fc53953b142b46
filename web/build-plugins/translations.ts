import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import type { Plugin } from 'vite';

// The web edition shows the app's own texts: they come from the app's Qt Linguist files at
// build time, so both editions share one source of wording.

export type Catalogue = Record<string, Record<string, string>>;

const entities: Record<string, string> = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const decode = (text: string) =>
  text.replace(/&(#x?[0-9a-fA-F]+|\w+);/g, (whole, name: string) => {
    if (name.startsWith('#x')) return String.fromCodePoint(parseInt(name.slice(2), 16));
    if (name.startsWith('#')) return String.fromCodePoint(parseInt(name.slice(1), 10));
    return entities[name] ?? whole;
  });

// The translations of the given contexts; an empty or unfinished translation is left out, so
// the lookup falls back to the key as the app does.
export function readLinguistFile(xml: string, contexts: readonly string[]): Catalogue {
  const catalogue: Catalogue = {};
  for (const [, body] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = decode(/<name>([\s\S]*?)<\/name>/.exec(body)?.[1] ?? '');
    if (!contexts.includes(name)) continue;
    const texts: Record<string, string> = (catalogue[name] ??= {});
    for (const [, message] of body.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = /<source>([\s\S]*?)<\/source>/.exec(message)?.[1];
      const translation = /<translation(?![^>]*type="(?:unfinished|vanished|obsolete)")[^>]*>([\s\S]*?)<\/translation>/.exec(message)?.[1];
      if (source !== undefined && translation) texts[decode(source)] = decode(translation);
    }
  }
  return catalogue;
}

const moduleId = 'virtual:translations';

// In index.html, {{tr Context key}} becomes that text in every language, as a JSON object: for
// what the page says before its scripts have loaded.
function htmlTexts(html: string, all: Record<string, Catalogue>): string {
  return html.replace(/\{\{tr (\w+) (\w+)\}\}/g, (_, context: string, key: string) => {
    const texts = Object.fromEntries(Object.entries(all).map(([language, catalogue]) => [language, catalogue[context]?.[key] ?? key]));
    // Inside a script element: no "</script>" can end it early.
    return JSON.stringify(texts).replaceAll('<', '\\u003c');
  });
}

export function translations(directory: string, contexts: readonly string[]): Plugin {
  const files = { en: resolve(directory, 'unitcircle_en.ts'), de: resolve(directory, 'unitcircle_de.ts') };
  const readAll = () => {
    const all: Record<string, Catalogue> = {};
    for (const [language, file] of Object.entries(files)) all[language] = readLinguistFile(readFileSync(file, 'utf8'), contexts);
    return all;
  };
  return {
    name: 'unitcircle-translations',
    resolveId: (id) => (id === moduleId ? '\0' + moduleId : undefined),
    load(id) {
      if (id !== '\0' + moduleId) return undefined;
      for (const file of Object.values(files)) this.addWatchFile(file);
      return `export default ${JSON.stringify(readAll())};`;
    },
    transformIndexHtml: { order: 'pre', handler: (html) => htmlTexts(html, readAll()) },
  };
}
