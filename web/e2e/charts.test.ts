import { expect, test, type Page } from '@playwright/test';
import { calculate, openApp, typeOnKeypad } from './pages';

// The unit circle under the steps: its run and final state, setting α by hand, and the steps
// that show on it what they work out.

async function solve(page: Page, alpha: string): Promise<void> {
  await openApp(page);
  await typeOnKeypad(page, alpha);
  await calculate(page);
  await expect(page.locator('#page-result .step').first()).toBeVisible();
}

// Scrolls the circle's row into sight, where it is built and starts its run.
async function showCircle(page: Page) {
  const row = page.locator('.chart-row[data-kind="unitCircle"]');
  await row.scrollIntoViewIfNeeded();
  const circle = row.locator('.unit-circle-view');
  await expect(circle).toBeVisible();
  return circle;
}

const label = (page: Page, part: string) => page.locator(`.circle-label[data-part="${part}"]`);
const replay = (page: Page) => page.getByRole('button', { name: 'Animate again' });

// Where a pointer at `degrees` on the circle is, from the drawing's box (y upwards on the circle).
async function pointAt(page: Page, degrees: number) {
  const box = (await page.locator('.unit-circle-view').boundingBox())!;
  const radius = 0.375 * box.height;
  const a = (degrees * Math.PI) / 180;
  return { x: box.x + box.width / 2 + radius * Math.cos(a), y: box.y + box.height / 2 - radius * Math.sin(a) };
}

async function dragArrowTo(page: Page, degrees: number): Promise<void> {
  const grip = (await page.locator('.circle-grip').boundingBox())!;
  await page.mouse.move(grip.x + grip.width / 2, grip.y + grip.height / 2);
  await page.mouse.down();
  const middle = await pointAt(page, degrees / 2);
  await page.mouse.move(middle.x, middle.y, { steps: 4 });
  const end = await pointAt(page, degrees);
  await page.mouse.move(end.x, end.y, { steps: 4 });
  await page.mouse.up();
}

test.describe('unit circle without motion', () => {
  test.use({ reducedMotion: 'reduce' });

  test('α = 400 shows the final state at once: labels, two arcs, quadrant I, projections', async ({ page }) => {
    await solve(page, '400');
    const circle = await showCircle(page);
    await expect(label(page, 'alpha')).toHaveText('α = 400°');
    await expect(label(page, 'gamma')).toHaveText('γ = 40°');
    await expect(label(page, 'n')).toHaveText('n = 1');
    await expect(label(page, 'x')).toHaveText('x = 0.77');
    await expect(label(page, 'y')).toHaveText('y = 0.64');
    await expect(circle).toHaveAttribute('aria-valuenow', '400');
    await expect(circle).toHaveAttribute('aria-valuetext', 'α = 400°, γ = 40°, P(0.77 | 0.64)');
    // The full turn and the 40° of the last one, in the core's colours, the last on top.
    const arcs = page.locator('.circle-arc');
    await expect(arcs).toHaveCount(2);
    await expect(arcs.nth(0)).toHaveAttribute('stroke', '#ff1919');
    await expect(arcs.nth(0)).toHaveAttribute('stroke-dasharray', '360 360');
    await expect(arcs.nth(1)).toHaveAttribute('stroke', '#e8fa19');
    await expect(arcs.nth(1)).toHaveAttribute('stroke-dasharray', '40 360');
    await expect(page.locator('.circle-quadrant[data-shown="true"]')).toHaveText('I');
    await expect(page.locator('.circle-quadrant[data-quadrant="1"]')).toHaveCSS('opacity', '1');
    await expect(page.locator('.circle-quadrant[data-quadrant="2"]')).toHaveCSS('opacity', '0');
    await expect(page.locator('.circle-projections')).not.toHaveCSS('display', 'none');
    await expect(page.locator('.circle-point')).toBeVisible();
    // Nothing moves, and there is nothing to wait for.
    await expect(replay(page)).toBeEnabled();
    expect(await page.evaluate(() => document.getAnimations().filter((a) => a.playState === 'running').length)).toBe(0);
  });

  test('dragging the point to 135° offers to calculate it, and that calculates α = 135', async ({ page }) => {
    await solve(page, '400');
    const circle = await showCircle(page);
    await expect(label(page, 'alpha')).toHaveText('α = 400°');
    await dragArrowTo(page, 135);
    const button = page.getByRole('button', { name: 'Calculate α = 135°' });
    await expect(button).toBeVisible();
    await expect(label(page, 'alpha')).toHaveText('α = 135°');
    await expect(label(page, 'x')).toHaveText('x = -0.71');
    await expect(circle).toHaveAttribute('aria-valuenow', '135');
    await expect(page.locator('.circle-quadrant[data-shown="true"]')).toHaveText('II');
    await button.click();
    await expect(page.locator('#alphaTextField')).toHaveValue('135');
    await expect(page.getByRole('tab', { name: 'Result' })).toHaveAttribute('aria-selected', 'true');
    await expect(page.locator('#page-result .step').first()).toContainText('135');
    await expect(page.locator('#page-result .step').first()).not.toContainText('400');
  });

  test('the arrow keys turn the circle, Escape goes back to the solution', async ({ page }) => {
    await solve(page, '400');
    const circle = await showCircle(page);
    await expect(label(page, 'alpha')).toHaveText('α = 400°');
    await circle.focus();
    await page.keyboard.press('ArrowRight');
    await expect(circle).toHaveAttribute('aria-valuetext', 'α = 45°');
    await page.keyboard.press('Shift+ArrowRight');
    await page.keyboard.press('Shift+ArrowRight');
    await expect(circle).toHaveAttribute('aria-valuenow', '47');
    await page.keyboard.press('ArrowLeft');
    await expect(circle).toHaveAttribute('aria-valuenow', '45');
    await expect(page.getByRole('button', { name: 'Calculate α = 45°' })).toBeVisible();
    await page.keyboard.press('Escape');
    await expect(label(page, 'alpha')).toHaveText('α = 400°');
    await expect(circle).toHaveAttribute('aria-valuenow', '400');
    await expect(page.locator('.calculate-angle')).toBeHidden();
  });

  test('a tapped step stresses its part of the circle; tapped again, it clears', async ({ page }) => {
    await solve(page, '400');
    await showCircle(page);
    await expect(page.locator('.circle-arc')).toHaveCount(2);
    const sine = page.locator('#page-result .step').nth(12);
    await sine.locator('.step-toggle').click();
    await expect(sine).toHaveClass(/marked/);
    await expect(sine.locator('.step-toggle')).toHaveAttribute('aria-pressed', 'true');
    // sin is the projection onto the y axis: drawn wider, the rest faded.
    await expect(page.locator('.projection-y')).toHaveAttribute('data-stress', '1');
    await expect(page.locator('.projection-y')).toHaveAttribute('stroke-width', '9');
    await expect(label(page, 'y')).toHaveCSS('font-weight', '700');
    await expect(page.locator('.projection-x')).toHaveCSS('opacity', '0.25');
    await expect(page.locator('.circle-arcs > g').first()).toHaveCSS('opacity', '0.25');
    await expect(page.locator('.unit-circle-view')).toBeInViewport();

    // Enter on the full circles' step moves the mark there.
    await page.locator('#page-result .step').nth(20).locator('.step-toggle').focus();
    await page.keyboard.press('Enter');
    await expect(sine).not.toHaveClass(/marked/);
    await expect(label(page, 'n')).toHaveAttribute('data-stress', '1');
    await expect(page.locator('.circle-arcs > g').first()).toHaveAttribute('data-stress', '1');
    await expect(page.locator('.circle-arcs > g').last()).toHaveAttribute('data-stress', '-1');
    await page.keyboard.press(' ');
    await expect(page.locator('.step.marked')).toHaveCount(0);
    await expect(page.locator('.projection-y')).toHaveAttribute('data-stress', '0');
    await expect(page.locator('.projection-x')).toHaveCSS('opacity', '1');
  });
});

test('the run counts up, keeps the replay button disabled until it ends, and plays again', async ({ page }) => {
  await solve(page, '400');
  await showCircle(page);
  const button = replay(page);
  // Half a second after the circle shows, two turns of a second each.
  await expect(button).toBeDisabled();
  await expect(button).toHaveCSS('opacity', '0.5');
  await expect(label(page, 'n')).toHaveText('n = 1');
  await expect(button).toBeEnabled({ timeout: 5000 });
  await expect(label(page, 'alpha')).toHaveText('α = 400°');
  await expect(page.locator('.circle-arc')).toHaveCount(2);
  await expect(page.locator('.circle-quadrant[data-shown="true"]')).toHaveText('I');

  await button.click();
  await expect(button).toBeDisabled();
  await expect(label(page, 'n')).toHaveText('n = 0');
  await expect(page.locator('.circle-arc')).toHaveCount(1);
  // A start while it runs is ignored: the run goes on and ends as before.
  await page.locator('.animate-again').dispatchEvent('click');
  await expect(button).toBeEnabled({ timeout: 5000 });
  await expect(label(page, 'alpha')).toHaveText('α = 400°');
  await expect(label(page, 'gamma')).toHaveText('γ = 40°');
});

test.describe('German, dark', () => {
  test.use({ locale: 'de-DE', colorScheme: 'dark', reducedMotion: 'reduce' });

  test('the buttons speak German and the circle is drawn for black', async ({ page }, info) => {
    await solve(page, '400');
    const circle = await showCircle(page);
    await expect(page.getByRole('button', { name: 'Erneut abspielen' })).toBeVisible();
    await expect(label(page, 'alpha')).toHaveText('α = 400°');
    await expect(label(page, 'x')).toHaveCSS('color', 'rgb(79, 134, 255)');
    await expect(page.locator('.unit-circle-card')).toHaveCSS('background-color', 'rgb(0, 0, 0)');
    await expect(page.locator('.circle-axes')).toHaveCSS('stroke', 'rgb(255, 255, 255)');
    await circle.focus();
    await page.keyboard.press('ArrowRight');
    await expect(page.getByRole('button', { name: 'α = 45° berechnen' })).toBeVisible();
    await page.locator('.chart-row[data-kind="unitCircle"]').screenshot({ path: `/tmp/charts-${info.project.name}-dark-de.png` });
  });
});

test('phone: a tapped step scrolls to the circle, "Back to step N" scrolls back', async ({ page }, info) => {
  test.skip(info.project.name !== 'phone', 'one column only');
  await solve(page, '400');
  const step = page.locator('#page-result .step').nth(12);
  await step.locator('.step-toggle').click();
  await expect(page.locator('.unit-circle-view')).toBeInViewport();
  const back = page.getByRole('button', { name: 'Back to step 12' });
  await expect(back).toBeVisible();
  await back.click();
  await expect(step).toBeInViewport();
  await expect(back).toBeHidden();
  await page.screenshot({ path: '/tmp/charts-phone-back.png' });
});

test('tablet: two panes keep the tapped step and the circle in sight', async ({ page }, info) => {
  test.skip(info.project.name !== 'tablet', 'two panes only');
  await solve(page, '400');
  await expect(page.locator('.solution-page')).toHaveClass(/two-panes/);
  const step = page.locator('.steps-pane .step').nth(21);
  await step.scrollIntoViewIfNeeded();
  await step.locator('.step-toggle').click();
  await expect(step).toHaveClass(/marked/);
  await expect(page.locator('.charts-pane .unit-circle-view')).toBeInViewport();
  await expect(step).toBeInViewport();
  await expect(label(page, 'gamma')).toHaveAttribute('data-stress', '1');
  // No way back is needed where both are in sight.
  await expect(page.locator('.back-to-step')).toBeHidden();
});
