import { loadMath, mathLabel } from '../math/mathLabel';
import { h } from '../shell/dom';
import type { PrintedWorksheet } from './practiceCalls';
import './printWorksheet.css';

// The command line's PDF worksheet, printed by the browser: the title, the line with the web
// address, each question with a line to write on, then the answers on a page of their own. The
// sheet is hidden on screen; the print style sheet shows it alone.

function numbered(number: number, ...content: Element[]): HTMLElement {
  return h('div', { class: 'worksheet-item' },
    h('span', { class: 'worksheet-number' }, `${number}.`),
    h('div', { class: 'worksheet-body' }, ...content));
}

export function worksheetElement(sheet: PrintedWorksheet): HTMLElement {
  return h('section', { class: 'print-worksheet', id: 'printWorksheet' },
    h('h1', { class: 'worksheet-title' }, sheet.title),
    h('p', { class: 'worksheet-note' }, sheet.webAddress),
    h('div', { class: 'worksheet-questions' },
      ...sheet.questions.map((question, i) =>
        numbered(i + 1,
          h('span', { class: 'worksheet-prompt' }, question.prompt),
          mathLabel(question.given, 'math worksheet-given')))),
    h('div', { class: 'worksheet-answers' },
      h('h1', { class: 'worksheet-title' }, sheet.answerKey),
      ...sheet.questions.map((question, i) => numbered(i + 1, mathLabel(question.answers, 'math worksheet-answer')))),
  );
}

// Puts the sheet into the page (in place of an earlier one), waits for its fonts and opens the
// browser's print dialog. The sheet stays until the next one or removeWorksheet().
export async function printWorksheet(sheet: PrintedWorksheet): Promise<void> {
  await loadMath();
  removeWorksheet();
  document.body.append(worksheetElement(sheet));
  // Laid out off screen, so that the formulas' fonts load before the print dialog takes its copy.
  await new Promise((resolve) => requestAnimationFrame(resolve));
  await document.fonts.ready;
  window.addEventListener('afterprint', removeWorksheet, { once: true });
  window.print();
}

export function removeWorksheet(): void {
  document.getElementById('printWorksheet')?.remove();
}
