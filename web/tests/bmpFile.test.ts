// SPDX-License-Identifier: GPL-3.0-or-later
// The page shows a picture only where the desktop would: a whole,
// uncompressed Windows bitmap of a sane size. Each row damages a shipped
// picture the way pictures were found damaged, or builds one in the old
// 12-byte header, and says what size the page reads, or that it refuses.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { wholeBmpSize } from '../src/media/bmpFile.js';
import { ROOT } from './harness/fixture.js';

const digit = readFileSync(ROOT + 'assets/n1.bmp');

function changed(bytes: Buffer, change: (view: DataView) => void): Buffer {
  const copy = Buffer.from(bytes);
  change(new DataView(copy.buffer, copy.byteOffset, copy.byteLength));
  return copy;
}

// A 2 × 2 picture of 24 bits in the 12-byte core header: two rows of six
// bytes, each padded to eight.
function coreHeaderPicture(): Buffer {
  const bytes = Buffer.alloc(14 + 12 + 16);
  bytes.write('BM', 0, 'latin1');
  bytes.writeUInt32LE(bytes.length, 2);
  bytes.writeUInt32LE(26, 10);
  bytes.writeUInt32LE(12, 14);
  bytes.writeUInt16LE(2, 18);
  bytes.writeUInt16LE(2, 20);
  bytes.writeUInt16LE(1, 22);
  bytes.writeUInt16LE(24, 24);
  return bytes;
}

const rows: [string, Buffer, string][] = [
  ['a shipped digit', digit, '41×35'],
  ['one byte short', digit.subarray(0, digit.length - 1), 'refused'],
  ['the header only', digit.subarray(0, 54), 'refused'],
  ['no bytes', Buffer.alloc(0), 'refused'],
  ['a PNG renamed', readFileSync(ROOT + 'platform/art/placeholder.png'), 'refused'],
  ['absurd sizes', changed(digit, (view) => { view.setInt32(18, 0x7fffffff, true); view.setInt32(22, 0x7fffffff, true); }), 'refused'],
  ['no width', changed(digit, (view) => view.setInt32(18, 0, true)), 'refused'],
  ['rows top row first', changed(digit, (view) => view.setInt32(22, -35, true)), '41×35'],
  ['run-length compressed', changed(digit, (view) => view.setUint32(30, 1, true)), 'refused'],
  ['bit fields', changed(digit, (view) => view.setUint32(30, 3, true)), '41×35'],
  ['pixels said to start past the end', changed(digit, (view) => view.setUint32(10, 60, true)), 'refused'],
  ['the old core header', coreHeaderPicture(), '2×2'],
  ['the old core header, one byte short', coreHeaderPicture().subarray(0, 41), 'refused'],
];

test('a picture is shown only when it is a whole uncompressed bitmap', () => {
  for (const [what, bytes, expected] of rows) {
    const size = wholeBmpSize(new Uint8Array(bytes));
    assert.equal(size ? `${size.width}×${size.height}` : 'refused', expected, what);
  }
});
