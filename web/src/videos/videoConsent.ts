// The learner's answer to the video consent, kept in this browser like the other settings:
// given ("yes") or withdrawn ("no"); never asked means withdrawn. Where the browser keeps
// nothing, the answer holds for this visit.

export const videoConsentKey = 'videoConsent';

type Kept = Pick<Storage, 'getItem' | 'setItem'>;

let thisVisit: boolean | null = null;

function storage(): Kept | null {
  try {
    return window.localStorage;
  } catch {
    return null;
  }
}

export function videoConsentGiven(kept: Kept | null = storage()): boolean {
  if (thisVisit !== null) return thisVisit;
  try {
    return kept?.getItem(videoConsentKey) === 'yes';
  } catch {
    return false;
  }
}

export function setVideoConsent(given: boolean, kept: Kept | null = storage()): void {
  thisVisit = given;
  try {
    kept?.setItem(videoConsentKey, given ? 'yes' : 'no');
  } catch {
    // Refused or full: this visit still follows the answer.
  }
}

// Forgets this visit's answer (tests).
export function resetVideoConsentForTests(): void {
  thisVisit = null;
}
