// The keypad as the app lays it out: 4 × 5 keys when tall, 7 × 3 when wide. A cell is
// [row, column, rows, columns] in the tall grid, then in the wide one.
export type KeyKind = 'digit' | 'accent' | 'delete' | 'calculate';

export interface KeypadKey {
  id: string;
  title: string;
  kind: KeyKind;
  cell: readonly [number, number, number, number, number, number, number, number];
}

export const keypadKeys: readonly KeypadKey[] = [
  { id: 'key_7', title: '7', kind: 'digit', cell: [0, 0, 1, 1, 0, 0, 1, 1] },
  { id: 'key_8', title: '8', kind: 'digit', cell: [0, 1, 1, 1, 0, 1, 1, 1] },
  { id: 'key_9', title: '9', kind: 'digit', cell: [0, 2, 1, 1, 0, 2, 1, 1] },
  { id: 'deleteButton', title: 'delete', kind: 'delete', cell: [0, 3, 1, 1, 0, 6, 1, 1] },
  { id: 'key_4', title: '4', kind: 'digit', cell: [1, 0, 1, 1, 1, 0, 1, 1] },
  { id: 'key_5', title: '5', kind: 'digit', cell: [1, 1, 1, 1, 1, 1, 1, 1] },
  { id: 'key_6', title: '6', kind: 'digit', cell: [1, 2, 1, 1, 1, 2, 1, 1] },
  { id: 'key_slash', title: '/', kind: 'accent', cell: [1, 3, 1, 1, 1, 3, 1, 1] },
  { id: 'key_1', title: '1', kind: 'digit', cell: [2, 0, 1, 1, 2, 0, 1, 1] },
  { id: 'key_2', title: '2', kind: 'digit', cell: [2, 1, 1, 1, 2, 1, 1, 1] },
  { id: 'key_3', title: '3', kind: 'digit', cell: [2, 2, 1, 1, 2, 2, 1, 1] },
  { id: 'key_minus', title: '-', kind: 'accent', cell: [2, 3, 1, 1, 1, 4, 1, 1] },
  { id: 'key_0', title: '0', kind: 'digit', cell: [3, 0, 1, 1, 2, 3, 1, 2] },
  { id: 'key_point', title: '.', kind: 'accent', cell: [3, 1, 1, 1, 2, 5, 1, 1] },
  { id: 'key_open', title: '(', kind: 'accent', cell: [3, 2, 1, 1, 0, 3, 1, 1] },
  { id: 'key_close', title: ')', kind: 'accent', cell: [3, 3, 1, 1, 0, 4, 1, 1] },
  { id: 'key_pi', title: 'π', kind: 'accent', cell: [4, 0, 1, 1, 0, 5, 1, 1] },
  { id: 'key_e', title: 'e', kind: 'accent', cell: [4, 1, 1, 1, 1, 5, 1, 1] },
  { id: 'calculateButton', title: 'calculate', kind: 'calculate', cell: [4, 2, 1, 2, 1, 6, 2, 1] },
];

// CSS grid-area values ("row / column / span rows / span columns") of a key in each grid.
export function gridAreas(key: KeypadKey): { tall: string; wide: string } {
  const [r, c, rs, cs, wr, wc, wrs, wcs] = key.cell;
  return {
    tall: `${r + 1} / ${c + 1} / span ${rs} / span ${cs}`,
    wide: `${wr + 1} / ${wc + 1} / span ${wrs} / span ${wcs}`,
  };
}
