// SPDX-License-Identifier: GPL-3.0-or-later
// What lies under the pointer, in the core's terms. A cell or an upper digit
// that can be struck is a target of its own; the bare practice window, the
// problem panel and the keypad panel are background, where a carried
// symbol is let go; anything else on the stage is neutral. The page around
// the stage, and a dialog that holds the drill, are nothing at all.
import type { Target } from '../core/DrillCore';
import { keypadKeys } from '../layout/PracticeLayout';

const targets = new Map<string, Target>([
  ['Edit9', { kind: 'AnswerCell', column: 0 }],
  ['Edit10', { kind: 'AnswerCell', column: 1 }],
  ['Edit11', { kind: 'AnswerCell', column: 2 }],
  ['Edit12', { kind: 'AnswerCell', column: 3 }],
  ['Edit14', { kind: 'NotationCell', column: 0 }],
  ['Edit15', { kind: 'NotationCell', column: 1 }],
  ['Edit16', { kind: 'NotationCell', column: 2 }],
  ['Image1', { kind: 'UpperDigit', column: 0 }],
  ['Image2', { kind: 'UpperDigit', column: 1 }],
  ['Image3', { kind: 'UpperDigit', column: 2 }],
  ['Form1', { kind: 'Background', column: 0 }],
  ['Panel1', { kind: 'Background', column: 0 }],
  ['Panel2', { kind: 'Background', column: 0 }],
]);

const neutral: Target = { kind: 'NeutralControl', column: 0 };

export function targetOf(element: Element | null): Target | undefined {
  if (!element || element.closest('.veil, #ErrorDialog')) return undefined;
  const stage = element.closest('#Form1');
  if (!stage) return undefined;
  return targets.get(element.id) ?? neutral;
}

export function targetAt(clientX: number, clientY: number): Target | undefined {
  return targetOf(document.elementFromPoint(clientX, clientY));
}

// The keypad symbol of a key, if the element is one.
export function keySymbol(element: Element | null): number | undefined {
  return keypadKeys.find((key) => key.id === element?.id)?.symbol;
}

export function isCell(target: Target | undefined): target is Target & { kind: 'AnswerCell' | 'NotationCell' } {
  return target?.kind === 'AnswerCell' || target?.kind === 'NotationCell';
}
