// The practice screen's address: "#/practice", or "#/practice?seed=7&level=2" for the fixed
// questions of a seed, the same as the command line's worksheet of that seed and level.
export interface PracticeRoute {
  // Decimal digits, as the command line takes them (a seed may exceed a double's precision).
  seed: string | null;
  level: number | null;
}

// Nothing when the hash is not the practice screen's.
export function parsePracticeRoute(hash: string): PracticeRoute | null {
  const match = /^#\/practice(?:\?(.*))?$/.exec(hash);
  if (!match) return null;
  const query = new URLSearchParams(match[1] ?? '');
  const seedText = query.get('seed')?.trim() ?? '';
  // A seed the command line would refuse opens the map instead of other questions.
  const seed = /^\d{1,20}$/.test(seedText) && BigInt(seedText) < 2n ** 64n ? seedText.replace(/^0+(?=\d)/, '') : null;
  const levelText = query.get('level')?.trim() ?? '';
  const level = /^[1-3]$/.test(levelText) ? Number(levelText) : null;
  return { seed, level };
}

export function practiceHash(route: PracticeRoute): string {
  const query = new URLSearchParams();
  if (route.seed !== null) query.set('seed', route.seed);
  if (route.level !== null) query.set('level', String(route.level));
  const text = query.toString();
  return '#/practice' + (text ? '?' + text : '');
}

// Today in the learner's calendar, as days since 1970-01-01: the schedule's day.
export function localDayNumber(now: Date = new Date()): number {
  return Math.round(Date.UTC(now.getFullYear(), now.getMonth(), now.getDate()) / 86_400_000);
}
