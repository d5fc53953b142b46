// Runs the WebAssembly core off the page's thread: compiling it never holds up a tap or the
// first paint, and a calculation or a chart's call answers by message. The charts' and
// practice's calls are a second module, loaded with the first such call.
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
let calls: Promise<{ call(method: string, args?: object): unknown }> | null = null;
// A module that failed to load is asked for again with the next call.
const callsReady = () =>
  (calls ??= import('unitcircle-calls')
    .then((module) => module.default())
    .catch((error: unknown) => {
      calls = null;
      throw error;
    }));

self.addEventListener('message', (event: MessageEvent<WorkerRequest>) => {
  const request = event.data;
  const answer =
    request.kind === 'call'
      ? callsReady().then((module) => ({ id: request.id, answer: module.call(request.method, request.args as object) }))
      : ready.then((core) => ({ id: request.id, answer: core.solve(request.alpha, request.b, request.language as 'en' | 'de') }));
  answer
    .catch((error: unknown): WorkerAnswer => ({ id: request.id, failed: String(error) }))
    .then((answer) => self.postMessage(answer));
});
