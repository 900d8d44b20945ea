// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer in the page shows the shipped help file and refuses the
// hostile pages that froze or crashed the desktop's viewer: deep tables
// hidden from a scanner by a space after "<", by a stray quote in an
// unquoted attribute or by an entity in a tag name, and a style that asks
// for an endless layout. A refused page is told of in Japanese.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { ROOT, SITE, inEngines } from './harness/fixture.js';
import { serveSite } from './harness/site.js';
import { play, shows } from './harness/drill.js';

const refused = 'ヘルプファイル zumirano.hlp は よめません。';
const shipped = readFileSync(ROOT + 'assets/zumirano.hlp');

const pages: [string, string | Buffer, string][] = [
  ['the shipped help', shipped, 'ぽろみんか の つかいかた'],
  ['a space after "<"', '<html><body><p>へるぷ</p>' + '< table>< tr>< td>'.repeat(2500) + 'x', refused],
  ['a space after "<", 20 deep', '<html><body><p>へるぷ</p>' + '< table>< tr>< td>'.repeat(20) + 'x', refused],
  ['a stray quote', '<p title=a">' + '<table><tr><td>'.repeat(3000) + 'x<p title=b">', refused],
  ['a stray quote, 20 deep', '<p title=a">' + '<table><tr><td>'.repeat(20) + 'x<p title=b">', refused],
  ['an entity in a tag name', '<p>へるぷ</p>' + '<tab&#108;e><tr><td>'.repeat(16) + 'x', refused],
  ['an endless line height', '<p style="line-height:100000000%">x<br>y</p>', refused],
];

inEngines(['chromium', 'webkit'], (_engine, fixture) => {
  for (const [what, page, expected] of pages) {
    test(what, { timeout: 60_000 }, async () => {
      // An origin of its own: no service worker holds an earlier help file.
      const site = await serveSite(SITE);
      site.replace('/assets/zumirano.hlp', Buffer.from(page));
      const { tab } = fixture;
      await tab.open(`${site.origin}/?seed=2&mute=1`, { width: 1024, height: 768 });
      await play(tab, 'click SpeedButton2');
      await tab.evaluate("new Promise((shown) => { const wait = () => document.getElementById('HelpViewer')?.checkVisibility() ? shown(true) : setTimeout(wait, 50); wait(); })");
      const [text] = await shows(tab, ['HelpViewer']);
      assert.ok(text.includes(expected), `the viewer shows: ${text.slice(0, 200)}`);
      const depth = await tab.evaluate<number>("Math.max(0, ...[...document.querySelectorAll('#HelpViewer *')].map((e) => { let d = 0; for (let n = e; n && n.id !== 'HelpViewer'; n = n.parentElement) ++d; return d; }))");
      assert.ok(depth < 40, `the viewer nests ${depth} deep`);
      await site.close();
    });
  }
});
