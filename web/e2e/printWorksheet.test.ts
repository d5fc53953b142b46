import { execFileSync } from 'node:child_process';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { expect, test, type Page } from '@playwright/test';

// "Print worksheet" on a link's practice page prints the command line's worksheet of its seed
// and level: the sheet alone, its questions in order, the answers on a page of their own.

const corePath = process.env.UNITCIRCLE_CORE ?? resolve(import.meta.dirname, '../../build/wasm/web-core/unitcircle-core.mjs');

// `unitcircle practice --seed 7 --level 2 --json`, run by the same core.
async function commandLineQuestions(): Promise<{ prompt: string; given: string }[]> {
  const { default: createCore } = await import(pathToFileURL(corePath).href);
  const core = await createCore();
  const output = core.run(['practice', '--seed', '7', '--level', '2', '--json']).stdout;
  return JSON.parse(new TextDecoder().decode(output)).questions;
}

// The practice page of the link, with the print dialog replaced by a count of its openings.
async function openLink(page: Page): Promise<void> {
  await page.addInitScript(() => {
    (window as unknown as { printed: number }).printed = 0;
    window.print = () => { (window as unknown as { printed: number }).printed += 1; };
  });
  await page.goto('./#/practice?seed=7&level=2');
  await expect(page.locator('#app')).toHaveAttribute('aria-busy', 'false');
}

async function printSheet(page: Page): Promise<void> {
  await page.locator('#practicePrint').click();
  await expect.poll(() => page.evaluate(() => (window as unknown as { printed: number }).printed)).toBe(1);
  await page.emulateMedia({ media: 'print' });
}

// What a sheet's formulas were typeset from.
const formulas = (page: Page, selector: string) =>
  page.locator(`${selector} annotation`).evaluateAll((notes) => notes.map((note) => note.textContent?.replace(/^\\displaystyle /, '')));

test.beforeEach(({}, testInfo) => {
  test.skip(testInfo.project.name !== 'phone', 'printing does not depend on the screen');
});

test('the printed sheet is the command line\'s worksheet, alone, with the answers on a page of their own', async ({ page }) => {
  const expected = await commandLineQuestions();
  await openLink(page);
  await expect(page.locator('#printWorksheet')).toBeHidden();  // on screen
  await printSheet(page);

  const sheet = page.locator('#printWorksheet');
  await expect(sheet).toBeVisible();
  await expect(page.locator('#app')).toBeHidden();
  expect(await page.evaluate(() => [...document.body.children].filter((e) => e.id !== 'printWorksheet' && e.checkVisibility()).length)).toBe(0);
  await expect(page.locator('button:visible')).toHaveCount(0);

  await expect(sheet.locator('.worksheet-title').first()).toHaveText('Worksheet 7, level 2');
  await expect(sheet.locator('.worksheet-note')).toHaveText('The same questions in the web edition: #/practice?seed=7&level=2');
  await expect(sheet.locator('.worksheet-prompt')).toHaveText(expected.map((q) => q.prompt));
  expect(await formulas(page, '.worksheet-given')).toEqual(expected.map((q) => q.given));
  await expect(sheet.locator('.worksheet-questions .worksheet-number')).toHaveText(expected.map((_, i) => `${i + 1}.`));
  // A line to write on under every question.
  const lines = await sheet.locator('.worksheet-questions .worksheet-item').evaluateAll((items) =>
    items.map((item) => getComputedStyle(item, '::after').borderBottomStyle));
  expect(lines).toEqual(expected.map(() => 'solid'));

  const answers = sheet.locator('.worksheet-answers');
  await expect(answers.locator('.worksheet-title')).toHaveText('Answers');
  expect(await answers.evaluate((element) => getComputedStyle(element).breakBefore)).toBe('page');
  await expect(answers.locator('.worksheet-answer')).toHaveCount(expected.length);

  // The PDF Chromium prints: two pages, the first with the title, the address and page "1 / 2".
  const folder = mkdtempSync(join(tmpdir(), 'worksheet-'));
  const pdf = join(folder, 'worksheet.pdf');
  writeFileSync(pdf, await page.pdf({ preferCSSPageSize: true }));
  expect(execFileSync('pdfinfo', [pdf]).toString()).toMatch(/^Pages:\s+2$/m);
  const firstPage = execFileSync('pdftotext', ['-f', '1', '-l', '1', '-layout', pdf, '-']).toString();
  expect(firstPage).toContain('Worksheet 7, level 2');
  expect(firstPage).toContain('#/practice?seed=7&level=2');
  expect(firstPage).toMatch(/^\s*1 ?\/ ?2\s*$/m);
  expect(firstPage).not.toContain('Answers');
  execFileSync('pdftoppm', ['-r', '60', '-png', '-f', '1', '-l', '1', pdf, join(folder, 'page')]);
  console.log(`first page: ${join(folder, 'page-1.png')}`);
});

test.describe('in German', () => {
  test.use({ locale: 'de-DE' });

  test('the sheet speaks the learner\'s language', async ({ page }) => {
    await openLink(page);
    await expect(page.locator('#practicePrint')).toHaveText('Arbeitsblatt drucken');
    await printSheet(page);
    await expect(page.locator('#printWorksheet .worksheet-title')).toHaveText(['Arbeitsblatt 7, Stufe 2', 'Lösungen']);
    await expect(page.locator('#printWorksheet .worksheet-note')).toHaveText('Dieselben Aufgaben in der Web-Ausgabe: #/practice?seed=7&level=2');
  });
});
