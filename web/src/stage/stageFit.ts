// SPDX-License-Identifier: GPL-3.0-or-later
// The practice window fills as much of the screen as its proportions allow,
// centred, never scrolled or clipped.

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
