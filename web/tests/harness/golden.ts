// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots compared with the committed reference pictures of each engine,
// or, with DRILL_REMAKE_GOLDEN set, saved as the new references. A picture
// that differs is saved beside the tests' build for a look.
import { mkdirSync, readFileSync, writeFileSync, existsSync } from 'node:fs';
import { PNG } from 'pngjs';
import { ROOT } from './fixture.js';

const REFERENCES = ROOT + 'web/tests/golden/';
const ACTUAL = ROOT + 'build/web/tests/actual/';

/** Pixels whose colour differs by more than a rounding step in any channel. */
export function differingPixels(a: PNG, b: PNG): number {
  let count = 0;
  for (let i = 0; i < a.data.length; i += 4) {
    const channels = [0, 1, 2].map((c) => Math.abs(a.data[i + c] - b.data[i + c]));
    if (Math.max(...channels) > 2) ++count;
  }
  return count;
}

/**
 * What is wrong with the screenshot, or null when it matches its reference.
 * WebKit draws a few scattered pixels of scaled frame lines differently from
 * one run to the next, so a few per ten thousand may differ; Chromium's
 * pictures must match exactly.
 */
export function compareWithReference(name: string, screenshot: Buffer, allowedShare = 0): string | null {
  const reference = REFERENCES + name + '.png';
  if (process.env.DRILL_REMAKE_GOLDEN) {
    mkdirSync(REFERENCES, { recursive: true });
    writeFileSync(reference, screenshot);
    return null;
  }
  if (!existsSync(reference)) return `no reference picture ${reference}`;
  const expected = PNG.sync.read(readFileSync(reference));
  const actual = PNG.sync.read(screenshot);
  const size = `${actual.width}×${actual.height}`;
  const differing = size === `${expected.width}×${expected.height}` ? differingPixels(actual, expected) : -1;
  if (differing >= 0 && differing <= allowedShare * actual.width * actual.height) return null;
  mkdirSync(ACTUAL, { recursive: true });
  writeFileSync(ACTUAL + name + '.png', screenshot);
  return differing < 0
    ? `${name}: ${size}, the reference is ${expected.width}×${expected.height}`
    : `${name}: ${differing} pixels differ from the reference; see ${ACTUAL}${name}.png`;
}
