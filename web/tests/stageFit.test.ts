// SPDX-License-Identifier: GPL-3.0-or-later
// The practice window fills the screens children use, proportions kept:
// never a pixel past an edge, as large as either side allows, and centred
// in the other. Each row is a screen, with the side the window must fill.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { stageFit } from '../src/stage/stageFit.js';

const stage = { width: 641, height: 348 };

const screens: [string, number, number, 'width' | 'height'][] = [
  ['iPad portrait', 768, 1024, 'width'],
  ['a phone on its side', 844, 390, 'height'],
  ['a window as small as the desktop one', 641, 348, 'width'],
  ['a wide short window', 2000, 300, 'height'],
];

test('the window fits each screen whole, as large as it can, centred', () => {
  for (const [what, width, height, filled] of screens) {
    const { scale, left, top } = stageFit(width, height, stage.width, stage.height);
    const right = left + stage.width * scale;
    const bottom = top + stage.height * scale;
    assert.ok(left >= 0 && top >= 0 && right <= width + 1e-6 && bottom <= height + 1e-6, `${what}: inside`);
    const spare = filled === 'width' ? width - stage.width * scale : height - stage.height * scale;
    assert.ok(Math.abs(spare) < 1e-6, `${what}: fills its ${filled}`);
    const [before, after] = filled === 'width' ? [top, height - bottom] : [left, width - right];
    // Whole pixels to the left or top, the rest to the other side.
    assert.ok(Math.abs(before - after) < 2, `${what}: centred, ${before} and ${after} to spare`);
  }
});
