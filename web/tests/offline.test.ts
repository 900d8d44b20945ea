// SPDX-License-Identifier: GPL-3.0-or-later
// After one visit the drill works with the network gone: the page comes back
// from the service worker's cache and a problem can be drawn, answered and
// judged. The first visit asks nothing of any other origin.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { inEngines } from './harness/fixture.js';
import { play, shows } from './harness/drill.js';

const verdicts = ['せいかい！', 'こたえがちがうよ。', ''];

inEngines(['chromium', 'webkit'], (_engine, fixture) => {
  test('a problem is played after the network is cut', async () => {
    const { tab } = fixture;
    const address = `${fixture.site.origin}/?seed=11&mute=1`;
    const viewport = { width: 1024, height: 768 };
    await tab.open(address, viewport);
    await tab.evaluate('navigator.serviceWorker.ready.then(() => true)');
    const firstVisit = [...fixture.site.requests];
    const fetched = await tab.evaluate<string[]>("performance.getEntriesByType('resource').map((entry) => entry.name)");
    assert.deepEqual(fetched.filter((url) => !url.startsWith(fixture.site.origin + '/')), [], 'other origins');
    await fixture.site.close();

    await tab.open(address, viewport);
    await play(tab, 'click SpeedButton1, click Edit12, click Edit11, click SpeedButton1');
    const face = await shows(tab, ['Edit8', 'Edit13', 'SpeedButton1', 'Edit12']);
    assert.ok(verdicts.includes(face[0]) && face[0] + face[1] !== '', `judged offline: ${face}`);
    assert.ok(['はんてい', 'つぎをやる'].includes(face[2]), face[2]);
    assert.equal(face[3], '１');
    assert.ok(firstVisit.some((path) => path.endsWith('.wasm')), `the first visit fetched ${firstVisit}`);
    assert.deepEqual(fixture.site.requests, firstVisit, 'asked the server after it was gone');
  });
});
