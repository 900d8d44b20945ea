// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a picture file is a whole Windows bitmap, as the desktop demands
// before it shows one: a browser shows a BMP cut short with its missing rows
// blank, and a PNG given a picture's name as well, where the desktop tells
// the child the file cannot be opened.

// No picture of the program comes near these; they bound what a damaged
// file can make the page hold.
export const largestPictureFile = 16 << 20;
const largestSide = 1024;

const fileHeaderSize = 14;
const coreHeaderSize = 12;
const infoHeaderSize = 40;
// Plain RGB and the bit-field variants lay their pixels out row by row,
// each row padded to four bytes. Only these are read, as on the desktop: a
// run-length picture whose runs stop short cannot be told whole.
const rowLaidCompressions = [0, 3, 6];

export interface PictureSize {
  width: number;
  height: number;
}

// The picture's size, or nothing when the file is no whole bitmap.
export function wholeBmpSize(bytes: Uint8Array): PictureSize | undefined {
  if (bytes.length > largestPictureFile || bytes.length < fileHeaderSize + 4) return undefined;
  if (bytes[0] !== 0x42 || bytes[1] !== 0x4d) return undefined;
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const offBits = view.getUint32(10, true);
  const infoSize = view.getUint32(14, true);
  let width: number;
  let height: number;
  let bitCount: number;
  let compression = 0;
  if (infoSize === coreHeaderSize) {
    if (bytes.length < fileHeaderSize + coreHeaderSize) return undefined;
    width = view.getUint16(18, true);
    height = view.getUint16(20, true);
    bitCount = view.getUint16(24, true);
  } else {
    if (bytes.length < fileHeaderSize + infoHeaderSize) return undefined;
    width = view.getInt32(18, true);
    // A negative height stores the rows top row first.
    height = Math.abs(view.getInt32(22, true));
    bitCount = view.getUint16(28, true);
    compression = view.getUint32(30, true);
  }
  if (width <= 0 || width > largestSide || height === 0 || height > largestSide) return undefined;
  if (!rowLaidCompressions.includes(compression)) return undefined;
  const rowBytes = Math.floor((width * bitCount + 31) / 32) * 4;
  return offBits + rowBytes * height <= bytes.length ? { width, height } : undefined;
}
