// The module the WebAssembly build writes, resolved by an alias in vite.config.ts.
declare module 'unitcircle-core' {
  const createUnitCircleCore: () => Promise<{
    solve(alpha: string, b: string, language: 'en' | 'de'): string;
    call(method: string, args?: object): unknown;
  }>;
  export default createUnitCircleCore;
}
