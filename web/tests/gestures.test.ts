// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's gesture table, played on the page with a mouse, a finger and
// keys. Each row starts from a fresh four-digit ひきざん problem with
// たしざん selected afterwards, and ends with the units answer and hundreds
// notation as shown, the upper digits' pictures (n plain, b struck) and
// whether a symbol is still carried.
//
// Any button picks a symbol up; a held left button carries it past bare
// backgrounds to the cell where it is let go, while a clicked symbol is let
// go over the bare window, problem and keypad panels but kept over any
// other control. Every press steps a cell, left forwards and the others
// backwards, both presses of a double click counting. A slash carried onto
// an upper digit strikes it, a second restores it, a digit carried there is
// lost; a click strikes only while ひきざん is selected, never the units. A
// finger hands over what it carries where it lifts, or with nothing carried
// taps; a finger the browser cancels carries nothing on. Keys type digits into the focused cell and Backspace and Delete
// empty it; nothing else typed changes it.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { inEngines } from './harness/fixture.js';
import { pictures, play, shows } from './harness/drill.js';
import type { Tab } from './harness/tab.js';

// Each row: gestures, then "units|hundreds-notation upper pictures carried".
const rows: [string, string][] = [
  ['click Edit12', '１| n n n n -'],
  ['right Edit12', '| n n n n -'],
  ['middle Edit12', '| n n n n -'],
  ['double Edit12', '２| n n n n -'],
  ['drag Button11 Edit12', '| n n n n -'],
  ['right Edit15, click Edit15', '| n n n n -'],
  ['right Edit15, right Edit15', '|８ n n n n -'],
  ['click Button3, click Edit12', '４| n n n n -'],
  ['right Button5, move Edit12', '５| n n n n -'],
  ['drag Button5 Panel2 Panel1 Form1 Edit12', '５| n n n n -'],
  ['drag Button5 Edit15', '|５ n n n n -'],
  ['swipe Button3 Edit12', '３| n n n n -'],
  ['tap Button3, tap Edit12', '３| n n n n -'],
  ['tap Edit15, tap Edit12, tap Edit12', '２|０ n n n n -'],
  ['drag Button11 Image2', '| n b n n -'],
  ['drag Button11 Image2, drag Button11 Image2', '| n n n n -'],
  ['drag Button5 Image2, move Edit12', '| n n n n -'],
  ['click Image1', '| n n n n -'],
  ['set RadioGroup3 1, click Image1', '| b n n n -'],
  ['set RadioGroup3 1, click Image4', '| n n n n -'],
  ['set RadioGroup3 1, click Button11, click Image2', '| n n n n -'],
  ['swipe Button11 Image2', '| n b n n -'],
  ['tap Button11, tap Image2', '| n b n n -'],
  ['set RadioGroup3 1, tap Button5, tap Image2', '| n n n n -'],
  ['set RadioGroup3 1, tap Image2', '| n b n n -'],
  ['click Button7, move Panel1', '| n n n n -'],
  ['click Button7, move Panel2', '| n n n n -'],
  ['click Button7, move Form1', '| n n n n -'],
  // Kept over each of these in turn: any one letting go shows.
  ['click Button7, move Panel3, move Panel4, move Image5, move Image9, move Button14, move Edit8, move Button3',
    '| n n n n held'],
  ['click Button3, click Button7, move Edit12', '７| n n n n -'],
  ['click Edit12, key 0', '０| n n n n -'],
  ['click Edit12, key Backspace', '| n n n n -'],
  ['click Edit12, key 6, key Delete', '| n n n n -'],
  ['click Edit12, key a, key /, key Enter', '１| n n n n -'],
  ['click Edit15, key 3', '|３ n n n n -'],
  ['cancel Button3, tap Edit12', '１| n n n n -'],
];

// WebKit's WebDriver has no touch and mislays the release of the right and
// middle buttons, so WebKit plays the rows of the left button and the keys.
const inWebKit = ([gestures]: [string, string]) => !/\b(right|middle|tap|swipe|cancel)\b/.test(gestures);

async function sheet(tab: Tab): Promise<string> {
  const [units, notation] = await shows(tab, ['Edit12', 'Edit15']);
  const upper = await pictures(tab, ['Image1', 'Image2', 'Image3', 'Image4']);
  const carried = await tab.evaluate<boolean>("document.body.classList.contains('carrying')");
  return `${units}|${notation} ${upper.map((file) => file[0]).join(' ')} ${carried ? 'held' : '-'}`;
}

inEngines(['chromium', 'webkit'], (engine, fixture) => {
  for (const [gestures, expected] of rows.filter((row) => engine === 'chromium' || inWebKit(row))) {
    test(gestures, async () => {
      const { tab } = fixture;
      await tab.open(`${fixture.site.origin}/?seed=4&mute=1`, { width: 1024, height: 768 });
      await play(tab, 'set RadioGroup1 4, set RadioGroup3 1, click SpeedButton1, set RadioGroup3 0');
      await play(tab, gestures);
      assert.equal(await sheet(tab), expected);
    });
  }
});
