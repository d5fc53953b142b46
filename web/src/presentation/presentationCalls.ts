import type { UnitCircleCore } from '../core/unitCircleCore';

// The core's presentation call (src/wasm/presentation_api.cpp), typed. The core decides what
// every key does and how many steps show after it; the presentation only shows them.

export type PresentationCommand = 'next' | 'previous' | 'first' | 'all' | 'leave' | 'none';

export interface PresentationMove {
  command: PresentationCommand;
  revealed: number;
}

export class PresentationCalls {
  constructor(private readonly core: UnitCircleCore) {}

  // `key` as the browser names it (KeyboardEvent.key); `revealed` of `stepCount` steps show now.
  key(key: string, revealed: number, stepCount: number): Promise<PresentationMove> {
    return this.core.call('presentationKey', { key, revealed, stepCount });
  }
}
