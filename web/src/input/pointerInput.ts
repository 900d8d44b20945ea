// SPDX-License-Identifier: GPL-3.0-or-later
// Turns Pointer Events into the session's gestures, the way the desktop's
// controls turn mouse and touch events into them.
//
// A mouse: a press on a key picks its symbol up, and the key holds the
// pointer until the button is let go, so nothing on the way sees it; the
// next move over a cell places the symbol. Every press on a cell steps it,
// the second of a double click too. A left press and release on an upper
// digit is a click; a double click counts once.
//
// A finger or a pen leaves no pointer hovering: its moves are no gestures.
// A press on a key picks the symbol up and the lift hands it over where the
// finger leaves the screen, a cancelled touch nowhere; a touch on a cell is
// a tap, and so is a lift on the upper digit it touched.
import type { DrillDriver } from '../core/drillDriver';
import type { Target } from '../core/DrillCore';
import { isCell, keySymbol, targetAt, targetOf } from './targets';

const leftButton = 0;

export function routePointer(stage: HTMLElement, driver: DrillDriver): void {
  // The upper digit a left press or a touch began on, waiting for its lift.
  let pressedDigit: { pointerId: number; element: Element; target: Target } | undefined;
  // A finger that picked a symbol up, to hand it over where it lifts.
  let carryingFinger: number | undefined;

  const enters = (target: Target | undefined) => {
    if (target) driver.send((session) => session.pointerEnters(driver.target(target).kind, target.column));
  };

  stage.addEventListener('pointerdown', (event) => {
    const pressed = event.target as Element;
    const target = targetOf(pressed);
    if (!target) return;
    const mouse = event.pointerType === 'mouse';
    // The control pressed keeps the pointer until it is let go, as a
    // toolkit's control does with the mouse and a touch screen with a finger.
    if (pressed !== stage && pressed.id) pressed.setPointerCapture?.(event.pointerId);
    const symbol = keySymbol(pressed);
    if (symbol !== undefined) {
      driver.send((session) => session.pickUpSymbol(symbol));
      if (!mouse) carryingFinger = event.pointerId;
      if (mouse && event.button !== leftButton) pressed.releasePointerCapture?.(event.pointerId);
      return;
    }
    if (isCell(target)) {
      const kind = driver.target(target).kind;
      if (mouse) driver.send((session) => session.pressCell(kind, target.column, event.button === leftButton));
      else driver.send((session) => session.tap(kind, target.column));
      return;
    }
    if (target.kind === 'UpperDigit' && event.button === leftButton)
      pressedDigit = { pointerId: event.pointerId, element: pressed, target };
  });

  // The second press of a double click starts no click of its own.
  stage.addEventListener('mousedown', (event) => {
    if (event.detail >= 2 && pressedDigit?.element === event.target) pressedDigit = undefined;
  });

  stage.addEventListener('pointermove', (event) => {
    if (event.pointerType !== 'mouse') return;
    enters(targetOf(event.target as Element));
  });

  window.addEventListener('pointerup', (event) => {
    const lifted = targetAt(event.clientX, event.clientY);
    if (event.pointerId === carryingFinger) {
      carryingFinger = undefined;
      enters(lifted);
    }
    const digit = pressedDigit;
    if (digit?.pointerId !== event.pointerId) return;
    pressedDigit = undefined;
    if (document.elementFromPoint(event.clientX, event.clientY) !== digit.element) return;
    if (event.pointerType === 'mouse')
      driver.send((session) => session.clickUpperDigit(digit.target.column));
    else
      driver.send((session) => session.tap(driver.target(digit.target).kind, digit.target.column));
  });

  // A finger the browser takes away (a system gesture, an alert) carries
  // nothing any more: its symbol is let go, as over a bare background.
  window.addEventListener('pointercancel', (event) => {
    if (event.pointerId === carryingFinger) {
      carryingFinger = undefined;
      enters({ kind: 'Background', column: 0 });
    }
    if (event.pointerId === pressedDigit?.pointerId) pressedDigit = undefined;
  });

  // The right button steps a cell down; no menu comes up anywhere.
  document.addEventListener('contextmenu', (event) => event.preventDefault());
}
