import type { CoreInstance } from '../unitCircleCore';
import type { Language } from '../solution';
import fixtures from './fixtures.json';

interface Fixture {
  alpha: string;
  b: string;
  language: Language;
  json: string;
}

// Replays answers captured from the native program; an input it never saw is an input error.
export function createFakeCore(): Promise<CoreInstance> {
  const answers = new Map<string, string>();
  for (const f of fixtures as Fixture[]) answers.set(`${f.language}|${f.alpha}|${f.b}`, f.json);
  return Promise.resolve({
    solve(alpha: string, b: string, language: Language): string {
      return (
        answers.get(`${language}|${alpha}|${b}`) ??
        JSON.stringify({ error: { key: 'inputParameterError', fields: ['alpha'] }, steps: [] })
      );
    },
    call(method: string): unknown {
      throw new Error(`the fake core has no chart call ${method}`);
    },
  });
}
