import type { Plugin } from 'vite';

// KaTeX's style sheet offers every font as woff2, woff and ttf; every browser the tutor runs
// in reads woff2, so the others are never built or fetched.
export function katexWoff2Only(): Plugin {
  return {
    name: 'unitcircle-katex-woff2',
    enforce: 'pre',
    transform(code, id) {
      if (!/katex(\.min)?\.css$/.test(id.split('?')[0])) return undefined;
      return code.replace(/,\s*url\([^)]*\.(woff|ttf)\)\s*format\("(woff|truetype)"\)/g, '');
    },
  };
}
