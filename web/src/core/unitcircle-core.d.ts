// The module the WebAssembly build writes, resolved by an alias in vite.config.ts.
declare module 'unitcircle-core' {
  const createUnitCircleCore: () => Promise<{
    solve(alpha: string, b: string, language: 'en' | 'de'): string;
  }>;
  export default createUnitCircleCore;
}

// The charts' and practice's calls, a module of their own.
declare module 'unitcircle-calls' {
  const createUnitCircleCalls: () => Promise<{ call(method: string, args?: object): unknown }>;
  export default createUnitCircleCalls;
}
