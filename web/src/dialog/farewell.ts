// SPDX-License-Identifier: GPL-3.0-or-later
// "おしまい": the drill ends at once, keeping nothing. A page cannot always
// close its own tab, so where it stays open it says goodbye and offers to
// start again.
import { createOverlay } from './overlay';

export function createFarewell(stage: HTMLElement, stageWidth: number, stageHeight: number): () => void {
  const overlay = createOverlay(stage, 'Farewell', 'ぽろみんか',
    { left: 0, top: 22, width: stageWidth, height: stageHeight - 22 }, () => location.reload(), true);
  const words = document.createElement('div');
  words.textContent = 'おしまい。またね！';
  words.style.fontSize = '27px';
  const again = document.createElement('button');
  again.type = 'button';
  again.className = 'button';
  again.textContent = 'もういちど';
  again.addEventListener('click', () => location.reload());
  overlay.client.append(words, again);
  return () => {
    window.close();
    overlay.show();
    again.focus();
  };
}
