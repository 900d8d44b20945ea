// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots compared with the committed reference pictures of each engine,
// or, with DRILL_REMAKE_GOLDEN set, saved as the new references. A picture
// that differs is saved beside the tests' build for a look.
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { PNG } from 'pngjs';
import { ROOT } from './fixture.js';

const REFERENCES = ROOT + 'web/tests/golden/';
const ACTUAL = ROOT + 'build/web/tests/actual/';

/**
 * The share of the screenshot's pixels whose colour differs from its
 * reference by more than a rounding step in any channel.
 */
export function differingShare(name: string, screenshot: Buffer): number {
  const reference = REFERENCES + name + '.png';
  if (process.env.DRILL_REMAKE_GOLDEN) writeFileSync(reference, screenshot);
  const expected = PNG.sync.read(readFileSync(reference));
  const actual = PNG.sync.read(screenshot);
  assert.deepEqual([actual.width, actual.height], [expected.width, expected.height], `${name}: the reference's size`);
  let differing = 0;
  for (let i = 0; i < actual.data.length; i += 4)
    if ([0, 1, 2].some((c) => Math.abs(actual.data[i + c] - expected.data[i + c]) > 2)) ++differing;
  if (differing > 0) {
    mkdirSync(ACTUAL, { recursive: true });
    writeFileSync(ACTUAL + name + '.png', screenshot);
  }
  return differing / (actual.width * actual.height);
}
