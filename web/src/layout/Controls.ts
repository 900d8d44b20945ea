// SPDX-License-Identifier: GPL-3.0-or-later
// The words in which both windows' layout tables are written: every control
// with its name (the DOM id), kind, place and size in the desktop's pixels
// relative to its parent, and its look.

export type ControlKind =
  | 'panel'
  | 'cell' // an answer or notation cell: focusable, typed into, never a text input
  | 'box' // a read-only line of text: a message line, a counter, a model answer cell
  | 'picture'
  | 'rule'
  | 'button'
  | 'speedButton' // never takes the focus
  | 'key' // a keypad key: acts on a press, not a click
  | 'label'
  | 'radioGroup';

// The two Gothic faces and their sizes: character heights in pixels.
export interface FontChoice {
  face: 'proportional' | 'fixed';
  size: number;
  bold?: boolean;
}

export interface Rect {
  left: number;
  top: number;
  width: number;
  height: number;
}

export interface ControlDescription extends Rect {
  id: string;
  kind: ControlKind;
  parent?: string;
  font?: FontChoice;
  colour?: string;
  caption?: string;
  items?: readonly string[];
  columns?: number;
  hint?: string;
  // The place in its parent's Tab order, counted from 0; none for a control
  // the Tab key passes by.
  tab?: number;
  // What a reader hears for a control that shows no words of its own.
  spokenName?: string;
}

export const windowFont: FontChoice = { face: 'proportional', size: 12 };
export const cellFont: FontChoice = { face: 'fixed', size: 27, bold: true };

export const blue = 'rgb(0, 0, 255)';
export const red = 'rgb(255, 0, 0)';
export const olive = 'rgb(128, 128, 0)';

// Every cell and digit place of a column sum is 41 × 35; the columns stand
// 45 pixels apart, the operator one column left of the thousands.
const cellWidth = 41;
const cellHeight = 35;
const columnPitch = 45;
const upperOffset = 38;
const lowerOffset = 77;
const ruleOffset = 115;
const ruleHeight = 4;

// Where a window puts its column sum: the top-left corner of the operator
// column in the notation row, and the gap between the rule line and the
// answer row.
export interface SumOrigin {
  left: number;
  top: number;
  answerGap: number;
}

// Names of one window's column sum, thousands first.
export interface SumNames {
  notation: readonly [string, string, string];
  upper: readonly [string, string, string, string];
  operator: string;
  lower: readonly [string, string, string, string];
  rule: string;
  answer: readonly [string, string, string, string];
}

const columnNames = ['せんのくらい', 'ひゃくのくらい', 'じゅうのくらい', 'いちのくらい'];

function place(origin: SumOrigin, column: number, rowOffset: number): Rect {
  return {
    left: origin.left + (column + 1) * columnPitch,
    top: origin.top + rowOffset,
    width: cellWidth,
    height: cellHeight,
  };
}

// The controls of a column sum on `parent`. Where the cells are Tab stops
// the answer row comes first, from the units leftwards, then the notation.
export function columnSum(
  parent: string,
  origin: SumOrigin,
  names: SumNames,
  cellKind: 'cell' | 'box',
): ControlDescription[] {
  const tabbed = cellKind === 'cell';
  const controls: ControlDescription[] = [];
  names.notation.forEach((id, column) =>
    controls.push({ id, parent, kind: cellKind, ...place(origin, column, 0), font: cellFont, colour: blue,
      tab: tabbed ? 6 - column : undefined, spokenName: `うえの メモ（${columnNames[column]}）` }));
  names.upper.forEach((id, column) =>
    controls.push({ id, parent, kind: 'picture', ...place(origin, column, upperOffset),
      spokenName: `うえの かず（${columnNames[column]}）` }));
  controls.push({ id: names.operator, parent, kind: 'picture', ...place(origin, -1, lowerOffset), spokenName: 'きごう' });
  names.lower.forEach((id, column) =>
    controls.push({ id, parent, kind: 'picture', ...place(origin, column, lowerOffset),
      spokenName: `したの かず（${columnNames[column]}）` }));
  const rule = place(origin, -1, ruleOffset);
  controls.push({ id: names.rule, parent, kind: 'rule', left: rule.left, top: rule.top,
    width: 4 * columnPitch + cellWidth + 6, height: ruleHeight });
  names.answer.forEach((id, column) =>
    controls.push({ id, parent, kind: cellKind, ...place(origin, column, ruleOffset + ruleHeight + origin.answerGap),
      font: cellFont, tab: tabbed ? 3 - column : undefined, spokenName: `こたえ（${columnNames[column]}）` }));
  return controls;
}
