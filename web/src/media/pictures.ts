// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the drill shows, read by their desktop file names. Where the
// screen has more than one device pixel to a desktop pixel, a picture's
// twin drawn at double resolution ("n3@2x.bmp") is shown at the plain
// picture's size, or the plain picture where the twin cannot be read. A
// picture is read once; every later showing of it is at once.

import { bmpIsWhole } from './bmpFile';

export interface PictureStore {
  // Resolves to the address to show, or rejects with the file's name when
  // the picture cannot be read or decoded.
  load(fileName: string): Promise<string>;
  // The address of a picture already read, if it has been.
  loaded(fileName: string): string | undefined;
  // Reads the pictures ahead of their first showing.
  prefetch(fileNames: readonly string[]): void;
  setDensity(devicePixelsPerPixel: number): void;
}

function twinName(fileName: string): string {
  return fileName.replace(/\.bmp$/, '@2x.bmp');
}

// The file is checked whole and decoded at once; the decoded picture stays
// at hand for the boxes that show it by its address.
async function read(url: string): Promise<string> {
  const checked = fetch(url).then(async (response) => {
    if (!response.ok || !bmpIsWhole(new Uint8Array(await response.arrayBuffer()))) throw new Error(url);
  });
  const picture = new Image();
  picture.src = url;
  await Promise.all([checked, picture.decode()]);
  return url;
}

export function createPictureStore(assetsUrl: string): PictureStore {
  let twice = false;
  const reads = new Map<string, Promise<string>>();
  const done = new Map<string, string>();
  const key = (fileName: string) => `${twice ? '2' : '1'}:${fileName}`;

  const load = (fileName: string) => {
    const wanted = key(fileName);
    let reading = reads.get(wanted);
    if (!reading) {
      const plain = () => read(`${assetsUrl}${fileName}`);
      reading = (twice ? read(`${assetsUrl}${twinName(fileName)}`).catch(plain) : plain())
        .then((url) => {
          done.set(wanted, url);
          return url;
        })
        .catch(() => {
          // A picture that could not be read is tried again next time.
          reads.delete(wanted);
          return Promise.reject(new Error(fileName));
        });
      reads.set(wanted, reading);
    }
    return reading;
  };

  return {
    load,
    loaded: (fileName) => done.get(key(fileName)),
    prefetch(fileNames) {
      for (const fileName of fileNames) load(fileName).catch(() => undefined);
    },
    setDensity(devicePixelsPerPixel) {
      twice = devicePixelsPerPixel > 1;
    },
  };
}
