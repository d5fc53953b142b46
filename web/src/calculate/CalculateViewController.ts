import type { UnitCircleCore } from '../core/unitCircleCore';
import type { FieldName, Solution } from '../core/solution';
import type { CalcStore, Calculation } from '../store/calcStore';
import { currentLanguage, tr } from '../i18n/texts';
import { h } from '../shell/dom';
import { showAlert } from '../shell/AlertDialog';
import type { Toast } from '../shell/Toast';
import { enabledFields, errorBorders, errorPresentation } from './fieldStates';
import { InputTextField } from './InputTextField';
import { keypad, keysBox } from './Keypad';
import { deleteBackward, insertKey, insertKeys, keypadKeyFor, pastedKeys } from './keypadEditing';

export interface CalculateDependencies {
  core: UnitCircleCore;
  store: CalcStore;
  toast: Toast;
  showSolution(solution: Solution): Promise<void>;
}

// The input page: the α and b fields, filled by the keypad or a physical keyboard; one tap on
// the check mark calculates, stores the calculation and shows the result page.
export class CalculateViewController {
  readonly element: HTMLElement;
  private readonly fields: Record<FieldName, InputTextField>;
  private readonly keypad: HTMLElement;
  private currentField: FieldName = 'alpha';
  // The calculation waiting for the core; an edit, Clear or a new calculation gives it up.
  private waiting: AbortController | null = null;
  // From the core's answer until its result shows.
  private isCalculating = false;

  constructor(private readonly deps: CalculateDependencies) {
    this.fields = {
      alpha: new InputTextField('α', '°', 'alphaTextField'),
      b: new InputTextField('b', 'rad', 'bTextField'),
    };
    for (const [name, field] of Object.entries(this.fields) as [FieldName, InputTextField][]) {
      field.input.addEventListener('focus', () => (this.currentField = name));
      field.input.addEventListener('keydown', (event) => this.keyPressed(event));
      field.input.addEventListener('paste', (event) => this.pasted(name, event));
      // Whatever else reaches the field (dictation) still updates the other one.
      field.input.addEventListener('input', () => this.fieldEdited(field));
      field.setBorder('normal');
    }
    this.element = h(
      'div',
      { class: 'calculate-page' },
      h('div', { class: 'fields' },
        h('p', { class: 'fill-in' }, tr('CalculateView', 'Fill in your given numbers:')),
        this.fields.alpha.element,
        this.fields.b.element),
      (this.keypad = keypad({
        keyTapped: (title) => this.tappedKeypadButtonWithValue(title),
        deleteTapped: () => this.tappedDeleteButton(),
        calculateTapped: () => void this.tappedCalculateButton(),
      })),
    );
  }

  // Fills the fields from the chosen history entry, else from what was typed last time.
  async loadInput(): Promise<void> {
    const record = await this.deps.store.takeInputToFill();
    this.fields.alpha.setText(record?.inputParameters['α'] ?? '');
    this.fields.b.setText(record?.inputParameters['b'] ?? '');
    this.updateFieldStates();
  }

  texts(): Record<FieldName, string> {
    return { alpha: this.fields.alpha.text, b: this.fields.b.text };
  }

  private inputParameters(): Record<string, string> {
    const parameters: Record<string, string> = {};
    for (const field of Object.values(this.fields)) if (field.text) parameters[field.placeholder] = field.text;
    return parameters;
  }

  async saveCurrentInputs(): Promise<void> {
    await this.deps.store.setOpenCalculation('currentCalculation', {
      inputParameters: this.inputParameters(),
      latexString: '',
    });
  }

  private editableField(): InputTextField {
    const current = this.fields[this.currentField];
    if (!current.input.disabled) return current;
    return this.fields.alpha.input.disabled ? this.fields.b : this.fields.alpha;
  }

  private applyEdit(edit: (text: string, start: number, end: number) => { text: string; caret: number }): void {
    if (this.isCalculating) return;
    this.waiting?.abort();
    const field = this.editableField();
    if (document.activeElement !== field.input) field.input.focus({ preventScroll: true });
    const [start, end] = field.selection();
    const edited = edit(field.text, start, end);
    field.setText(edited.text, edited.caret);
    this.updateFieldStates();
  }

  tappedKeypadButtonWithValue(title: string): void {
    this.applyEdit((text, start, end) => insertKey(text, start, end, title));
  }

  tappedDeleteButton(): void {
    this.applyEdit((text, start, end) => deleteBackward(text, start, end));
  }

  private keyPressed(event: KeyboardEvent): void {
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    if (event.key === 'Enter') {
      event.preventDefault();
      void this.tappedCalculateButton();
    } else if (event.key === 'Backspace') {
      event.preventDefault();
      this.tappedDeleteButton();
    } else if (event.key.length === 1) {
      // Only what the keypad could type reaches the field.
      event.preventDefault();
      const key = keypadKeyFor(event.key);
      if (key) this.tappedKeypadButtonWithValue(key);
    }
  }

  // Pasted text is typed key by key, as a keyboard types it; text with a character that no key
  // types is refused with the core's message for a character it cannot read.
  private pasted(name: FieldName, event: ClipboardEvent): void {
    event.preventDefault();
    if (this.isCalculating) return;
    const keys = pastedKeys(event.clipboardData?.getData('text/plain') ?? '');
    this.currentField = name;
    if (keys) {
      this.applyEdit((text, start, end) => insertKeys(text, start, end, keys));
      return;
    }
    this.fields[name].setBorder('red');
    this.showMessage(tr('Core', 'inputParameterError'), name);
  }

  // A message beside the field it is about, scrolled into sight, or above the keys.
  private showMessage(message: string, about?: FieldName): void {
    const field = about ? this.fields[about].element : undefined;
    field?.scrollIntoView({ block: 'nearest' });
    this.deps.toast.show(message, { field, keys: keysBox(this.keypad) });
  }

  private fieldEdited(field: InputTextField): void {
    this.waiting?.abort();
    field.setText(field.text, field.selection()[1]);
    this.updateFieldStates();
  }

  // After every edit: the fields' availability, and the typed input kept for the next visit
  // (written now, as a closing tab may not wait for a write at its end).
  updateFieldStates(): void {
    const enabled = enabledFields(this.texts());
    this.fields.alpha.setEnabled(enabled.alpha);
    this.fields.b.setEnabled(enabled.b);
    void this.saveCurrentInputs().catch(() => undefined);
  }

  private resetBorders(): void {
    this.fields.alpha.setBorder('normal');
    this.fields.b.setBorder('normal');
  }

  // Solves, and on success stores the calculation and shows its result. False on an error or
  // no answer, which leaves the stored history as it was.
  async tappedCalculateButton(): Promise<boolean> {
    this.waiting?.abort();
    if (this.isCalculating) return false;
    performance.mark('calculate-tap');
    this.resetBorders();
    const texts = this.texts();
    const waiting = (this.waiting = new AbortController());
    const outcome = await this.deps.core.solve(texts.alpha, texts.b, currentLanguage(), waiting.signal);
    if (waiting.signal.aborted) return false;
    this.waiting = null;
    this.isCalculating = true;
    try {
      if (!outcome.ok && 'failure' in outcome) {
        // Nothing wrong with the input: its fields stay as they are.
        if (outcome.failure !== 'cancelled') {
          this.showMessage(tr('CalculateView', 'calculatorNotAnswering'));
        }
        return false;
      }
      if (!outcome.ok) {
        const borders = errorBorders(outcome.error);
        this.fields.alpha.setBorder(borders.alpha);
        this.fields.b.setBorder(borders.b);
        const presentation = errorPresentation(outcome.error, tr('Core', 'inputParameterError'));
        if (presentation?.kind === 'alert') {
          showAlert(tr('Core', 'error'), presentation.message, [{ title: tr('Main', 'OK'), role: 'default' }]);
        } else if (presentation) {
          this.showMessage(presentation.message, outcome.error.fields[0]);
        }
        return false;
      }
      this.deps.toast.hide();
      // The history write starts now, so the history reads it once it is open; the page does
      // not wait for the disk, or Clear and the keys would be ignored meanwhile.
      void this.storeCalculation(outcome.solution.summaryLatex);
      await this.deps.showSolution(outcome.solution);
      return true;
    } finally {
      this.isCalculating = false;
    }
  }

  private async storeCalculation(latexString: string): Promise<void> {
    const record: Calculation = { inputParameters: this.inputParameters(), latexString };
    try {
      await this.deps.store.insertCalculation(record);
    } catch {
      // A full or unavailable store costs the history entry, never the result.
    }
  }

  // Puts a text into b on a fresh page, ready to be calculated.
  fillB(text: string): void {
    this.fields.alpha.setText('');
    this.fields.b.setText(text);
    this.resetBorders();
    this.updateFieldStates();
  }

  // Puts an angle into α on a fresh page, ready to be calculated.
  fillAlpha(text: string): void {
    this.fields.b.setText('');
    this.fields.alpha.setText(text);
    this.resetBorders();
    this.updateFieldStates();
  }

  clearAll(): void {
    this.resetBorders();
    this.waiting?.abort();
    if (this.isCalculating) return;
    this.fields.alpha.setText('');
    this.fields.b.setText('');
    this.deps.toast.hide();
    this.updateFieldStates();
    void this.deps.store.setOpenCalculation('currentCalculation', null);
    void this.deps.store.setOpenCalculation('currentSelectedCalculation', null);
  }
}
