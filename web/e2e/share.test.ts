import { expect, test, type Page } from '@playwright/test';
import { readFile } from 'node:fs/promises';
import { calculate, openApp, typeOnKeypad } from './pages';

// Sharing the result as one picture: downloaded where the browser shares no files (headless
// Chromium on Linux), handed to the share sheet where it does (stubbed here).

async function showResult(page: Page): Promise<void> {
  await openApp(page);
  await typeOnKeypad(page, '135');
  await calculate(page);
  await expect(page.getByRole('tab', { name: 'Result' })).toHaveAttribute('aria-selected', 'true');
  await expect(page.locator('#shareButton')).toBeVisible();
}

const pngSignature = [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a];

// Width and height from the PNG's header chunk.
function pngSize(bytes: Buffer): { width: number; height: number } {
  expect([...bytes.subarray(0, 8)]).toEqual(pngSignature);
  expect(bytes.subarray(12, 16).toString('latin1')).toBe('IHDR');
  return { width: bytes.readUInt32BE(16), height: bytes.readUInt32BE(20) };
}

// How much of each third of the picture is drawn on (pixels unlike the corner's background):
// the card and steps at the top, the circle and the graphs at the foot.
async function inkByThird(page: Page, bytes: Buffer): Promise<number[]> {
  return await page.evaluate(async (base64) => {
    const blob = await (await fetch(`data:image/png;base64,${base64}`)).blob();
    const bitmap = await createImageBitmap(blob);
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    const context = canvas.getContext('2d')!;
    context.drawImage(bitmap, 0, 0);
    const { data } = context.getImageData(0, 0, bitmap.width, bitmap.height);
    const background = [data[0], data[1], data[2]];
    const thirds = [0, 0, 0];
    for (let y = 0; y < bitmap.height; y += 2) {
      for (let x = 0; x < bitmap.width; x += 2) {
        const i = (y * bitmap.width + x) * 4;
        const differs = Math.abs(data[i] - background[0]) + Math.abs(data[i + 1] - background[1]) + Math.abs(data[i + 2] - background[2]) > 60;
        if (differs) thirds[Math.min(2, Math.floor((3 * y) / bitmap.height))] += 1;
      }
    }
    const samples = (bitmap.width * bitmap.height) / 4 / 3;
    return thirds.map((count) => count / samples);
  }, bytes.toString('base64'));
}

test.describe('share', () => {
  // The picture takes a few seconds on a busy machine.
  test.describe.configure({ timeout: 90_000 });

  test('without a share sheet for files, the solution downloads as one PNG', async ({ page }, testInfo) => {
    // As in a browser without the Web Share API, whatever this Chromium offers.
    await page.addInitScript(() => {
      delete (Navigator.prototype as Partial<Navigator>).share;
      delete (Navigator.prototype as Partial<Navigator>).canShare;
    });
    await showResult(page);
    const downloads: string[] = [];
    page.on('download', (download) => downloads.push(download.suggestedFilename()));
    const share = page.locator('#shareButton');
    const downloaded = page.waitForEvent('download', { timeout: 60_000 });
    await share.click();
    // Busy while the picture is made; a second press then makes no second picture.
    await expect(share).toHaveAttribute('aria-busy', 'true');
    await share.dispatchEvent('click');
    const download = await downloaded;
    await expect(share).toHaveAttribute('aria-busy', 'false', { timeout: 20_000 });
    expect(download.suggestedFilename()).toMatch(/^unit-circle-solution-\d{8}-\d{6}\.png$/);
    await expect(page.locator('.toast')).toContainText(`downloaded as the picture ${download.suggestedFilename()}`);

    const file = testInfo.outputPath(`solution-${testInfo.project.name}.png`);
    await download.saveAs(file);
    const bytes = await readFile(file);
    const { width, height } = pngSize(bytes);
    // The page's column (360 to 600 wide, widened for the widest formula) at twice the pixels.
    expect(width).toBeGreaterThanOrEqual(2 * (testInfo.project.name === 'phone' ? 390 : 600));
    expect(width).toBeLessThanOrEqual(2 * 1400);
    // 135°: the card, 20-odd steps, the circle and two graphs, one under the other.
    expect(height).toBeGreaterThan(2 * width);
    expect(bytes.length).toBeGreaterThan(150_000);
    // Something drawn in every third: formulas at the top, the charts at the foot.
    const ink = await inkByThird(page, bytes);
    for (const part of ink) expect(part).toBeGreaterThan(0.01);
    expect(downloads).toHaveLength(1);
    // The page goes on: the result is still there and can be shared again.
    await expect(page.locator('#page-result .step').first()).toBeVisible();
    await expect(share).toBeEnabled();
  });

  test('with a share sheet for files, it gets one PNG; a cancelled share says nothing', async ({ page }) => {
    await page.addInitScript(() => {
      const record = window as unknown as { shared: unknown[]; refuseWith: string | null };
      record.shared = [];
      record.refuseWith = null;
      Object.defineProperty(Navigator.prototype, 'canShare', {
        configurable: true,
        value: (data?: ShareData) => (data?.files?.length ?? 0) > 0,
      });
      Object.defineProperty(Navigator.prototype, 'share', {
        configurable: true,
        value: async (data: ShareData) => {
          if (record.refuseWith) throw new DOMException('refused', record.refuseWith);
          const files = data.files ?? [];
          const head = files[0] ? [...new Uint8Array(await files[0].slice(0, 8).arrayBuffer())] : [];
          record.shared.push(files.map((file) => ({ name: file.name, type: file.type, size: file.size, isFile: file instanceof File, head })));
        },
      });
    });
    await showResult(page);
    let downloads = 0;
    page.on('download', () => (downloads += 1));
    const share = page.locator('#shareButton');
    await share.click();
    await expect.poll(() => page.evaluate(() => (window as unknown as { shared: unknown[] }).shared.length), { timeout: 60_000 }).toBe(1);
    const [files] = await page.evaluate(() => (window as unknown as { shared: { name: string; type: string; size: number; isFile: boolean; head: number[] }[][] }).shared);
    expect(files).toHaveLength(1);
    expect(files[0]).toMatchObject({ type: 'image/png', isFile: true, head: pngSignature });
    expect(files[0].name).toMatch(/\.png$/);
    expect(files[0].size).toBeGreaterThan(150_000);
    await expect(share).toHaveAttribute('aria-busy', 'false');
    // Shared: the share sheet was the answer, no message, no download.
    await expect(page.locator('.toast')).not.toHaveClass(/visible/);

    await page.evaluate(() => ((window as unknown as { refuseWith: string }).refuseWith = 'AbortError'));
    await share.click();
    await expect(share).toHaveAttribute('aria-busy', 'true');
    await expect(share).toHaveAttribute('aria-busy', 'false', { timeout: 20_000 });
    await expect(page.locator('.toast')).not.toHaveClass(/visible/);
    expect(downloads).toBe(0);
  });
});
