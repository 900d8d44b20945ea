// SPDX-License-Identifier: GPL-3.0-or-later
// WebKit, the engine of the iPad's Safari: the MiniBrowser of Debian's
// WebKitGTK, driven by WebKitWebDriver on a private X display. The WebDriver
// client is the few commands the tests need, sent with fetch.
import { spawn, type ChildProcess } from 'node:child_process';
import { createServer } from 'node:net';
import { setTimeout as sleep } from 'node:timers/promises';
import type { Button, PointerStep, Tab, Viewport } from './tab.js';
import { READY } from './tab.js';

const MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// WebDriver's numbering of the mouse buttons and its codes of named keys.
const buttons: Record<Button, number> = { left: 0, middle: 1, right: 2 };
const keys: Record<string, string> = { Backspace: '\uE003', Delete: '\uE017', Enter: '\uE007' };
// GTK's default, with a margin.
const DOUBLE_CLICK_TIME = 600;
const same = (a: Viewport, b: Viewport) => a.width === b.width && a.height === b.height;

async function freePort(): Promise<number> {
  const server = createServer();
  await new Promise<void>((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address() as { port: number };
  await new Promise((resolve) => server.close(resolve));
  return port;
}

// Starts an X server on the first free display and answers with its name.
function startDisplay(): Promise<{ process: ChildProcess; display: string }> {
  const child = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1600x1200x24', '-nolisten', 'tcp'], {
    stdio: ['ignore', 'ignore', 'ignore', 'pipe'],
  });
  return new Promise((resolve, reject) => {
    child.once('error', reject);
    child.once('exit', (code) => reject(new Error(`Xvfb exited with ${code}`)));
    child.stdio[3]!.once('data', (data: Buffer) =>
      resolve({ process: child, display: ':' + data.toString().trim() }));
  });
}

// Stops the servers in turn, each gone before the next is asked.
async function stop(servers: ChildProcess[]): Promise<void> {
  for (const server of servers) {
    if (server.exitCode !== null || server.signalCode !== null) continue;
    const gone = new Promise((resolve) => server.once('exit', resolve));
    server.kill();
    await gone;
  }
}

async function command<T>(url: string, method: string, body?: unknown): Promise<T> {
  const response = await fetch(url, {
    method,
    signal: AbortSignal.timeout(60_000),
    headers: { 'content-type': 'application/json' },
    body: body === undefined ? undefined : JSON.stringify(body),
  });
  const answer = (await response.json()) as { value: T & { error?: string; message?: string } };
  if (!response.ok) throw new Error(`WebDriver ${method} ${url}: ${answer.value.error}: ${answer.value.message}`);
  return answer.value;
}

/** A MiniBrowser window with the X server and WebDriver server behind it, all stopped together. */
export class WebKitTab implements Tab {
  private lastPress = 0;

  private constructor(private readonly session: string, private readonly servers: ChildProcess[]) {}

  static async launch(): Promise<WebKitTab> {
    const { process: display, display: name } = await startDisplay();
    const port = await freePort();
    const driver = spawn('/usr/bin/WebKitWebDriver', [`--port=${port}`], {
      env: { ...process.env, DISPLAY: name },
      stdio: 'ignore',
    });
    const endpoint = `http://127.0.0.1:${port}`;
    for (let attempt = 0; !(await fetch(`${endpoint}/status`).then((r) => r.ok, () => false)); ++attempt) {
      if (attempt === 100) {
        await stop([driver, display]);
        throw new Error('WebKitWebDriver did not start');
      }
      await sleep(100);
    }
    const created = await command<{ sessionId: string }>(`${endpoint}/session`, 'POST', {
      capabilities: {
        alwaysMatch: {
          browserName: 'MiniBrowser',
          'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
        },
      },
    });
    return new WebKitTab(`${endpoint}/session/${created.sessionId}`, [driver, display]);
  }

  private send<T>(path: string, method: 'GET' | 'POST' | 'DELETE', body?: unknown): Promise<T> {
    return command<T>(this.session + path, method, body);
  }

  // One input source's actions, played at once.
  private act(source: object): Promise<unknown> {
    return this.send('/actions', 'POST', { actions: [source] });
  }

  async open(url: string, viewport: Viewport): Promise<void> {
    // The window rectangle counts the browser's own frame and bars: the
    // window is grown by what the page lacks until the page has its size.
    // The window follows a moment later, so each step waits for the page to
    // see the change before it measures again; nothing is loaded before.
    for (let attempt = 0; ; ++attempt) {
      const inner = await this.viewport();
      if (same(inner, viewport)) break;
      if (attempt === 10) throw new Error(`the viewport stays ${inner.width}×${inner.height}`);
      const outer = await this.send<Viewport>('/window/rect', 'GET');
      await this.send('/window/rect', 'POST', {
        width: outer.width + viewport.width - inner.width,
        height: outer.height + viewport.height - inner.height,
      });
      for (let wait = 0; wait < 20 && same(await this.viewport(), inner); ++wait) await sleep(50);
    }
    await this.send('/url', 'POST', { url });
    await this.evaluate(READY);
  }

  private viewport(): Promise<Viewport> {
    return this.evaluate<Viewport>('({ width: innerWidth, height: innerHeight })');
  }

  evaluate<T>(expression: string): Promise<T> {
    return this.send<T>('/execute/sync', 'POST', { script: `return (${expression});`, args: [] });
  }

  async point(steps: readonly PointerStep[]): Promise<void> {
    for (const { device, action, x, y, button = 'left', clicks = 1 } of steps) {
      // WebDriver cannot number a click: the browser counts presses that
      // follow quickly as one double click, so a single click waits until
      // the last press is past the double-click time.
      if (action === 'down' && clicks === 1) await sleep(Math.max(0, this.lastPress + DOUBLE_CLICK_TIME - Date.now()));
      const move = { type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport', duration: 0 };
      const press = { type: action === 'down' ? 'pointerDown' : 'pointerUp', button: buttons[button] };
      // One source per action keeps their order; each is sent on its own.
      for (const one of action === 'move' ? [move] : [move, press])
        await this.act({ type: 'pointer', id: device, parameters: { pointerType: device }, actions: [one] });
      if (action === 'down') this.lastPress = Date.now();
    }
  }

  async key(name: string): Promise<void> {
    const value = keys[name] ?? name;
    await this.act({ type: 'key', id: 'keyboard', actions: [{ type: 'keyDown', value }, { type: 'keyUp', value }] });
  }

  async screenshot(): Promise<Buffer> {
    return Buffer.from(await this.send<string>('/screenshot', 'GET'), 'base64');
  }

  async close(): Promise<void> {
    try {
      await this.send('', 'DELETE');
    } finally {
      await stop(this.servers);
    }
  }
}
