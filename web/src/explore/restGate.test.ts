import { afterEach, beforeEach, describe, expect, it, vi } from 'vitest';
import { RestGate } from './restGate';

describe('RestGate', () => {
  beforeEach(() => vi.useFakeTimers());
  afterEach(() => vi.useRealTimers());

  it('tells once, only after moves have paused for its time', () => {
    const rested = vi.fn();
    const gate = new RestGate(150, rested);
    gate.moved();
    for (let i = 0; i < 10; i++) {
      vi.advanceTimersByTime(100);
      gate.moved();
    }
    expect(rested).not.toHaveBeenCalled();
    expect(gate.moving).toBe(true);
    vi.advanceTimersByTime(149);
    expect(rested).not.toHaveBeenCalled();
    vi.advanceTimersByTime(1);
    expect(rested).toHaveBeenCalledTimes(1);
    expect(gate.moving).toBe(false);
    vi.advanceTimersByTime(1000);
    expect(rested).toHaveBeenCalledTimes(1);
  });

  it('stopped, it is at rest and never tells', () => {
    const rested = vi.fn();
    const gate = new RestGate(150, rested);
    gate.moved();
    gate.stop();
    expect(gate.moving).toBe(false);
    vi.advanceTimersByTime(1000);
    expect(rested).not.toHaveBeenCalled();
  });
});
