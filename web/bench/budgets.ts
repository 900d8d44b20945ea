// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the page against its budgets; prints each figure beside its
// budget. A bench, not a test: it fails nothing, the reader judges.
import { readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import type { Browser, CDPSession, Page } from 'puppeteer-core';
import { launchChromium } from '../tests/harness/chromium.js';
import { SITE } from '../tests/harness/fixture.js';
import { serveSite, type Site } from '../tests/harness/site.js';

const ADDRESS = '/?seed=5&mute=1';
// 1.6 Mbps down, 750 kbps up, 150 ms round trip; a CPU four times slower.
const SLOW_NETWORK = { offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 };
const SLOW_CPU = 4;
const GESTURES = 500;

const kb = (bytes: number) => `${(bytes / 1024).toFixed(1)} KB`;
const percentile = (values: number[], share: number) =>
  [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(share * values.length))];

async function freshPage(browser: Browser): Promise<{ page: Page; devtools: CDPSession }> {
  const page = await (await browser.createBrowserContext()).newPage();
  await page.setViewport({ width: 1024, height: 768 });
  return { page, devtools: await page.createCDPSession() };
}

// Everything the first visit asked for, the service worker's caching
// included, each file gzipped as a static host would send it.
async function firstVisit(browser: Browser, site: Site): Promise<void> {
  const { page } = await freshPage(browser);
  site.requests.length = 0;
  await page.goto(site.origin + ADDRESS);
  await page.evaluate('window.porominkaReady.then(() => navigator.serviceWorker.ready).then(() => true)');
  await new Promise((resolve) => setTimeout(resolve, 1000));
  const files = [...new Set(site.requests.map((path) => new URL(path, site.origin).pathname))]
    .map((path) => (path.endsWith('/') ? path + 'index.html' : path));
  const sizes = files.map((path) => ({ path, bytes: gzipSync(readFileSync(SITE + path), { level: 9 }).length }));
  const total = sizes.reduce((sum, file) => sum + file.bytes, 0);
  const code = sizes.filter((file) => /\.(wasm|m?js)$/.test(file.path)).reduce((sum, file) => sum + file.bytes, 0);
  console.log(`first visit, gzip:        ${kb(total)} in ${files.length} files   (budget 500 KB)`);
  console.log(`  of which wasm + JS:     ${kb(code)}   (budget 100 KB)`);
  for (const file of sizes.sort((a, b) => b.bytes - a.bytes).slice(0, 8)) console.log(`    ${kb(file.bytes).padStart(9)}  ${file.path}`);
  await page.browserContext().close();
}

// From navigation start to the first drawn view, on a cold cache, with the
// slow device and network emulated, then each alone to show which costs.
async function timeToDrawable(browser: Browser, site: Site, runs: number): Promise<void> {
  const conditions = [
    { name: `CPU ÷${SLOW_CPU}, 1.6 Mbps/150 ms`, network: true, cpu: true },
    { name: '1.6 Mbps/150 ms alone', network: true, cpu: false },
    { name: `CPU ÷${SLOW_CPU} alone`, network: false, cpu: true },
  ];
  for (const { name, network, cpu } of conditions) {
    const times: number[] = [];
    for (let run = 0; run < runs; ++run) {
      const { page, devtools } = await freshPage(browser);
      await devtools.send('Network.enable');
      if (network) await devtools.send('Network.emulateNetworkConditions', SLOW_NETWORK);
      if (cpu) await devtools.send('Emulation.setCPUThrottlingRate', { rate: SLOW_CPU });
      await page.goto(site.origin + ADDRESS, { waitUntil: 'domcontentloaded' });
      times.push(await page.evaluate('window.porominkaReady.then(() => performance.now())') as number);
      await page.browserContext().close();
    }
    console.log(`navigation → drawable:    median ${percentile(times, 0.5).toFixed(0)} ms, worst ${Math.max(...times).toFixed(0)} ms of ${runs} cold loads, ${name}   (budget 1000 ms with both)`);
  }
}

// Gestures a child makes, in turn: script time of each from DevTools'
// counters, then the heap after a collection.
async function gestures(browser: Browser, site: Site): Promise<void> {
  const { page, devtools } = await freshPage(browser);
  await page.goto(site.origin + ADDRESS);
  await page.evaluate('window.porominkaReady.then(() => true)');
  const centres = await page.evaluate(`Object.fromEntries(
    ['SpeedButton1', 'Button14', 'Button3', 'Button11', 'Edit12', 'Edit11', 'Edit16', 'Image2', 'Panel1']
      .map((id) => { const b = document.getElementById(id).getBoundingClientRect();
                     return [id, { x: b.left + b.width / 2, y: b.top + Math.min(b.height / 2, 10) }]; }))`) as
    Record<string, { x: number; y: number }>;
  const script = ['SpeedButton1', 'Button3', 'Edit12', 'Edit11', 'Button11', 'Image2', 'Button3', 'Edit16', 'Edit12',
    'Panel1', 'SpeedButton1', 'Edit11', 'SpeedButton1', 'Button14', 'SpeedButton1'];
  await devtools.send('Performance.enable');
  const scriptTime = async () => {
    const { metrics } = await devtools.send('Performance.getMetrics');
    return 1000 * metrics.find((metric) => metric.name === 'ScriptDuration')!.value;
  };
  const times: number[] = [];
  for (let gesture = 0; gesture < GESTURES; ++gesture) {
    const { x, y } = centres[script[gesture % script.length]];
    const before = await scriptTime();
    await page.mouse.click(x, y);
    times.push((await scriptTime()) - before);
  }
  await devtools.send('HeapProfiler.collectGarbage');
  const heap = await page.evaluate('performance.memory ? performance.memory.usedJSHeapSize : 0') as number;
  const { metrics } = await devtools.send('Performance.getMetrics');
  const used = metrics.find((metric) => metric.name === 'JSHeapUsedSize')!.value;
  console.log(`script time per gesture:  p95 ${percentile(times, 0.95).toFixed(2)} ms, worst ${Math.max(...times).toFixed(2)} ms over ${GESTURES} clicks, CPU unthrottled   (budget 4 ms)`);
  console.log(`JS heap after ${GESTURES}:       ${(used / 2 ** 20).toFixed(1)} MB used (performance.memory ${(heap / 2 ** 20).toFixed(1)} MB)   (budget 20 MB)`);
  await page.browserContext().close();
}

const site = await serveSite(SITE);
const browser = await launchChromium();
try {
  console.log(`Chromium: ${await browser.version()}`);
  await firstVisit(browser, site);
  await timeToDrawable(browser, site, 5);
  await gestures(browser, site);
} finally {
  await browser.close();
  await site.close();
}
