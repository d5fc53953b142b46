import type { Solution } from '../core/solution';
import { h } from '../shell/dom';
import { tr } from '../i18n/texts';
import { exactValuesCard } from './ExactValuesCard';
import { solutionStepTableViewCell } from './SolutionStepTableViewCell';
import { loadMath } from '../math/mathLabel';

// The result page: the "did you mean" hint, the exact values card, then every step.
export class SolutionViewController {
  readonly element = h('div', { class: 'solution-page' });
  private solution: Solution | null = null;

  constructor(private readonly onHint: (bText: string) => void) {}

  get hasSteps(): boolean {
    return (this.solution?.steps.length ?? 0) > 0;
  }

  async showSolution(solution: Solution): Promise<void> {
    await loadMath();
    this.solution = solution;
    const word = (key: string) => tr('ExactValues', key);
    const content = h('div', { class: 'solution-content' });
    if (solution.hint) {
      const hint = solution.hint;
      content.append(
        h('button', { type: 'button', class: 'pi-hint', id: 'piHintButton', onclick: () => this.onHint(hint) },
          word('didYouMean').replaceAll('%1', hint)),
      );
    }
    if (solution.card) content.append(exactValuesCard(solution.card));
    content.append(h('ol', { class: 'steps', 'aria-label': tr('SolutionView', 'Result') }, ...solution.steps.map(solutionStepTableViewCell)));
    this.element.replaceChildren(content);
    // A new result starts at its top, wherever the last one was read to.
    this.element.closest('.page')?.scrollTo({ top: 0 });
  }

  clearSolution(): void {
    this.solution = null;
    this.element.replaceChildren();
  }
}
