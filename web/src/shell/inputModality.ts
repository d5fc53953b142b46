// Whether the learner's last action was a key rather than a pointer or a finger. Focus that
// follows the page after a key is what a keyboard needs; after a tap it would only draw a
// focus ring on what was never touched.
let byKey = false;
document.addEventListener('keydown', () => (byKey = true), true);
document.addEventListener('pointerdown', () => (byKey = false), true);

export function lastActionWasKey(): boolean {
  return byKey;
}
