// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's layout table, as the desktop program itself writes it, and
// the page's controls measured against it.
import { readFileSync } from 'node:fs';
import { ROOT } from './fixture.js';
import type { Tab } from './tab.js';

/** left, top, width, height */
export type Rect = [number, number, number, number];
export interface Placed {
  rect: Rect;
  shown: boolean;
}

export const DESKTOP: Record<string, Placed> = JSON.parse(
  readFileSync(ROOT + 'tests/golden/practice_layout.json', 'utf8'),
);

/** Every control of the table as the page has placed it, in viewport pixels. */
export function measure(tab: Tab): Promise<Record<string, Placed>> {
  return tab.evaluate(`Object.fromEntries(${JSON.stringify(Object.keys(DESKTOP))}.flatMap((id) => {
    const element = document.getElementById(id);
    if (!element) return [];
    const box = element.getBoundingClientRect();
    const shown = box.width > 0 && getComputedStyle(element).visibility === 'visible';
    return [[id, { rect: [box.left, box.top, box.width, box.height], shown }]];
  }))`);
}

/** One scale for both axes and an offset: the desktop's pixels to the page's. */
export interface Fit {
  scale: number;
  x: number;
  y: number;
}

// The least-squares fit of the edges of the window and every shown control,
// with one scale, so that a stretched or shifted control shows as a residue.
export function fit(page: Record<string, Placed>): Fit {
  const pairs: { desktop: number; page: number; axis: 0 | 1 }[] = [];
  for (const [id, placed] of Object.entries(page)) {
    if (!placed.shown) continue;
    const [dl, dt, dw, dh] = DESKTOP[id].rect;
    const [pl, pt, pw, ph] = placed.rect;
    pairs.push({ desktop: dl, page: pl, axis: 0 }, { desktop: dl + dw, page: pl + pw, axis: 0 });
    pairs.push({ desktop: dt, page: pt, axis: 1 }, { desktop: dt + dh, page: pt + ph, axis: 1 });
  }
  const mean = (axis: 0 | 1, key: 'desktop' | 'page') => {
    const on = pairs.filter((pair) => pair.axis === axis);
    return on.reduce((sum, pair) => sum + pair[key], 0) / on.length;
  };
  const centre = [0, 1].map((axis) => ({ desktop: mean(axis as 0 | 1, 'desktop'), page: mean(axis as 0 | 1, 'page') }));
  let product = 0;
  let square = 0;
  for (const { desktop, page: at, axis } of pairs) {
    product += (desktop - centre[axis].desktop) * (at - centre[axis].page);
    square += (desktop - centre[axis].desktop) ** 2;
  }
  const scale = product / square;
  return { scale, x: centre[0].page - scale * centre[0].desktop, y: centre[1].page - scale * centre[1].desktop };
}

/** A desktop point of the window's client area, in the page's pixels. */
export function toPage({ scale, x, y }: Fit, [left, top]: [number, number]): { x: number; y: number } {
  return { x: x + scale * left, y: y + scale * top };
}
