import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import { describe, expect, it } from 'vitest';
import { readLinguistFile } from '../../build-plugins/translations';
import { chooseLanguage } from './language';

describe('language', () => {
  it("takes the first of the browser's languages that the tutor speaks", () => {
    expect(chooseLanguage(['de-AT', 'en'])).toBe('de');
    expect(chooseLanguage(['fr-FR', 'en-GB', 'de'])).toBe('en');
    expect(chooseLanguage(['fr', 'DE_ch'])).toBe('de');
    expect(chooseLanguage([])).toBe('en');
  });
});

describe("the app's texts", () => {
  const file = (language: string) => readFileSync(resolve(import.meta.dirname, `../../../resources/translations/unitcircle_${language}.ts`), 'utf8');

  it('come from the Linguist files, by context', () => {
    const de = readLinguistFile(file('de'), ['CalculateView', 'ExactValues']);
    expect(de.CalculateView.Input).not.toBe('Input');
    expect(de.ExactValues.didYouMean).toContain('%1');
    expect(de.Core).toBeUndefined();
    expect(readLinguistFile(file('en'), ['CalculateView']).CalculateView['Calculate Title']).toBe('Unit Circle');
  });

  it('leave out unfinished translations and decode entities', () => {
    const xml = `<TS><context><name>C</name>
      <message><source>a &amp; b</source><translation>x &lt; y</translation></message>
      <message><source>open</source><translation type="unfinished">offen</translation></message>
    </context></TS>`;
    expect(readLinguistFile(xml, ['C'])).toEqual({ C: { 'a & b': 'x < y' } });
  });
});
