import type { SolutionStep } from '../core/solution';
import { h } from '../shell/dom';
import { stepTitle } from './stepTitle';
import { mathLabel } from '../math/mathLabel';

// One step: its title, then its formula in the core's display form (scrolling sideways when
// wider than the page) or its plain message.
export function solutionStepTableViewCell(step: SolutionStep): HTMLElement {
  const title = stepTitle(step.title);
  const row = h('li', { class: 'step' }, h('h3', { class: title.bold ? 'step-title bold' : 'step-title' }, title.text));
  if (step.messageString !== undefined) {
    row.append(h('p', { class: 'step-message' }, step.messageString));
  } else if (step.latexString !== undefined) {
    const formula = mathLabel(step.displayLatex ?? step.latexString, 'math step-formula');
    formula.tabIndex = 0;
    row.append(formula);
  }
  return row;
}
