import { afterEach, describe, expect, it } from 'vitest';
import { clampedZoom, maximumZoom, minimumZoom, scrollForZoom, wheelZoom } from './manualZoom';
import { resetVideoConsentForTests, setVideoConsent, videoConsentGiven, videoConsentKey } from './videoConsent';

function memoryStorage(refuse = false) {
  const values = new Map<string, string>();
  return {
    values,
    getItem: (key: string) => {
      if (refuse) throw new Error('SecurityError');
      return values.get(key) ?? null;
    },
    setItem: (key: string, value: string) => {
      if (refuse) throw new Error('QuotaExceededError');
      values.set(key, value);
    },
  };
}

describe('the video consent', () => {
  afterEach(resetVideoConsentForTests);

  it('is withdrawn until given, and kept as given or withdrawn', () => {
    const kept = memoryStorage();
    expect(videoConsentGiven(kept)).toBe(false);
    setVideoConsent(true, kept);
    expect(kept.values.get(videoConsentKey)).toBe('yes');
    resetVideoConsentForTests();  // a new visit reads what was kept
    expect(videoConsentGiven(kept)).toBe(true);
    setVideoConsent(false, kept);
    resetVideoConsentForTests();
    expect(videoConsentGiven(kept)).toBe(false);
    // Anything but "yes" is no consent.
    kept.values.set(videoConsentKey, 'true');
    expect(videoConsentGiven(kept)).toBe(false);
  });

  it('holds for the visit where the browser keeps nothing', () => {
    const refused = memoryStorage(true);
    expect(videoConsentGiven(refused)).toBe(false);
    setVideoConsent(true, refused);
    expect(videoConsentGiven(refused)).toBe(true);
    expect(videoConsentGiven(null)).toBe(true);
  });
});

describe('the help sheet zoom', () => {
  it('stays between fitting the width and four times that, also for a degenerate pinch', () => {
    expect([clampedZoom(0.2), clampedZoom(2), clampedZoom(9), clampedZoom(NaN)]).toEqual([minimumZoom, 2, maximumZoom, minimumZoom]);
    expect(wheelZoom(1, -100)).toBeCloseTo(1.25);
    expect(wheelZoom(1, 100)).toBe(1);
    expect(wheelZoom(3.9, -300)).toBe(maximumZoom);
  });

  it('keeps the point under the fingers or the pointer in place', () => {
    // The picture's point at 150 px (scrolled 50, 100 into the view) stays 100 px into the view.
    const scroll = scrollForZoom(50, 100, 1, 2);
    expect((scroll + 100) / 2).toBe(150);
    expect(scrollForZoom(50, 100, 2, 1)).toBe(0);  // zoomed out to the start: never before it
    expect(scrollForZoom(50, 100, 0, 2)).toBe(50);
  });
});
