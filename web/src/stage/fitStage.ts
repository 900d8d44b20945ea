// SPDX-License-Identifier: GPL-3.0-or-later
// The practice window follows every resize and rotation of the screen.
import { stageFit } from './stageFit';

// Keeps `stage` fitted to the window; `onScale` hears each new scale.
export function keepFitted(stage: HTMLElement, width: number, height: number, onScale: (scale: number) => void): void {
  const fit = () => {
    const { scale, left, top } = stageFit(document.documentElement.clientWidth,
      document.documentElement.clientHeight, width, height);
    stage.style.width = `${width}px`;
    stage.style.height = `${height}px`;
    stage.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    onScale(scale);
  };
  window.addEventListener('resize', fit);
  window.visualViewport?.addEventListener('resize', fit);
  screen.orientation?.addEventListener('change', fit);
  fit();
}
