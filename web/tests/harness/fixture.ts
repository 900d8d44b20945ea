// SPDX-License-Identifier: GPL-3.0-or-later
// What every browser test file starts from: the built site served, and the
// engines it runs in started once for the file and stopped after it.
import { after, before, describe } from 'node:test';
import { fileURLToPath } from 'node:url';
import type { Browser } from 'puppeteer-core';
import { ChromiumTab, launchChromium } from './chromium.js';
import { serveSite, type Site } from './site.js';
import type { Engine, Tab } from './tab.js';
import { WebKit, WebKitTab } from './webkit.js';

// The tests are bundled into build/web/tests/; the project lies three up.
export const ROOT = fileURLToPath(new URL('../../../', import.meta.url));
export const SITE = ROOT + 'build/web/site';

export interface Fixture {
  site: Site;
  /** A fresh page of the engine, its own storage, nothing cached; the one before is closed. */
  tab(): Promise<Tab>;
}

/** Runs the body once per engine named, each inside its own describe(). */
export function inEngines(engines: readonly Engine[], body: (engine: Engine, fixture: Fixture) => void): void {
  for (const engine of engines) {
    describe(engine, () => {
      let chromium: Browser | undefined;
      let webkit: WebKit | undefined;
      let open: Tab | undefined;
      const fixture = {
        site: undefined as unknown as Site,
        async tab(): Promise<Tab> {
          await open?.close();
          open = chromium ? await ChromiumTab.open(chromium) : await WebKitTab.open(webkit!);
          return open;
        },
      };
      before(async () => {
        fixture.site = await serveSite(SITE);
        if (engine === 'chromium') chromium = await launchChromium();
        else webkit = await WebKit.launch();
      });
      after(async () => {
        await open?.close();
        await chromium?.close();
        await webkit?.close();
        await fixture.site.close();
      });
      body(engine, fixture);
    });
  }
}
