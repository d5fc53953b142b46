// The practice answer as the keypad edits it: keys are added at the end; a choice ("undefined",
// "II", "no solution") replaces the answer and is replaced or deleted whole.

// Letters other than π, and spaces: a word chosen from the buttons, not typed.
export function isChosenWord(answer: string): boolean {
  return answer.length > 0 && /^[\p{L}\s]+$/u.test(answer) && !answer.includes('π');
}

export function typeKey(answer: string, key: string): string {
  if (key === '') return answer;
  return (isChosenWord(answer) ? '' : answer) + key;
}

export function deleteBackward(answer: string): string {
  if (isChosenWord(answer)) return '';
  // Whole characters: "√" and "π" are one unit each, but a pasted one might not be.
  return Array.from(answer).slice(0, -1).join('');
}

// A key typed on a hardware keyboard, as the practice keypad would type it; nothing for keys
// that do not belong in an answer.
export function keyboardKey(key: string): string | null {
  if (/^[0-9().+\-/;,]$/.test(key)) return key;
  if (key === 'π' || key === '√' || key === '°') return key;
  return null;
}
