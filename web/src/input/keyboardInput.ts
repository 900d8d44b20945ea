// SPDX-License-Identifier: GPL-3.0-or-later
// A hardware keyboard types into the focused cell: a digit goes in,
// Backspace and Delete erase it. The core tells a digit from any other key;
// a key held with Ctrl, Alt or the system key is a shortcut, never a digit.
// Tab and the arrow keys keep their ordinary work.
import type { DrillDriver } from '../core/drillDriver';
import { isCell, targetOf } from './targets';

const erasingKeys = new Set(['Backspace', 'Delete']);

export function routeKeyboard(stage: HTMLElement, driver: DrillDriver): void {
  stage.addEventListener('keydown', (event) => {
    const target = targetOf(event.target as Element);
    if (!isCell(target) || event.isComposing) return;
    const kind = driver.target(target).kind;
    if (erasingKeys.has(event.key)) {
      event.preventDefault();
      driver.send((session) => session.eraseCell(kind, target.column));
      return;
    }
    if (event.ctrlKey || event.altKey || event.metaKey || [...event.key].length !== 1) return;
    event.preventDefault();
    driver.send((session) => session.typeKey(kind, target.column, event.key));
  });
}
