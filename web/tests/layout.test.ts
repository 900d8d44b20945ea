// SPDX-License-Identifier: GPL-3.0-or-later
// The practice window on the screens of school devices: each control where
// the desktop's table puts it, all scaled by one factor that fits the window
// to the screen, nothing clipped, nothing to scroll; and the whole view as
// the committed picture of each engine shows it.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { inEngines } from './harness/fixture.js';
import { differingShare } from './harness/golden.js';
import { DESKTOP, measure, placement } from './harness/layout.js';
import { play, sharpened } from './harness/drill.js';

const viewports = [
  { width: 1024, height: 768 },
  { width: 768, height: 1024 },
  { width: 1366, height: 768 },
  { width: 1280, height: 800 },
];
const [, , windowWidth, windowHeight] = DESKTOP.Form1.rect;

inEngines(['chromium', 'webkit'], (engine, fixture) => {
  for (const viewport of viewports) {
    const size = `${viewport.width}x${viewport.height}`;
    test(size, async () => {
      const { tab } = fixture;
      await tab.open(`${fixture.site.origin}/?seed=7&mute=1`, viewport);
      const startUp = await measure(tab);
      const shownAtStart = (placed: Record<string, { shown: boolean }>) =>
        Object.keys(DESKTOP).filter((id) => id !== 'Form1' && placed[id]?.shown).sort();
      assert.deepEqual(shownAtStart(startUp), shownAtStart(DESKTOP), 'controls shown at start-up');

      await play(tab, 'click SpeedButton1');
      const page = await measure(tab);
      const { scale, x, y } = placement(page);
      // The window fills the screen one way and keeps its proportions.
      const fitting = Math.min(viewport.width / windowWidth, viewport.height / windowHeight);
      assert.ok(Math.abs(scale - fitting) < 0.01 * fitting, `scale ${scale}, the screen allows ${fitting}`);
      const tolerance = Math.max(1.5, scale);
      for (const [id, placed] of Object.entries(page)) {
        if (!placed.shown) continue;
        const [left, top, width, height] = DESKTOP[id].rect;
        const expected = [x + scale * left, y + scale * top, scale * width, scale * height];
        const off = placed.rect.map((value, i) => Math.abs(value - expected[i]));
        assert.ok(Math.max(...off) <= tolerance, `${id} at ${placed.rect.map(Math.round)}, the table scaled: ${expected.map(Math.round)}`);
        const [pl, pt, pw, ph] = placed.rect;
        assert.ok(pl >= 0 && pt >= 0 && pl + pw <= viewport.width + 0.5 && pt + ph <= viewport.height + 0.5, `${id} is clipped`);
      }
      const scrolls = await tab.evaluate<number[]>(
        '[document.scrollingElement.scrollWidth - innerWidth, document.scrollingElement.scrollHeight - innerHeight]',
      );
      assert.deepEqual(scrolls, [0, 0], 'the page scrolls');
      await sharpened(tab);
      // WebKit draws a few scattered pixels of scaled frame lines differently
      // from one run to the next; Chromium's pictures must match exactly.
      const share = differingShare(`${engine}-${size}`, await tab.screenshot());
      assert.ok(share <= (engine === 'webkit' ? 3e-4 : 0), `${share} of it differs; see build/web/tests/actual/`);
    });
  }
});
