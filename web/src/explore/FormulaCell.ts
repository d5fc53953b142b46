import { tr } from '../i18n/texts';
import { mathLabel } from '../math/mathLabel';
import { h } from '../shell/dom';

// A value's cell and the formulas it has shown. A moving point comes back to the same values
// again and again: a kept formula goes back in as it is, where one set anew costs reading
// KaTeX's HTML again.
export class FormulaCell {
  // Enough for every special value of a few turns; then it starts over.
  private static readonly kept = 128;
  private readonly formulas = new Map<string, HTMLElement>();

  constructor(readonly element: HTMLElement) {}

  get latex(): string | undefined {
    return this.element.dataset.latex;
  }

  // Shows latex ("undefined" where it is empty).
  show(latex: string): void {
    if (this.latex === latex && this.element.firstChild) return;
    let formula = this.formulas.get(latex);
    if (!formula) {
      formula = latex ? mathLabel(latex, 'math explore-math shown') : h('span', { class: 'explore-undefined shown' }, tr('Core', 'undefined'));
      if (this.formulas.size >= FormulaCell.kept) this.formulas.clear();
      this.formulas.set(latex, formula);
    }
    this.element.replaceChildren(formula);
    this.element.dataset.latex = latex;
  }
}
