// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's error box, in the page: the program's title, one line of
// words and OK. While it is up the drill behind it waits, as on the desktop.
import { createOverlay } from './overlay';

export const applicationTitle = 'ぽろみんか';

export interface ErrorDialog {
  // Shows the message with the full stop the desktop's box adds; messages
  // that come while one is shown wait their turn.
  tell(message: string): void;
}

export function createErrorDialog(stage: HTMLElement, stageWidth: number, stageHeight: number): ErrorDialog {
  const width = 300;
  const height = 96;
  const waiting: string[] = [];
  const next = () => {
    overlay.hide();
    waiting.shift();
    if (waiting.length > 0) present();
  };
  const overlay = createOverlay(stage, 'ErrorDialog', applicationTitle,
    { left: (stageWidth - width) / 2, top: (stageHeight - height) / 2, width, height }, next, true);
  const text = document.createElement('div');
  text.id = 'ErrorDialog-message';
  const ok = document.createElement('button');
  ok.type = 'button';
  ok.className = 'button';
  ok.textContent = 'OK';
  ok.addEventListener('click', next);
  overlay.root.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') next();
  });
  overlay.client.append(text, ok);
  const present = () => {
    text.textContent = `${waiting[0]}。`;
    overlay.show();
    ok.focus();
  };
  return {
    tell(message) {
      waiting.push(message);
      if (waiting.length === 1) present();
    },
  };
}
