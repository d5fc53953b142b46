// Runs the WebAssembly core off the page's thread: compiling it never holds up a tap or the
// first paint, and a calculation or a chart's call answers by message. The charts' and
// practice's calls are a second module, loaded with the first such call.
import createUnitCircleCore from 'unitcircle-core';
import { answerRequest } from './coreAnswers';
import type { WorkerRequest } from './coreBridge';

const core = createUnitCircleCore();
// A core that did not load is reported to the first request, not as an unhandled rejection.
core.catch(() => undefined);
let calls: Promise<{ call(method: string, args?: object): unknown }> | null = null;
const modules = {
  core: () => core,
  calls: () => (calls ??= import('unitcircle-calls').then((module) => module.default())),
};

self.addEventListener('message', (event: MessageEvent<WorkerRequest>) => {
  void answerRequest(event.data, modules).then((answer) => self.postMessage(answer));
});
