import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { expect, test, type Page } from '@playwright/test';

// The practice screen over the WebAssembly core: a link's fixed questions are the command
// line's worksheet of that seed, answers are judged and kept over a reload.

interface PrintedQuestion {
  kind: string;
  given: string;
  prompt: string;
  answers: string[];
}

const corePath = process.env.UNITCIRCLE_CORE ?? resolve(import.meta.dirname, '../../build/wasm/web-core/unitcircle-core.mjs');

// `unitcircle practice --seed N --level L` run by the same core: the questions as JSON and the
// answer key as typed.
async function worksheet(seed: number, level: number, language = 'en'): Promise<{ questions: PrintedQuestion[]; typed: string[] }> {
  const { default: createCore } = await import(pathToFileURL(corePath).href);
  const core = await createCore();
  const args = ['practice', '--seed', String(seed), '--level', String(level), '--lang', language];
  const text = (bytes: Uint8Array) => new TextDecoder().decode(bytes);
  const questions = JSON.parse(text(core.run([...args, '--json']).stdout)).questions as PrintedQuestion[];
  const sheet = text(core.run(args).stdout);
  // The numbered lines: the questions, then as many answers.
  const typed = [...sheet.matchAll(/^\d+\. (.*)$/gm)].map((match) => match[1]).slice(-questions.length);
  return { questions, typed };
}

async function openPractice(page: Page, hash: string): Promise<void> {
  await page.goto('./' + hash);
  await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
}

// A choice button where the answer is one ("II", "undefined"), else the keypad's keys.
async function answerWith(page: Page, answer: string): Promise<void> {
  const choice = page.locator('.practice-choice', { hasText: new RegExp(`^${answer.replace(/[()+.?*\\]/g, '\\$&')}$`) });
  if (await choice.count()) {
    await choice.click();
  } else {
    for (const character of answer.replaceAll(' ', '')) await page.locator(`[data-key="${character}"]`).click();
  }
  await expect(page.locator('#practiceAnswer')).toHaveText(answer.replaceAll(' ', ''));
  await page.locator('[data-key="check"]').click();
}

test.describe('practice', () => {
  test('a link asks the worksheet of its seed, question for question', async ({ page }) => {
    const { questions, typed } = await worksheet(7, 2);
    await openPractice(page, '#/practice?seed=7&level=2');
    for (let i = 0; i < 4; ++i) {
      await expect(page.locator('.practice-progress')).toHaveText(`Question ${i + 1} of 10`);
      await expect(page.locator('.practice-prompt')).toHaveText(questions[i].prompt);
      await expect(page.locator('.practice-question')).toHaveAttribute('data-given', questions[i].given);
      await answerWith(page, typed[i]);
    }
    await expect(page.locator('.practice-progress')).toHaveText('Question 5 of 10');
  });

  test('a right and a wrong answer: the right one shown with its circle, kept over a reload', async ({ page }) => {
    const { questions, typed } = await worksheet(7, 1);
    expect(questions[0].prompt).toBe('Reference angle of α =');
    expect(questions[1].kind).toBe('quadrant');
    await openPractice(page, '#/practice?seed=7&level=1');

    await answerWith(page, typed[0]);  // 45°, right: on at once
    await expect(page.locator('.practice-progress')).toHaveText('Question 2 of 10');

    // Not an answer: the question stays, with the reason.
    await page.locator('[data-key="("]').click();
    await page.locator('[data-key="check"]').click();
    await expect(page.locator('.practice-message')).not.toBeEmpty();
    await page.locator('[data-key="delete"]').click();

    await answerWith(page, 'III');  // 45° is in quadrant I
    await expect(page.locator('.practice-wrong')).toHaveText('Not quite. The right answer:');
    await expect(page.locator('.practice-right-answer')).toContainText('I');
    await expect(page.locator('.exact-card')).toBeVisible();
    await expect(page.locator('.chart-row[data-kind="unitCircle"]')).toBeVisible();
    await page.locator('#practiceContinue').click();
    await expect(page.locator('.practice-progress')).toHaveText('Question 3 of 10');
    await expect(page.locator('.practice-prompt')).toHaveText(questions[2].prompt);

    // The map after a reload: 45° is being learnt, every other angle new, today counted.
    await openPractice(page, '#/practice');
    await page.reload();
    await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
    await expect(page.locator('.practice-streak')).toHaveText('Days in a row: 1');
    await expect(page.locator('.mastery-point')).toHaveCount(16);
    await expect(page.locator('.mastery-point.learning')).toHaveCount(1);
    await expect(page.locator('.mastery-point[data-degrees="45"]')).toHaveClass(/learning/);
    await expect(page.locator('.mastery-point[data-degrees="45"]')).toHaveAccessibleName('45 degrees, learning');

    // A tap on it practises its seven cards.
    await page.locator('.mastery-point[data-degrees="45"]').click();
    await expect(page.locator('.practice-progress')).toHaveText('Question 1 of 7');
    await expect(page.locator('.practice-question')).toHaveAttribute('data-card', /:45$/);
  });

  test('typed on a keyboard: words spell √, π, ° and the choices; a right answer says "Right"', async ({ page }) => {
    const { typed } = await worksheet(11, 2);
    await openPractice(page, '#/practice?seed=11&level=2');
    // Keys reach the answer once the first question is there to answer.
    await expect(page.locator('.practice-progress')).toHaveText('Question 1 of 10');
    const spelled: string[] = [];
    for (let i = 0; i < 10; ++i) {
      const keys = typed[i].replaceAll('√', 'sqrt').replaceAll('π', 'pi').replaceAll('°', 'd').replaceAll(';', ',');
      spelled.push(keys);
      await page.keyboard.type(keys);
      const word = /^[A-Za-z ]+$/.test(typed[i]);
      await expect(page.locator('#practiceAnswer')).toHaveText(word ? typed[i] : typed[i].replaceAll(' ', ''));
      await page.keyboard.press('Enter');
      if (i < 9) {
        await expect(page.locator('.practice-progress')).toHaveText(`Question ${i + 2} of 10`);
        await expect(page.locator('.practice-message')).toHaveText('Right');
      }
    }
    await expect(page.locator('.practice-summary, .practice-score').first()).toBeVisible();
    // The sheet had words to spell, so the test spelled them.
    expect(spelled.join(' ')).toMatch(/sqrt/);
    expect(spelled.join(' ')).toMatch(/undefined|[IV]/);
  });

  test('resetting forgets the progress only after the question', async ({ page }) => {
    const { typed } = await worksheet(7, 1);
    await openPractice(page, '#/practice?seed=7&level=1');
    await answerWith(page, typed[0]);
    await openPractice(page, '#/practice');
    await page.reload();
    await expect(page.locator('.mastery-point.learning')).toHaveCount(1);
    await page.locator('#practiceReset').click();
    await page.getByRole('button', { name: 'Cancel' }).click();
    await expect(page.locator('.mastery-point.learning')).toHaveCount(1);
    await page.locator('#practiceReset').click();
    await page.getByRole('button', { name: 'Reset', exact: true }).click();
    await expect(page.locator('.mastery-point.learning')).toHaveCount(0);
    await expect(page.locator('.practice-streak')).toHaveText('Days in a row: 0');
  });
});

test.describe('practice in German', () => {
  test.use({ locale: 'de-DE' });

  test('asks and answers in German', async ({ page }) => {
    const { questions, typed } = await worksheet(7, 2, 'de');
    await openPractice(page, '#/practice?seed=7&level=2');
    await expect(page.locator('.practice-progress')).toHaveText('Frage 1 von 10');
    await expect(page.locator('.practice-prompt')).toHaveText(questions[0].prompt);
    await answerWith(page, '45°');
    await expect(page.locator('.practice-wrong')).toHaveText('Nicht ganz. Richtig ist:');
    await expect(page.locator('#practiceContinue')).toHaveText('Weiter');
    await page.locator('#practiceContinue').click();
    await expect(page.locator('.practice-prompt')).toHaveText(questions[1].prompt);
    // The decimal comma is a decimal point, not a separator.
    await page.keyboard.type('0,5');
    await expect(page.locator('#practiceAnswer')).toHaveText('0.5');
    for (let i = 0; i < 3; ++i) await page.keyboard.press('Backspace');
    await answerWith(page, typed[1]);
    await openPractice(page, '#/practice');
    await page.reload();
    await expect(page.locator('#practiceStart')).toHaveText('Los');
    await expect(page.locator('.practice-streak')).toHaveText('Tage in Folge: 1');
  });
});
