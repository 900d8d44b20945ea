// SPDX-License-Identifier: GPL-3.0-or-later
// The help window in the page: the help file, read afresh at each opening
// and shown at its contents page. Nothing in the drill waits for it.
import { createOverlay } from '../dialog/overlay';
import { buildHelpPage, helpText, largestHelpFile } from './helpMarkup';

export const helpFileName = 'zumirano.hlp';

export interface HelpViewer {
  openContents(): Promise<void>;
  // A setting of the page's own shown in the viewer's caption bar.
  addSetting(setting: HTMLElement): void;
}

async function readHelpFile(url: string): Promise<Uint8Array | undefined> {
  try {
    const response = await fetch(url, { cache: 'no-cache' });
    if (!response.ok) return undefined;
    const bytes = new Uint8Array(await response.arrayBuffer());
    return bytes.length > largestHelpFile ? undefined : bytes;
  } catch {
    return undefined;
  }
}

function say(into: HTMLElement, words: string): void {
  const line = document.createElement('p');
  line.textContent = words;
  into.replaceChildren(line);
}

export function createHelpViewer(stage: HTMLElement, assetsUrl: string): HelpViewer {
  const overlay = createOverlay(stage, 'HelpViewer', 'ヘルプ', { left: 40, top: 28, width: 561, height: 310 },
    () => overlay.hide());
  const settings = document.createElement('div');
  settings.className = 'settings';
  overlay.titleBar.append(settings);
  // Links are followed by hand, and only to a place on the same page.
  overlay.client.addEventListener('click', (event) => {
    const link = (event.target as Element).closest<HTMLElement>('[data-jump]');
    if (!link) return;
    event.preventDefault();
    const name = link.dataset.jump;
    const place = [...overlay.client.querySelectorAll<HTMLElement>('[data-place]')]
      .find((candidate) => candidate.dataset.place === name);
    place?.scrollIntoView({ block: 'start' });
  });
  return {
    async openContents() {
      const bytes = await readHelpFile(`${assetsUrl}${helpFileName}`);
      const page = overlay.client;
      page.replaceChildren();
      page.removeAttribute('style');
      if (!bytes) {
        say(page, `ヘルプファイル ${helpFileName} がみつかりません。`);
      } else {
        // A page outside the help's markup is told of instead.
        const text = helpText(bytes);
        if (text === undefined || !buildHelpPage(text, page)) {
          page.removeAttribute('style');
          say(page, `ヘルプファイル ${helpFileName} は よめません。`);
        }
      }
      overlay.show();
      page.scrollTop = 0;
    },
    addSetting(setting) {
      settings.append(setting);
    },
  };
}
