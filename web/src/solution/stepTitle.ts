// A title ending in "#bold" is shown bold, without the marker.
export function stepTitle(title: string): { text: string; bold: boolean } {
  return title.endsWith('#bold')
    ? { text: title.replaceAll('#bold', ''), bold: true }
    : { text: title, bold: false };
}
