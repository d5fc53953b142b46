import type { WorkerAnswer, WorkerRequest } from './coreBridge';

// The core's modules as the worker loads them: the calculation core at once, the charts' and
// practice's calls with the first such call.
export interface CoreModules {
  core(): Promise<{ solve(alpha: string, b: string, language: 'en' | 'de'): string }>;
  calls(): Promise<{ call(method: string, args?: object): unknown }>;
}

// The worker's answer to one request. Only a call the calls module refuses (an Error it throws
// itself) leaves the core usable; a module that did not load, a trap inside the WebAssembly or
// anything else thrown is reported as broken, and the page ends this worker.
export async function answerRequest(request: WorkerRequest, modules: CoreModules): Promise<WorkerAnswer> {
  try {
    if (request.kind === 'solve') {
      const core = await modules.core();
      return { id: request.id, answer: core.solve(request.alpha, request.b, request.language as 'en' | 'de') };
    }
    const calls = await modules.calls();
    try {
      return { id: request.id, answer: calls.call(request.method, request.args as object) };
    } catch (error) {
      if (error instanceof Error && !(error instanceof WebAssembly.RuntimeError)) {
        return { id: request.id, refused: String(error) };
      }
      throw error;
    }
  } catch (error) {
    return { id: request.id, broken: String(error) };
  }
}
