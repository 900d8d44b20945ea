// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the drill working with the network gone: the first visit stores
// every file of the site, and from then on the stored files are served.
// A new version of the site is stored beside the old one while the old one
// runs, and takes over once every page of the drill has been closed: an
// update takes effect at the next start, never in the middle of a drill.
/// <reference lib="webworker" />

// Filled in when the site is built: its files, and a digest of them all.
declare const SITE_FILES: readonly string[];
declare const SITE_VERSION: string;

const worker = self as unknown as ServiceWorkerGlobalScope;
const cachePrefix = 'porominka-';
const cacheName = cachePrefix + SITE_VERSION;

// A file missing from the server is left out rather than failing the rest:
// the drill tells of it when it is needed, as the desktop does.
async function storeSite(): Promise<void> {
  const cache = await caches.open(cacheName);
  await Promise.all(SITE_FILES.map((file) => cache.add(new Request(file, { cache: 'reload' })).catch(() => undefined)));
}

async function dropOldVersions(): Promise<void> {
  for (const name of await caches.keys())
    if (name.startsWith(cachePrefix) && name !== cacheName) await caches.delete(name);
}

async function answer(request: Request): Promise<Response> {
  const cache = await caches.open(cacheName);
  const stored = await cache.match(request, { ignoreSearch: true });
  return stored ?? fetch(request);
}

worker.addEventListener('install', (event) => event.waitUntil(storeSite()));
worker.addEventListener('activate', (event) => event.waitUntil(dropOldVersions()));
worker.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== worker.location.origin) return;
  event.respondWith(answer(event.request));
});
