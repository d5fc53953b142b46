// uPlot builds a number format from the browser's language as it loads. A browser that reports a
// language which is no language tag (WebKit on a Linux desktop with LANG=C says "C") would make
// that throw and take every graph with it; such a browser gets the tutor's English numbers.
export function guardBrowserLanguage(nav: Navigator): void {
  try {
    new Intl.NumberFormat(nav.language);
  } catch {
    Object.defineProperty(nav, 'language', { value: 'en-US', configurable: true });
  }
}

if (typeof navigator !== 'undefined') guardBrowserLanguage(navigator);
