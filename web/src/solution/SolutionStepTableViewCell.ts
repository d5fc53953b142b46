import type { SolutionStep } from '../core/solution';
import { h } from '../shell/dom';
import { stepTitle } from './stepTitle';
import { mathLabel } from '../math/mathLabel';
import { scrollsSideways } from '../shell/sideScroll';

// One step: its title, then its formula in the core's display form (on one line, scrolling
// sideways when wider than the page) or its plain message. A tap on it (or Enter or Space on
// its title) shows on the unit circle what it works out.
export function solutionStepTableViewCell(step: SolutionStep, onTap: () => void): HTMLElement {
  const title = stepTitle(step.title);
  const toggle = h('button', { type: 'button', class: 'step-toggle', 'aria-pressed': 'false' }, title.text);
  const row = h('li', { class: 'step', onclick: onTap }, h('h3', { class: title.bold ? 'step-title bold' : 'step-title' }, toggle));
  if (step.messageString !== undefined) {
    row.append(h('p', { class: 'step-message' }, step.messageString));
  } else if (step.latexString !== undefined) {
    const formula = mathLabel(step.displayLatex ?? step.latexString, 'math step-formula');
    scrollsSideways(formula);
    row.append(formula);
  }
  return row;
}

// Marked: tinted, with a bar on its left.
export function markStep(row: HTMLElement, marked: boolean): void {
  row.classList.toggle('marked', marked);
  row.querySelector('.step-toggle')?.setAttribute('aria-pressed', String(marked));
}
