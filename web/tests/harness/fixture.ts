// SPDX-License-Identifier: GPL-3.0-or-later
// What every browser test file starts from: the built site served, and one
// page of each engine it runs in, opened once for the file and closed after
// it. Each test loads the page afresh; a test that needs storage of its own
// (no service worker, nothing cached) serves the site on an origin of its own.
import { after, before, describe } from 'node:test';
import { fileURLToPath } from 'node:url';
import { ChromiumTab } from './chromium.js';
import { serveSite, type Site } from './site.js';
import type { Engine, Tab } from './tab.js';
import { WebKitTab } from './webkit.js';

// The tests are bundled into build/web/tests/; the project lies three up.
export const ROOT = fileURLToPath(new URL('../../../', import.meta.url));
export const SITE = ROOT + 'build/web/site';

export interface Fixture {
  site: Site;
  tab: Tab;
}

const launch: Record<Engine, () => Promise<Tab>> = { chromium: ChromiumTab.launch, webkit: WebKitTab.launch };

/** Runs the body once per engine named, each inside its own describe(). */
export function inEngines(engines: readonly Engine[], body: (engine: Engine, fixture: Fixture) => void): void {
  for (const engine of engines) {
    describe(engine, () => {
      const fixture = {} as Fixture;
      before(async () => {
        fixture.site = await serveSite(SITE);
        fixture.tab = await launch[engine]();
      });
      after(async () => {
        await fixture.tab?.close();
        await fixture.site?.close();
      });
      body(engine, fixture);
    });
  }
}
