import type { Border } from './fieldStates';
import { h } from '../shell/dom';

// One input field: typed into by the keypad only (inputmode "none" keeps the system keyboard
// closed), with its name above the border once it holds text and its unit after the text.
export class InputTextField {
  readonly input: HTMLInputElement;
  readonly element: HTMLElement;

  constructor(readonly placeholder: string, unit: string, id: string) {
    this.input = h('input', {
      id,
      type: 'text',
      inputmode: 'none',
      autocomplete: 'off',
      autocapitalize: 'off',
      spellcheck: 'false',
      placeholder,
      'aria-label': placeholder,
    });
    this.element = h(
      'div',
      { class: 'field' },
      h('label', { class: 'field-name', for: id }, placeholder),
      this.input,
      h('span', { class: 'field-unit', 'aria-hidden': 'true' }, unit),
    );
  }

  get text(): string {
    return this.input.value;
  }

  setText(text: string, caret = text.length): void {
    this.input.value = text;
    this.element.classList.toggle('filled', text !== '');
    if (document.activeElement === this.input) this.input.setSelectionRange(caret, caret);
  }

  selection(): [number, number] {
    return [this.input.selectionStart ?? this.text.length, this.input.selectionEnd ?? this.text.length];
  }

  setEnabled(enabled: boolean): void {
    this.input.disabled = !enabled;
    this.element.classList.toggle('disabled', !enabled);
  }

  setBorder(border: Border): void {
    this.element.dataset.border = border;
    this.input.setAttribute('aria-invalid', border === 'red' ? 'true' : 'false');
  }
}
