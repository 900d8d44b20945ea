// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's layout table, as the desktop program itself writes it, and
// the page's controls measured against it.
import { readFileSync } from 'node:fs';
import { ROOT } from './fixture.js';
import type { Tab } from './tab.js';

export interface Placed {
  /** left, top, width, height */
  rect: [number, number, number, number];
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

/**
 * The desktop's pixels to the page's, read off the window: its scale and
 * where its corner lies. Every other control is measured against it.
 */
export function placement(page: Record<string, Placed>): { scale: number; x: number; y: number } {
  const [left, top, width] = page.Form1.rect;
  return { scale: width / DESKTOP.Form1.rect[2], x: left, y: top };
}
