import type KaTeX from 'katex';
import { h } from '../shell/dom';

// KaTeX loads apart from the first page: the input page needs no formula.
let katex: typeof KaTeX | null = null;

export async function loadMath(): Promise<void> {
  katex ??= (await import('katex')).default;
}

// A formula typeset by KaTeX in display style; text that KaTeX cannot read (or KaTeX not yet
// loaded) is shown as it stands, in red, as the app's typesetter shows what it does not know.
export function mathLabel(latex: string, className = 'math'): HTMLElement {
  const element = h('div', { class: className });
  try {
    if (!katex) throw new Error('KaTeX not loaded');
    element.innerHTML = katex.renderToString('\\displaystyle ' + latex, { throwOnError: true, output: 'htmlAndMathml' });
  } catch {
    element.append(h('span', { class: 'math-error' }, latex));
  }
  return element;
}
