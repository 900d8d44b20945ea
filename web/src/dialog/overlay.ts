// SPDX-License-Identifier: GPL-3.0-or-later
// A window of the desktop drawn as a panel over the stage: a caption bar
// with a close button, and a client area. Closing only hides it.
import type { Rect } from '../layout/Controls';

export interface Overlay {
  root: HTMLElement;
  client: HTMLElement;
  titleBar: HTMLElement;
  readonly shown: boolean;
  show(): void;
  hide(): void;
}

export const captionBarHeight = 22;

// `place` is the client area's rectangle on the stage; the caption bar
// stands above it. `onClose` runs when the close button is pressed.
export function createOverlay(stage: HTMLElement, id: string, title: string, place: Rect,
  onClose: () => void, modal = false): Overlay {
  const veil = modal ? document.createElement('div') : undefined;
  if (veil) {
    veil.className = 'veil hidden';
    stage.append(veil);
  }
  const root = document.createElement('div');
  root.id = id;
  root.className = 'overlay hidden';
  root.setAttribute('role', modal ? 'alertdialog' : 'dialog');
  root.style.left = `${place.left}px`;
  root.style.top = `${place.top - captionBarHeight}px`;
  root.style.width = `${place.width}px`;
  root.style.height = `${place.height + captionBarHeight}px`;
  const titleBar = document.createElement('div');
  titleBar.className = 'titleBar';
  const caption = document.createElement('span');
  caption.textContent = title;
  caption.id = `${id}-title`;
  root.setAttribute('aria-labelledby', caption.id);
  const close = document.createElement('button');
  close.type = 'button';
  close.className = 'close button';
  close.textContent = '×';
  close.setAttribute('aria-label', 'とじる');
  close.addEventListener('click', onClose);
  titleBar.append(caption, close);
  const client = document.createElement('div');
  client.className = 'client';
  root.append(titleBar, client);
  stage.append(root);
  let shown = false;
  return {
    root,
    client,
    titleBar,
    get shown() {
      return shown;
    },
    show() {
      shown = true;
      veil?.classList.remove('hidden');
      root.classList.remove('hidden');
    },
    hide() {
      shown = false;
      veil?.classList.add('hidden');
      root.classList.add('hidden');
    },
  };
}
