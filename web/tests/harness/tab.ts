// SPDX-License-Identifier: GPL-3.0-or-later
// One page of one browser engine, driven the way a child's hand drives it:
// pointer steps at places in the viewport, keys, and what the page shows read
// back through script. Chromium and WebKit each implement it.
export type Engine = 'chromium' | 'webkit';
export type Button = 'left' | 'middle' | 'right';

export interface PointerStep {
  device: 'mouse' | 'touch';
  /** A touch alone may be cancelled, as the browser does when the system takes the finger. */
  action: 'down' | 'move' | 'up' | 'cancel';
  x: number;
  y: number;
  button?: Button;
  /** The press's place in a run of quick clicks: 2 for a double click's second. */
  clicks?: number;
}

export interface Viewport {
  width: number;
  height: number;
}

export interface Tab {
  /** Resizes the viewport, loads the address and waits for the first drawn view. */
  open(url: string, viewport: Viewport): Promise<void>;
  /** Evaluates a script expression in the page; a promise is awaited. */
  evaluate<T>(expression: string): Promise<T>;
  /** Plays the steps in order, as one gesture. */
  point(steps: readonly PointerStep[]): Promise<void>;
  /** Presses and releases one key, named as KeyboardEvent.key names it. */
  key(name: string): Promise<void>;
  /** The viewport as a PNG. */
  screenshot(): Promise<Buffer>;
  /** Closes the page and the browser. */
  close(): Promise<void>;
}

/** A page script that waits until the expression holds, and answers with its value; a promise is awaited. */
export const until = (expression: string) => `new Promise((met) => {
  const check = () => { const value = (${expression}); value ? met(value) : setTimeout(check, 50); };
  check();
})`;

/** The first drawn view: the page's module names its promise a moment after the load event. */
export const READY = until('window.porominkaReady?.then(() => true)');
