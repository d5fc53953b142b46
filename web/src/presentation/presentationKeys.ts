// Which key presses the presentation asks the core about. It takes them before the browser
// does, since Space, the arrows and Page Down would otherwise scroll the steps as well. Left
// to the browser: shortcuts with Ctrl, Alt or Meta (the text size, the browser's own), Tab,
// the function keys, and Enter or Space on a button, which press it.

export interface KeyPress {
  key: string;
  ctrlKey: boolean;
  altKey: boolean;
  metaKey: boolean;
}

export function presentationTakes(press: KeyPress, onButton: boolean): boolean {
  if (press.ctrlKey || press.altKey || press.metaKey) return false;
  if (press.key === 'Tab' || /^F\d{1,2}$/.test(press.key)) return false;
  return !(onButton && (press.key === 'Enter' || press.key === ' '));
}
