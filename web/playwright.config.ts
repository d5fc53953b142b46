import { defineConfig } from '@playwright/test';

// Debian's Chromium drives the built app, served on 127.0.0.1 by e2e/staticServer.mjs.
const port = Number(process.env.UNITCIRCLE_E2E_PORT ?? 4179);

export default defineConfig({
  testDir: 'e2e',
  testMatch: '**/*.test.ts',
  fullyParallel: true,
  workers: 2,
  retries: 0,
  timeout: 30_000,
  reporter: [['list']],
  use: {
    baseURL: `http://127.0.0.1:${port}/`,
    launchOptions: {
      executablePath: process.env.CHROME_PATH ?? '/usr/bin/chromium',
      args: [
        '--no-sandbox',
        '--headless',
        '--disable-gpu',
        '--disable-background-networking',
        '--disable-component-update',
        '--disable-sync',
        '--no-first-run',
      ],
    },
    locale: 'en-US',
    // A returning visitor: the introduction seen and the privacy notice accepted (the
    // first-visit tests start without them).
    storageState: {
      cookies: [],
      origins: [{
        origin: `http://127.0.0.1:${port}`,
        localStorage: [{ name: 'introductionSeen', value: 'yes' }, { name: 'privacyAccepted', value: 'yes' }],
      }],
    },
  },
  projects: [
    { name: 'phone', use: { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 } },
    // Failure paths and offline do not depend on the layout: the phone runs them, which keeps
    // the suite near seven minutes.
    {
      name: 'tablet',
      use: { viewport: { width: 1024, height: 1366 }, hasTouch: true, deviceScaleFactor: 1 },
      testIgnore: ['**/storage.test.ts', '**/coreFailure.test.ts', '**/loadFailure.test.ts', '**/offline.test.ts'],
    },
  ],
  webServer: {
    command: `node e2e/staticServer.mjs ${port} dist`,
    url: `http://127.0.0.1:${port}/`,
    reuseExistingServer: false,
    timeout: 30_000,
  },
});
