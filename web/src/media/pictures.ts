// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the drill shows, read by their desktop file names. Whether a
// picture can be shown is the plain picture's to say: a whole bitmap, read
// once. Where the screen has more than one device pixel to a desktop pixel,
// its twin drawn at double resolution ("n3@2x.bmp") takes its place once
// read, at the plain picture's size; a twin that cannot be read leaves the
// plain picture. Twins are read only once the drill is under way, so that
// the first problem comes as soon as the plain pictures are there.
import { bmpIsWhole } from './bmpFile';

export interface PictureStore {
  // Reads the plain picture; rejects when it cannot be read or decoded.
  load(fileName: string): Promise<void>;
  readable(fileName: string): boolean;
  // The address to show for a readable picture: its twin where wanted and
  // read, the plain picture otherwise.
  address(fileName: string): string | undefined;
  // Reads these pictures ahead of their first showing, and from now on
  // every twin wanted.
  readAhead(fileNames: readonly string[]): void;
  setDensity(devicePixelsPerPixel: number): void;
}

function twinName(fileName: string): string {
  return fileName.replace(/\.bmp$/, '@2x.bmp');
}

// The file is checked whole and decoded at once; the decoded picture stays
// at hand for the boxes that show it by its address.
async function read(url: string): Promise<void> {
  const checked = fetch(url).then(async (response) => {
    if (!response.ok || !bmpIsWhole(new Uint8Array(await response.arrayBuffer()))) throw new Error(url);
  });
  const picture = new Image();
  picture.src = url;
  await Promise.all([checked, picture.decode()]);
}

// `onSharper` hears of each twin read, to draw it in its plain picture's place.
export function createPictureStore(assetsUrl: string, onSharper: () => void): PictureStore {
  let twice = false;
  let sharpening = false;
  const reads = new Map<string, Promise<void>>();
  const readable = new Set<string>();
  const twinReads = new Set<string>();
  const sharpTwins = new Set<string>();

  const readTwin = (fileName: string) => {
    if (!twice || !sharpening || twinReads.has(fileName)) return;
    twinReads.add(fileName);
    read(assetsUrl + twinName(fileName)).then(() => {
      sharpTwins.add(fileName);
      onSharper();
    }, () => undefined);
  };

  const load = (fileName: string) => {
    let reading = reads.get(fileName);
    if (!reading) {
      reading = read(assetsUrl + fileName).then(() => {
        readable.add(fileName);
        readTwin(fileName);
      }, () => {
        // A picture that could not be read is tried again next time.
        reads.delete(fileName);
        return Promise.reject(new Error(fileName));
      });
      reads.set(fileName, reading);
    }
    return reading;
  };

  return {
    load,
    readable: (fileName) => readable.has(fileName),
    address(fileName) {
      if (!readable.has(fileName)) return undefined;
      return assetsUrl + (twice && sharpTwins.has(fileName) ? twinName(fileName) : fileName);
    },
    readAhead(fileNames) {
      sharpening = true;
      readable.forEach(readTwin);
      for (const fileName of fileNames) load(fileName).catch(() => undefined);
    },
    setDensity(devicePixelsPerPixel) {
      twice = devicePixelsPerPixel > 1;
      readable.forEach(readTwin);
    },
  };
}
