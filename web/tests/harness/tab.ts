// SPDX-License-Identifier: GPL-3.0-or-later
// One page of one browser engine, driven the way a child's hand drives it:
// pointer steps at places in the viewport, keys, and what the page shows read
// back through script. Chromium and WebKit each implement it.
export type Engine = 'chromium' | 'webkit';
export type Device = 'mouse' | 'touch';
export type Button = 'left' | 'middle' | 'right';

export interface PointerStep {
  device: Device;
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
  readonly engine: Engine;
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
  close(): Promise<void>;
}

/**
 * Resolves once the page has drawn its first view. The page's module may
 * name its promise a moment after the load event, so it is waited for.
 */
export const READY = `new Promise((named) => {
  const wait = () => (window.porominkaReady ? named(window.porominkaReady.then(() => true)) : setTimeout(wait, 20));
  wait();
})`;
