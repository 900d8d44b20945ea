// SPDX-License-Identifier: GPL-3.0-or-later
// The practice window fills as much of the screen as its proportions allow,
// centred, never scrolled or clipped; it follows every resize and rotation.

export interface StageFit {
  scale: number;
  left: number;
  top: number;
}

export function stageFit(viewWidth: number, viewHeight: number, stageWidth: number, stageHeight: number): StageFit {
  const scale = Math.min(viewWidth / stageWidth, viewHeight / stageHeight);
  return {
    scale,
    // Never a pixel past the edge, whatever the rounding of the scale.
    left: Math.max(0, Math.floor((viewWidth - stageWidth * scale) / 2)),
    top: Math.max(0, Math.floor((viewHeight - stageHeight * scale) / 2)),
  };
}

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
