// SPDX-License-Identifier: GPL-3.0-or-later
// A child's gestures on the page, written as on the desktop: a verb and the
// controls it acts on, by their names, "click Button3, click Edit12".
import { measure, placement } from './layout.js';
import type { Button, PointerStep, Tab } from './tab.js';
import { until } from './tab.js';

// Spots of bare background, in the desktop window's pixels: where a carried
// symbol is let go (the window, the problem and keypad panels) or kept (the
// counter and settings panels).
const bare: Record<string, [number, number]> = {
  Form1: [200, 290],
  Panel1: [300, 28],
  Panel2: [439, 309],
  Panel3: [183, 128],
  Panel4: [10, 146],
};

export type Point = { x: number; y: number };

export async function spot(tab: Tab, name: string): Promise<Point> {
  if (name in bare) {
    const { scale, x, y } = placement(await measure(tab));
    return { x: x + scale * bare[name][0], y: y + scale * bare[name][1] };
  }
  const [id, item] = name.split('.');
  const centre = await tab.evaluate<Point | null>(`(() => {
    const control = document.getElementById(${JSON.stringify(id)});
    const target = ${item === undefined} ? control : control?.querySelector('[data-index="${item}"]');
    if (!target) return null;
    const box = target.getBoundingClientRect();
    return { x: box.left + box.width / 2, y: box.top + box.height / 2 };
  })()`);
  if (!centre) throw new Error(`the page has no ${name}`);
  return centre;
}

const at = (device: PointerStep['device'], action: PointerStep['action'], { x, y }: Point, button?: Button,
  clicks?: number) => ({ device, action, x, y, button, clicks });

const clickOf = (point: Point, button: Button, clicks = 1): PointerStep[] =>
  [at('mouse', 'move', point), at('mouse', 'down', point, button, clicks), at('mouse', 'up', point, button, clicks)];

// Each verb's pointer steps at the spots of the controls named after it.
const verbs: Record<string, (points: Point[]) => PointerStep[]> = {
  click: ([point]) => clickOf(point, 'left'),
  right: ([point]) => clickOf(point, 'right'),
  middle: ([point]) => clickOf(point, 'middle'),
  double: ([point]) => [...clickOf(point, 'left'), ...clickOf(point, 'left', 2).slice(1)],
  move: ([point]) => [at('mouse', 'move', point)],
  // Pressed on the first, held over the others and let go over the last;
  // the mouse then moves on a little, as it does.
  drag: (points) => [
    at('mouse', 'move', points[0]),
    at('mouse', 'down', points[0], 'left'),
    ...points.map((point) => at('mouse', 'move', point)),
    at('mouse', 'up', points.at(-1)!, 'left'),
    at('mouse', 'move', { x: points.at(-1)!.x + 1, y: points.at(-1)!.y }),
  ],
  tap: ([point]) => [at('touch', 'down', point), at('touch', 'up', point)],
  swipe: ([from, to]) => [at('touch', 'down', from), at('touch', 'move', to), at('touch', 'up', to)],
  // Put down, then taken away by the browser.
  cancel: ([point]) => [at('touch', 'down', point), at('touch', 'cancel', point)],
};

/**
 * Waits until the page has drawn what the last gesture asked for: the page
 * reads pictures before it draws a view, so a view lands a moment after the
 * gesture. Quiet means no gesture still being handled (the stage is not
 * busy), no change to the page for a while, every picture on it decoded, and
 * two frames painted since.
 */
export function settle(tab: Tab): Promise<unknown> {
  return tab.evaluate(`new Promise((settled) => {
    let quiet;
    const wait = () => { clearTimeout(quiet); quiet = setTimeout(check, 150); };
    const painted = () => requestAnimationFrame(() => requestAnimationFrame(() => settled(true)));
    const drawn = () => !document.querySelector('[aria-busy]') && [...document.images].every((image) => image.complete);
    const check = () => drawn() ? (observer.disconnect(), painted()) : wait();
    const observer = new MutationObserver(wait);
    observer.observe(document.body, { subtree: true, childList: true, attributes: true, characterData: true });
    wait();
  })`);
}

/**
 * Waits until every bitmap on show is its sharp twin, as on a screen with more
 * than one device pixel to a desktop pixel once the drill is under way; the
 * twins are read in the background, so a view lands first with the plain ones.
 */
export async function sharpened(tab: Tab): Promise<void> {
  await tab.evaluate(until(`[...document.querySelectorAll('#Form1 img')].every((image) =>
    getComputedStyle(image).visibility !== 'visible' || !/[^x]\\.bmp$/.test(image.src))`));
  await settle(tab);
}

/** Plays gestures separated by commas; `key K` types a key into whatever has the focus. */
export async function play(tab: Tab, gestures: string): Promise<void> {
  for (const gesture of gestures.split(',').map((words) => words.trim().split(/\s+/))) {
    let [verb, ...names] = gesture;
    if (verb === 'key') {
      await tab.key(names[0]);
      continue;
    }
    // A setting is an item of its radio group clicked: "set RadioGroup1 4".
    if (verb === 'set') [verb, names] = ['click', [`${names[0]}.${names[1]}`]];
    const steps = verbs[verb];
    if (!steps) throw new Error(`no gesture ${verb}`);
    const points = [];
    for (const name of names) points.push(await spot(tab, name));
    await tab.point(steps(points));
  }
  await settle(tab);
}

/** The texts the named controls show, as a reader sees them. */
export function shows(tab: Tab, ids: readonly string[]): Promise<string[]> {
  return tab.evaluate(`${JSON.stringify(ids)}.map((id) => document.getElementById(id)?.innerText.trim() ?? '(none)')`);
}

/** The picture each named box shows, its file name without ".bmp", or "·" while hidden. */
export function pictures(tab: Tab, ids: readonly string[]): Promise<string[]> {
  return tab.evaluate(`${JSON.stringify(ids)}.map((id) => {
    const box = document.getElementById(id);
    if (!box || getComputedStyle(box).visibility !== 'visible') return '·';
    return (box.getAttribute('src') ?? '').replace(/^.*\\//, '').replace(/(@2x)?\\.\\w+$/, '');
  })`);
}
