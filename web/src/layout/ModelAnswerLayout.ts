// SPDX-License-Identifier: GPL-3.0-or-later
// The おてほん panel: the desktop's model-answer window laid over the page,
// its caption bar above its client area. Its controls carry the window's
// own names after "Form2-", so that they never clash with the practice
// window's.
import { type ControlDescription, columnSum } from './Controls';

export const modelAnswerPrefix = 'Form2-';

// The client area of the desktop's window, and where the panel stands on
// the stage: over the settings, as the desktop opens it at the left.
export const modelAnswerWidth = 309;
export const modelAnswerHeight = 253;
export const modelAnswerCaptionHeight = 22;
export const modelAnswerLeft = 4;
export const modelAnswerTop = 40;

const id = (name: string) => modelAnswerPrefix + name;

export const modelNotationIds = [id('Edit1'), id('Edit2'), id('Edit3')] as const;
export const modelAnswerIds = [id('Edit4'), id('Edit5'), id('Edit6'), id('Edit7')] as const;
export const modelUpperIds = [id('Image1'), id('Image2'), id('Image3'), id('Image4')] as const;
export const modelLowerIds = [id('Image6'), id('Image7'), id('Image8'), id('Image9')] as const;
export const modelOperatorId = id('Image5');
export const modelReturnId = id('Button1');

export const modelAnswerControls: readonly ControlDescription[] = [
  { id: id('Panel1'), kind: 'panel', left: 8, top: 8, width: 289, height: 209, spokenName: 'おてほん' },
  ...columnSum(id('Panel1'), { left: 22, top: 5, answerGap: 2 }, {
    notation: modelNotationIds,
    upper: modelUpperIds,
    operator: modelOperatorId,
    lower: modelLowerIds,
    rule: id('Shape1'),
    answer: modelAnswerIds,
  }, 'box'),
  { id: modelReturnId, parent: id('Panel1'), kind: 'button', left: 88, top: 176, width: 97, height: 25, tab: 0,
    caption: 'もどる', font: { face: 'proportional', size: 15 } },
];
