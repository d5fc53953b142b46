// Runs the WebAssembly core off the page's thread: compiling it never holds up a tap or the
// first paint, and a calculation answers by message.
import createUnitCircleCore from 'unitcircle-core';

export interface SolveRequest {
  id: number;
  alpha: string;
  b: string;
  language: string;
}

const ready = createUnitCircleCore();

self.addEventListener('message', (event: MessageEvent<SolveRequest>) => {
  const { id, alpha, b, language } = event.data;
  ready
    .then((core) => core.solve(alpha, b, language as 'en' | 'de'))
    .catch(() => '')
    .then((answer) => self.postMessage({ id, answer }));
});
