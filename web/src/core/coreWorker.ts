// Runs the WebAssembly core off the page's thread: compiling it never holds up a tap or the
// first paint, and a calculation or a chart's call answers by message.
import createUnitCircleCore from 'unitcircle-core';

export type WorkerRequest =
  | { id: number; kind: 'solve'; alpha: string; b: string; language: string }
  | { id: number; kind: 'call'; method: string; args: unknown };

export interface WorkerAnswer {
  id: number;
  answer?: unknown;
  // Set when the core refused the call (an unknown method, arguments that do not fit).
  failed?: string;
}

const ready = createUnitCircleCore();

self.addEventListener('message', (event: MessageEvent<WorkerRequest>) => {
  const request = event.data;
  ready
    .then((core) =>
      request.kind === 'call'
        ? { id: request.id, answer: core.call(request.method, request.args as object) }
        : { id: request.id, answer: core.solve(request.alpha, request.b, request.language as 'en' | 'de') },
    )
    .catch((error: unknown): WorkerAnswer => ({ id: request.id, failed: String(error) }))
    .then((answer) => self.postMessage(answer));
});
