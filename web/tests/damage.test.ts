// SPDX-License-Identifier: GPL-3.0-or-later
// Files missing or damaged on the server, and a screen turned while a symbol
// is carried. A picture that cannot be read is told in the desktop's words,
// the press that needed it is taken back, and the next press, once the file
// is whole again, goes on; a core that cannot load says so in Japanese and
// English, never a blank page. Each load is served on an origin of its own,
// so that nothing cached from another test stands in for the damage.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import type { ChromiumTab } from './harness/chromium.js';
import { play, pictures, shows, spot } from './harness/drill.js';
import { inEngines, SITE } from './harness/fixture.js';
import { serveSite } from './harness/site.js';

const landscape = { width: 1024, height: 768 };
const mascot = readFileSync(`${SITE}/assets/mascot.bmp`);

inEngines(['chromium'], (_engine, fixture) => {
  const damages: [string, Buffer | null][] = [
    ['missing', null],
    ['cut short', mascot.subarray(0, 200)],
  ];
  for (const [what, body] of damages) {
    test(`a picture ${what}`, async () => {
      const { tab } = fixture;
      const site = await serveSite(SITE);
      try {
        site.replace('/assets/mascot.bmp', body);
        await tab.open(`${site.origin}/?seed=3&mute=1`, landscape);
        await play(tab, 'click SpeedButton1');
        assert.deepEqual(await shows(tab, ['ErrorDialog-message', 'SpeedButton1']),
          ['ﾌｧｲﾙ mascot.bmp は開けません。', 'はじめる']);
        assert.deepEqual(await pictures(tab, ['Image4', 'Image9']), ['·', '·'], 'a problem half drawn');
        site.replace('/assets/mascot.bmp', mascot);
        await tab.key('Enter');
        await play(tab, 'click SpeedButton1');
        assert.equal((await shows(tab, ['SpeedButton1']))[0], 'はんてい');
        assert.ok((await pictures(tab, ['Image4', 'Image9'])).every((file) => /^n\d$/.test(file)));
      } finally {
        await site.close();
      }
    });
  }

  // Turned from landscape to portrait with "３" held by a mouse button or a
  // finger: it still lands where it is let go, on the cell as it now lies.
  for (const device of ['mouse', 'touch'] as const) {
    test(`a screen turned mid-drag, by ${device}`, async () => {
      const tab = fixture.tab as ChromiumTab;
      await tab.open(`${fixture.site.origin}/?seed=3&mute=1`, landscape);
      await play(tab, 'click SpeedButton1');
      const key = await spot(tab, 'Button3');
      await tab.point([{ device, action: 'down', ...key }, { device, action: 'move', x: key.x + 3, y: key.y }]);
      await tab.resize({ width: 768, height: 1024 });
      // The page fits itself to the new screen at its next frame.
      await tab.evaluate('new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(() => drawn(true))))');
      const cell = await spot(tab, 'Edit12');
      // Let go over the cell, then on a little, as a hand does.
      await tab.point([{ device, action: 'move', ...cell }, { device, action: 'up', ...cell },
        ...(device === 'mouse' ? [{ device, action: 'move', x: cell.x + 1, y: cell.y } as const] : [])]);
      await play(tab, 'move Panel1');
      assert.equal((await shows(tab, ['Edit12']))[0], '３');
    });
  }
});

inEngines(['chromium', 'webkit'], (_engine, fixture) => {
  for (const [what, body] of [['missing', null], ['damaged', Buffer.from('not WebAssembly')]] as const) {
    test(`the core ${what}`, async () => {
      const { tab } = fixture;
      const site = await serveSite(SITE);
      try {
        site.replace('/core.wasm', body);
        await assert.rejects(tab.open(`${site.origin}/?mute=1`, landscape), 'the drill started without its core');
        const [notice] = await shows(tab, ['StartFailure']);
        assert.match(notice, /はじめられませんでした/);
        assert.match(notice, /could not start/);
        assert.equal(await tab.evaluate('document.getElementById("StartFailure").getAttribute("role")'), 'alert');
      } finally {
        await site.close();
      }
    });
  }
});
