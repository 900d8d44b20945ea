// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium through the DevTools protocol. Nothing is downloaded: the
// browser is the system's own.
import puppeteer, { type Browser, type CDPSession, type Page } from 'puppeteer-core';
import type { PointerStep, Tab, Viewport } from './tab.js';
import { READY } from './tab.js';

export function launchChromium(): Promise<Browser> {
  return puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    // Root may run Chromium only without its sandbox; the fonts and colours
    // must not depend on the machine's GPU.
    args: ['--no-sandbox', '--disable-gpu', '--font-render-hinting=none', '--hide-scrollbars', '--mute-audio'],
  });
}

export class ChromiumTab implements Tab {

  private constructor(readonly page: Page, private readonly devtools: CDPSession) {}

  static async launch(): Promise<ChromiumTab> {
    const page = await (await launchChromium()).newPage();
    return new ChromiumTab(page, await page.createCDPSession());
  }

  /** Gives the page a new size, as a resized window or a turned screen does. */
  resize(viewport: Viewport): Promise<void> {
    return this.page.setViewport({ ...viewport, deviceScaleFactor: 1, hasTouch: true });
  }

  async open(url: string, viewport: Viewport): Promise<void> {
    await this.resize(viewport);
    await this.page.goto(url);
    await this.page.evaluate(READY);
  }

  evaluate<T>(expression: string): Promise<T> {
    return this.page.evaluate(expression) as Promise<T>;
  }

  async point(steps: readonly PointerStep[]): Promise<void> {
    for (const step of steps) await (step.device === 'mouse' ? this.mouse(step) : this.touch(step));
  }

  private async mouse({ action, x, y, button = 'left', clicks = 1 }: PointerStep): Promise<void> {
    await this.page.mouse.move(x, y);
    if (action === 'down') await this.page.mouse.down({ button, clickCount: clicks });
    if (action === 'up') await this.page.mouse.up({ button, clickCount: clicks });
  }

  // Through DevTools' own touch input, so the page sees a real finger:
  // pointer events of type touch, then touch events.
  private async touch({ action, x, y }: PointerStep): Promise<void> {
    const type = { down: 'touchStart', move: 'touchMove', up: 'touchEnd', cancel: 'touchCancel' } as const;
    await this.devtools.send('Input.dispatchTouchEvent', {
      type: type[action],
      touchPoints: action === 'up' || action === 'cancel' ? [] : [{ x, y, id: 1 }],
    });
  }

  key(name: string): Promise<void> {
    return this.page.keyboard.press(name as Parameters<Page['keyboard']['press']>[0]);
  }

  async screenshot(): Promise<Buffer> {
    return Buffer.from(await this.page.screenshot({ type: 'png' }));
  }

  close(): Promise<void> {
    return this.page.browser().close();
  }
}
