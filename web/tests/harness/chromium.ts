// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium through the DevTools protocol. Nothing is downloaded: the
// browser is the system's own.
import puppeteer, { type Browser, type CDPSession, type Page } from 'puppeteer-core';
import type { Button, PointerStep, Tab, Viewport } from './tab.js';
import { READY } from './tab.js';

export const CHROMIUM = '/usr/bin/chromium';

export async function launchChromium(): Promise<Browser> {
  return puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    // Root may run Chromium only without its sandbox; the fonts and colours
    // must not depend on the machine's GPU.
    args: ['--no-sandbox', '--disable-gpu', '--font-render-hinting=none', '--hide-scrollbars', '--mute-audio'],
  });
}

export class ChromiumTab implements Tab {
  readonly engine = 'chromium';
  private pressed: Button | null = null;

  private constructor(readonly page: Page, readonly devtools: CDPSession) {}

  static async open(browser: Browser): Promise<ChromiumTab> {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    return new ChromiumTab(page, await page.createCDPSession());
  }

  async open(url: string, viewport: Viewport): Promise<void> {
    await this.page.setViewport({ ...viewport, deviceScaleFactor: 1, hasTouch: true });
    await this.page.goto(url);
    await this.page.evaluate(READY);
  }

  evaluate<T>(expression: string): Promise<T> {
    return this.page.evaluate(expression) as Promise<T>;
  }

  async point(steps: readonly PointerStep[]): Promise<void> {
    for (const step of steps) {
      if (step.device === 'mouse') await this.mouse(step);
      else await this.touch(step);
    }
  }

  private async mouse({ action, x, y, button = 'left', clicks = 1 }: PointerStep): Promise<void> {
    if (action === 'move') {
      await this.page.mouse.move(x, y);
      return;
    }
    await this.page.mouse.move(x, y);
    if (action === 'down') {
      this.pressed = button;
      await this.page.mouse.down({ button, clickCount: clicks });
    } else {
      await this.page.mouse.up({ button: this.pressed ?? button, clickCount: clicks });
      this.pressed = null;
    }
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

  async close(): Promise<void> {
    await this.page.browserContext().close();
  }
}
