// Types of unitcircle-core.mjs, the calculation core compiled to WebAssembly.

export interface RunResult {
  /** Exit status as the native program's: 0 done, 2 input error, 3 no settings file, 64 usage. */
  status: number;
  /** Bytes printed to standard output (UTF-8). */
  stdout: Uint8Array;
  /** Bytes printed to standard error (UTF-8). */
  stderr: Uint8Array;
}

export interface UnitCircleCore {
  /**
   * One solution as JSON text, the line `unitcircle solve --json --lang <language>
   * [--alpha <alpha>] [--b <b>]` prints, without its line end. An empty alpha or b is an option
   * not given; a language other than "en" or "de" (also "de_AT", "en-US") gives English.
   */
  solve(alpha: string, b: string, language: string): string;
  /**
   * The command line `unitcircle <args...>` with `input` as standard input (for --batch):
   * what it prints and its exit status. Every solve option works; `history` has no settings
   * file to read here and ends with status 3.
   */
  run(args: readonly string[], input?: string | Uint8Array): RunResult;
}

/** Loads and starts the WebAssembly core; the module's default export. */
export default function createUnitCircleCore(): Promise<UnitCircleCore>;
