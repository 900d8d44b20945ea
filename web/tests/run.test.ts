// SPDX-License-Identifier: GPL-3.0-or-later
// A whole practice run on the page, played after one visit with the network
// gone, step by step: settings, the first problem, a wrong answer and its
// correction, a right first try, a double press that acts once, giving up
// with おてほん, closing it, and a restart. After each step come both
// messages, the result picture, the main button and the two counters, and
// whether おてほん shows.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { inEngines } from './harness/fixture.js';
import { pictures, play, shows } from './harness/drill.js';
import type { Tab } from './harness/tab.js';

const right = 'せいかい！';
const wrong = 'こたえがちがうよ。';
const answerCells = ['Edit9', 'Edit10', 'Edit11', 'Edit12'];

// The sum on show, read from its digit pictures: an addition without carry,
// whose answer the test works out itself.
async function answerOnShow(tab: Tab): Promise<number> {
  const number = async (ids: string[]) =>
    Number((await pictures(tab, ids)).filter((file) => file !== '·').map((file) => file.slice(1)).join(''));
  const upper = await number(['Image1', 'Image2', 'Image3', 'Image4']);
  return upper + (await number(['Image6', 'Image7', 'Image8', 'Image9']));
}

// Types a number's digits into the answer row, right-aligned: a click puts
// the focus in a cell (stepping it), the digit key then sets it.
function typed(answer: number): string {
  const digits = String(answer);
  return [...digits].map((digit, i) => `click ${answerCells[4 - digits.length + i]}, key ${digit}`).join(', ');
}

async function face(tab: Tab): Promise<string> {
  const [answerMessage, notationMessage, caption, problems, score] =
    await shows(tab, ['Edit8', 'Edit13', 'SpeedButton1', 'Edit17', 'Edit18']);
  const [result] = await pictures(tab, ['Image10']);
  const worked = await tab.evaluate<boolean>(
    "(() => { const panel = document.getElementById('Form2'); return !!panel && getComputedStyle(panel).visibility === 'visible' && panel.getBoundingClientRect().width > 0; })()");
  const workedAnswer = worked ? `おてほん ${(await shows(tab, ['Form2-Edit4', 'Form2-Edit5', 'Form2-Edit6', 'Form2-Edit7'])).join('')}` : '-';
  return [answerMessage, notationMessage, result, caption, problems, score, workedAnswer].join(' | ');
}

inEngines(['chromium', 'webkit'], (_engine, fixture) => {
  test('a practice run from the settings to a restart, with the network cut', async () => {
    const { tab } = fixture;
    const address = `${fixture.site.origin}/?seed=21&mute=1`;
    const viewport = { width: 1024, height: 768 };
    // The first visit, which asks nothing of any other origin, leaves the
    // service worker holding every file; the page then comes back without
    // the server.
    await tab.open(address, viewport);
    await tab.evaluate('navigator.serviceWorker.ready.then(() => true)');
    const fetched = await tab.evaluate<string[]>("performance.getEntriesByType('resource').map((entry) => entry.name)");
    assert.deepEqual(fetched.filter((url) => !url.startsWith(fixture.site.origin + '/')), [], 'other origins');
    await fixture.site.close();
    await tab.open(address, viewport);
    // Each step: what is done, given the answer of the problem on show, and
    // the face it leaves.
    const steps: [string, (answer: number) => string, string][] = [
      ['start-up', () => '', ' |  | startup | はじめる |  |  | -'],
      ['settings and the first problem', () => 'set RadioGroup1 3, set RadioGroup2 0, click SpeedButton1',
        ' |  | mascot | はんてい |  |  | -'],
      ['a wrong answer', (answer) => `${typed(answer > 0 ? answer - 1 : 1)}, click SpeedButton1`, `${wrong} |  | batu1 | はんてい |  |  | -`],
      ['judged again unchanged', () => 'click SpeedButton1', `${wrong} |  | batu1 | はんてい |  |  | -`],
      ['corrected', (answer) => `${typed(answer)}, click SpeedButton1`, `${right} |  | maru1 | つぎをやる | 1 | 0 | -`],
      ['the next, with a double press', () => 'double SpeedButton1', ' |  | mascot | はんてい | 1 | 0 | -'],
      ['right at the first try', (answer) => `${typed(answer)}, click SpeedButton1`, `${right} |  | maru1 | つぎをやる | 2 | 50 | -`],
      ['the next', () => 'click SpeedButton1', ' |  | mascot | はんてい | 2 | 50 | -'],
      ['given up', () => 'click Button14', ' |  | mascot | つぎをやる | 3 | 33 | おてほん {answer}'],
      ['おてほん closed', () => 'click Form2-Button1', ' |  | mascot | つぎをやる | 3 | 33 | -'],
      ['shown again, then the next puts it away', () => 'click Button14, click SpeedButton1',
        ' |  | mascot | はんてい | 3 | 33 | -'],
      ['restarted', () => 'click Button12', ' |  | mascot | はんてい |  |  | -'],
      ['right afresh', (answer) => `${typed(answer)}, click SpeedButton1`, `${right} |  | maru1 | つぎをやる | 1 | 100 | -`],
    ];
    // おてほん's answer row in full-width digits.
    const fullWidth = (answer: number) => String(answer).replace(/\d/g, (d) => String.fromCharCode(0xff10 + Number(d)));
    for (const [what, gestures, expected] of steps) {
      const answer = (await face(tab)).includes('はんてい') ? await answerOnShow(tab) : 0;
      const played = gestures(answer);
      if (played) await play(tab, played);
      assert.equal(await face(tab), expected.replace('{answer}', fullWidth(answer)), what);
    }
  });
});
