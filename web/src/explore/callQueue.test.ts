import { describe, expect, it } from 'vitest';
import { CallQueue } from './callQueue';

// A job that waits until released, recording when it started.
function gate(log: string[], name: string) {
  let open!: () => void;
  const opened = new Promise<void>((resolve) => (open = resolve));
  return { job: async () => { log.push(name); await opened; }, open };
}

describe('CallQueue', () => {
  it('runs one job at a time and keeps only the latest drag waiting behind it', async () => {
    const log: string[] = [];
    const queue = new CallQueue();
    const first = gate(log, 'drag 1');
    queue.push(first.job, 'drag');
    for (const n of [2, 3, 4]) queue.push(async () => void log.push(`drag ${n}`), 'drag');
    expect(log).toEqual(['drag 1']);
    first.open();
    await queue.idle();
    expect(log).toEqual(['drag 1', 'drag 4']);
  });

  it('never drops a key press, nor a drag that a key press follows', async () => {
    const log: string[] = [];
    const queue = new CallQueue();
    const first = gate(log, 'step 1');
    queue.push(first.job);
    queue.push(async () => void log.push('step 2'));
    queue.push(async () => void log.push('drag a'), 'drag');
    queue.push(async () => void log.push('step 3'));
    queue.push(async () => void log.push('drag b'), 'drag');
    queue.push(async () => void log.push('drag c'), 'drag');
    first.open();
    await queue.idle();
    expect(log).toEqual(['step 1', 'step 2', 'drag a', 'step 3', 'drag c']);
  });

  it('goes on after a job that fails, and is idle at once when empty', async () => {
    const log: string[] = [];
    const queue = new CallQueue();
    await queue.idle();
    queue.push(async () => { throw new Error('refused'); });
    queue.push(async () => void log.push('after'));
    await queue.idle();
    expect(log).toEqual(['after']);
  });

  it('forgets waiting jobs when cleared', async () => {
    const log: string[] = [];
    const queue = new CallQueue();
    const first = gate(log, 'running');
    queue.push(first.job);
    queue.push(async () => void log.push('waiting'));
    queue.clear();
    first.open();
    await queue.idle();
    expect(log).toEqual(['running']);
  });
});
