// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer in the page meets the desktop's table of help pages: the
// shipped help and the pages within the limits show; the hostile ones that
// froze or crashed the desktop's viewer (deep tables hidden by a space
// after "<", a stray quote or an entity in a tag name, styles that ask for
// an endless layout, more elements or depth than allowed) are refused and
// told of in Japanese.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { ROOT, SITE, inEngines } from './harness/fixture.js';
import { play, shows } from './harness/drill.js';
import { serveSite } from './harness/site.js';
import { until } from './harness/tab.js';

const refused = 'ヘルプファイル zumirano.hlp は よめません。';

interface Row { what: string; head: string; repeat: string; times: number; tail: string; close?: string; shown: boolean }
const table: Row[] = JSON.parse(readFileSync(ROOT + 'tests/platform/hostile_help_pages.json', 'utf8'));
const pages: [string, Buffer, boolean][] = [
  ['the shipped help', readFileSync(ROOT + 'assets/zumirano.hlp'), true],
  ...table.map(({ what, head, repeat, times, tail, close = '', shown }): [string, Buffer, boolean] =>
    [what, Buffer.from(head + repeat.repeat(times) + tail + close.repeat(times)), shown]),
];

inEngines(['chromium', 'webkit'], (_engine, fixture) => {
  for (const [what, page, shown] of pages) {
    test(what, { timeout: 60_000 }, async () => {
      // An origin of its own: no service worker holds an earlier help file.
      const site = await serveSite(SITE);
      try {
        site.replace('/assets/zumirano.hlp', page);
        const { tab } = fixture;
        await tab.open(`${site.origin}/?seed=2&mute=1`, { width: 1024, height: 768 });
        await play(tab, 'click SpeedButton2');
        // Shown, and with words in it: the page or the refusal.
        await tab.evaluate(until(`document.getElementById('HelpViewer')?.checkVisibility()
          && document.querySelector('#HelpViewer .client')?.textContent.trim()`));
        const [text] = await shows(tab, ['HelpViewer']);
        assert.equal(text.includes(refused), !shown, `the viewer shows: ${text.slice(0, 200)}`);
        if (shown) assert.match(text, /ぽろみんか の つかいかた/);
      } finally {
        // A server left open would keep the tests from ever ending.
        await site.close();
      }
    });
  }
});
