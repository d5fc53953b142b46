import katex from 'katex';
import { h } from '../shell/dom';

// A formula typeset by KaTeX; text that KaTeX cannot read is shown as it stands, in red, as
// the app's typesetter shows what it does not know.
export function mathLabel(latex: string, className = 'math'): HTMLElement {
  const element = h('div', { class: className });
  try {
    element.innerHTML = katex.renderToString('\\displaystyle ' + latex, { throwOnError: true, output: 'htmlAndMathml' });
  } catch {
    element.append(h('span', { class: 'math-error' }, latex));
  }
  return element;
}
