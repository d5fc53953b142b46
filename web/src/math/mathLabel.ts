import type KaTeX from 'katex';
import { h } from '../shell/dom';

// KaTeX loads apart from the first page: the input page needs no formula.
let katex: typeof KaTeX | null = null;

export async function loadMath(): Promise<void> {
  katex ??= (await import('katex')).default;
}

// The core writes \color{c}{x} for "x in colour c", as the app's typesetter reads it; KaTeX's
// \color would colour everything after it, its \textcolor colours only x.
const macros = { '\\color': '\\textcolor' };

// HTML of a formula in display style (with MathML for screen readers); throws on what KaTeX
// cannot read or before it is loaded.
export function typeset(latex: string, output: 'htmlAndMathml' | 'mathml' = 'htmlAndMathml'): string {
  if (!katex) throw new Error('KaTeX not loaded');
  const key = output + ' ' + latex;
  const cached = typesetCache.get(key);
  if (cached !== undefined) return cached;
  const html = katex.renderToString('\\displaystyle ' + latex, { throwOnError: true, output, macros: { ...macros } });
  // Values come back again and again while a point moves; a bounded cache keeps them.
  if (typesetCache.size >= 512) typesetCache.clear();
  typesetCache.set(key, html);
  return html;
}

const typesetCache = new Map<string, string>();

// A typeset formula; text that KaTeX cannot read is shown as it stands, in red, as the app's
// typesetter shows what it does not know.
export function mathLabel(latex: string, className = 'math'): HTMLElement {
  const element = h('div', { class: className });
  try {
    element.innerHTML = typeset(latex);
  } catch {
    element.append(h('span', { class: 'math-error' }, latex));
  }
  return element;
}
