// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the drill shows, read by their desktop file names. Whether a
// picture can be shown is the plain picture's to say: a whole bitmap, read
// once. Where the screen has more than one device pixel to a desktop pixel,
// its twin drawn at double resolution ("n3@2x.bmp") takes its place once
// read, at the plain picture's size; a twin that cannot be read, or is not
// twice the plain picture's size, leaves the plain picture. Twins are read only once asked for, when the drill is
// under way, so that they never hold up the first problem on a slow line.
import { type PictureSize, wholeBmpSize } from './bmpFile';

export interface PictureStore {
  // Reads the plain picture; rejects when it cannot be read or decoded.
  load(fileName: string): Promise<void>;
  readable(fileName: string): boolean;
  // The address to show for a readable picture: its twin where wanted and
  // read, the plain picture otherwise.
  address(fileName: string): string | undefined;
  // Reads these pictures ahead of their first showing.
  readAhead(fileNames: readonly string[]): void;
  // From now on reads every twin wanted.
  sharpen(): void;
  setDensity(devicePixelsPerPixel: number): void;
}

function twinName(fileName: string): string {
  return fileName.replace(/\.bmp$/, '@2x.bmp');
}

// The file is checked whole and decoded at once; the decoded picture stays
// at hand for the boxes that show it by its address.
async function read(url: string): Promise<PictureSize> {
  const checked = fetch(url).then(async (response) => {
    const size = response.ok ? wholeBmpSize(new Uint8Array(await response.arrayBuffer())) : undefined;
    if (!size) throw new Error(url);
    return size;
  });
  const picture = new Image();
  picture.src = url;
  const [size] = await Promise.all([checked, picture.decode()]);
  return size;
}

// `onSharper` hears of each twin read, to draw it in its plain picture's place.
export function createPictureStore(assetsUrl: string, onSharper: () => void): PictureStore {
  let twice = false;
  let sharpening = false;
  const reads = new Map<string, Promise<void>>();
  // The plain pictures read, with their sizes.
  const readable = new Map<string, PictureSize>();
  const twinReads = new Set<string>();
  const sharpTwins = new Set<string>();

  const readTwin = (plain: PictureSize, fileName: string) => {
    if (!twice || !sharpening || twinReads.has(fileName)) return;
    twinReads.add(fileName);
    read(assetsUrl + twinName(fileName)).then((twin) => {
      if (twin.width !== 2 * plain.width || twin.height !== 2 * plain.height) return;
      sharpTwins.add(fileName);
      onSharper();
    }, () => undefined);
  };

  const load = (fileName: string) => {
    let reading = reads.get(fileName);
    if (!reading) {
      reading = read(assetsUrl + fileName).then((size) => {
        readable.set(fileName, size);
        readTwin(size, fileName);
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
      for (const fileName of fileNames) load(fileName).catch(() => undefined);
    },
    sharpen() {
      sharpening = true;
      readable.forEach(readTwin);
    },
    setDensity(devicePixelsPerPixel) {
      twice = devicePixelsPerPixel > 1;
      readable.forEach(readTwin);
    },
  };
}
