import { describe, expect, it } from 'vitest';
import type { PresentationMove } from './presentationCalls';
import { StepReveal, type AskMove } from './stepReveal';

// A stand-in core whose answers wait until released; it records what it was asked.
function slowCore(answer: (key: string, revealed: number) => PresentationMove | Error) {
  const asked: string[] = [];
  const waiting: (() => void)[] = [];
  const ask: AskMove = (key, revealed, stepCount) => {
    asked.push(`${key} ${revealed}/${stepCount}`);
    return new Promise((resolve, reject) => waiting.push(() => {
      const move = answer(key, revealed);
      if (move instanceof Error) reject(move);
      else resolve(move);
    }));
  };
  // Answers whatever waits, again and again, until nothing does.
  const releaseAll = async () => {
    for (let i = 0; i < 20; i++) {
      waiting.splice(0).forEach((release) => release());
      await new Promise((done) => setTimeout(done, 0));
    }
  };
  return { ask, asked, releaseAll };
}

function listener() {
  const events: string[] = [];
  return {
    events,
    moved: (revealed: number, command: string) => void events.push(`${command} ${revealed}`),
    leave: () => void events.push('leave'),
    failed: () => void events.push('failed'),
  };
}

const forward = (key: string, revealed: number): PresentationMove =>
  key === 'Escape' ? { command: 'leave', revealed } : { command: 'next', revealed: revealed + 1 };

describe('StepReveal', () => {
  it('asks each key with the count the one before left, however fast they come', async () => {
    const core = slowCore(forward);
    const seen = listener();
    const reveal = new StepReveal(core.ask, 9, seen);
    const pressed = ['Home', ' ', 'PageDown', 'ArrowRight'].map((key) => reveal.press(key));
    // One question at a time: the second waits for the first's answer.
    await new Promise((done) => setTimeout(done, 0));
    expect(core.asked).toEqual(['Home 0/9']);
    await core.releaseAll();
    await Promise.all(pressed);
    expect(core.asked).toEqual(['Home 0/9', '  1/9', 'PageDown 2/9', 'ArrowRight 3/9']);
    expect(seen.events).toEqual(['next 1', 'next 2', 'next 3', 'next 4']);
    expect(reveal.shown).toBe(4);
  });

  it('without the core it says so and keeps the steps, Escape still leaves, and nothing shows after', async () => {
    let broken = true;
    const core = slowCore((key, revealed) => (broken ? new Error('no engine') : forward(key, revealed)));
    const seen = listener();
    const reveal = new StepReveal(core.ask, 5, seen);
    void reveal.press('ArrowRight');
    await core.releaseAll();
    expect(seen.events).toEqual(['failed']);
    expect(reveal.shown).toBe(0);

    // Back again: the next key counts from where the steps stood.
    broken = false;
    void reveal.press('ArrowRight');
    await core.releaseAll();
    expect(seen.events).toEqual(['failed', 'next 1']);

    broken = true;
    void reveal.press('Escape');
    void reveal.press('ArrowRight');
    await core.releaseAll();
    expect(seen.events).toEqual(['failed', 'next 1', 'leave']);
    // The key after Escape was never asked.
    expect(core.asked.at(-1)).toBe('Escape 1/5');
  });

  it('after leave or stop, waiting keys are dropped and a late answer is not shown', async () => {
    const core = slowCore(forward);
    const seen = listener();
    const reveal = new StepReveal(core.ask, 3, seen);
    void reveal.press('Escape');
    void reveal.press('End');
    await core.releaseAll();
    expect(seen.events).toEqual(['leave']);
    expect(core.asked).toEqual(['Escape 0/3']);

    const other = listener();
    const closing = new StepReveal(core.ask, 3, other);
    void closing.press('ArrowDown');
    closing.stop();
    await core.releaseAll();
    expect(other.events).toEqual([]);
  });
});
