// SPDX-License-Identifier: GPL-3.0-or-later
// Hands the site to its service worker once the drill is on the screen, so
// that storing the files never slows the first problem. Browsers allow a
// service worker only on https and on this machine's own addresses.
export function registerServiceWorker(): void {
  if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
  navigator.serviceWorker.register('sw.js', { scope: './' }).catch(() => undefined);
}
