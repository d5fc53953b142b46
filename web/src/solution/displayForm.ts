// The form in which a step formula is drawn, as the app draws it: tidied spacing, stretchy
// brackets, no ".0" on whole numbers, collapsed sign pairs and a thin space before every
// colour change. It rewrites text only; every number in it is the core's.

const numerals = ['I', 'II', 'III', 'IV', 'V', 'VI', 'VII', 'VIII', 'IX', 'X'];

// ".0" not followed by a digit says nothing in a formula: 45.0^{\circ} reads 45^{\circ}.
function withoutPointZero(text: string): string {
  return text.replace(/\.0(?=[^0-9])/g, '');
}

function onePass(input: string): string {
  let text = input
    .replaceAll('  ', ' ')
    .replaceAll('\\quad', '\\quad ')
    .replaceAll('. ', ' ')
    .replaceAll('(', '\\left(')
    .replaceAll(')', '\\right)')
    .replaceAll('\\left\\left', '\\left')
    .replaceAll('\\right\\right', '\\right')
    .replaceAll(' 1x', 'x')
    .replaceAll(' 0x', '')
    .replaceAll('.0\\quad', '\\quad');
  if (text.endsWith('.0')) text = text.slice(0, -2);
  text = withoutPointZero(text);
  for (const pair of ['+-', '-+', '+ -', '- +']) text = text.replaceAll(pair, '-');
  for (const pair of ['+ +', '++', '--', '- -']) text = text.replaceAll(pair, '+');
  text = text.replaceAll('*', '\\cdot ').replaceAll('= +', '=').replaceAll('=+', '=');
  // A quadrant written as a numeral with a closing bracket keeps a plain bracket.
  for (const numeral of numerals) {
    const stretchy = numeral + '\\right)';
    if (text.startsWith(stretchy)) text = text.replaceAll(stretchy, numeral + ')');
  }
  return text;
}

export function displayForm(latex: string): string {
  let text = latex;
  for (;;) {
    const next = onePass(text);
    if (next === text) break;
    text = next;
  }
  return text.replaceAll('\\color', '\\;\\color');
}

// A title ending in "#bold" is shown bold, without the marker.
export function stepTitle(title: string): { text: string; bold: boolean } {
  return title.endsWith('#bold')
    ? { text: title.replaceAll('#bold', ''), bold: true }
    : { text: title, bold: false };
}
