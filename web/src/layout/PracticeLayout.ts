// SPDX-License-Identifier: GPL-3.0-or-later
// The practice window as the desktop lays it out: its client area is the
// page's stage, every control in the desktop's pixels.
import { type ControlDescription, columnSum, olive, red } from './Controls';

export const stageWidth = 641;
export const stageHeight = 348;

const fixed16Bold = { face: 'fixed', size: 16, bold: true } as const;
const fixed17Bold = { face: 'fixed', size: 17, bold: true } as const;

// The keypad's symbols as the core names them: 0 to 9, and the slash.
export const slashSymbol = -1;

interface KeyDescription {
  id: string;
  left: number;
  caption: string;
  symbol: number;
  tab: number;
}

// "０" to "９" stand 32 pixels apart; the slash stands a little apart.
export const keypadKeys: readonly KeyDescription[] = [
  { id: 'Button10', left: 6, caption: '０', symbol: 0, tab: 9 },
  ...[1, 2, 3, 4, 5, 6, 7, 8, 9].map((digit) => ({
    id: `Button${digit}`,
    left: 6 + 32 * digit,
    caption: String.fromCharCode(0xff10 + digit),
    symbol: digit,
    tab: digit - 1,
  })),
  { id: 'Button11', left: 334, caption: '／', symbol: slashSymbol, tab: 10 },
];

export const answerCellIds = ['Edit9', 'Edit10', 'Edit11', 'Edit12'] as const;
export const notationCellIds = ['Edit14', 'Edit15', 'Edit16'] as const;
export const upperDigitIds = ['Image1', 'Image2', 'Image3', 'Image4'] as const;
export const lowerDigitIds = ['Image6', 'Image7', 'Image8', 'Image9'] as const;

export const rangeItems = ['１０までつかう', '２０までつかう', '１００までつかう', '１０００までつかう', '９９９９までつかう'];
export const carryItems = ['くりあがり（さがり）なし', 'くりあがり（さがり）あり', 'いろいろ'];
export const kindItems = ['たしざん', 'ひきざん'];

export const practiceControls: readonly ControlDescription[] = [
  { id: 'Panel1', kind: 'panel', left: 280, top: 8, width: 345, height: 249, tab: 0, spokenName: 'もんだい' },
  { id: 'Panel2', kind: 'panel', left: 259, top: 272, width: 366, height: 41, tab: 1, spokenName: 'すうじの キー' },
  { id: 'Panel3', kind: 'panel', left: 179, top: 8, width: 94, height: 249, tab: 2, spokenName: 'せいせき' },
  { id: 'Panel4', kind: 'panel', left: 6, top: 6, width: 171, height: 307, tab: 3, spokenName: 'せってい' },

  ...columnSum('Panel1', { left: 6, top: 45, answerGap: 9 }, {
    notation: notationCellIds,
    upper: upperDigitIds,
    operator: 'Image5',
    lower: lowerDigitIds,
    rule: 'Shape1',
    answer: answerCellIds,
  }, 'cell'),
  // The message lines are read, not visited: the Tab key passes them by.
  { id: 'Edit8', parent: 'Panel1', kind: 'box', left: 192, top: 8, width: 145, height: 20,
    spokenName: 'こたえの メッセージ' },
  { id: 'Edit13', parent: 'Panel1', kind: 'box', left: 192, top: 40, width: 145, height: 20,
    spokenName: 'うえの メモの メッセージ' },
  { id: 'Image10', parent: 'Panel1', kind: 'picture', left: 248, top: 72, width: 81, height: 81, spokenName: 'けっかの え' },
  { id: 'Button14', parent: 'Panel1', kind: 'button', left: 240, top: 168, width: 97, height: 25, tab: 9,
    caption: 'せいかいを見る' },
  { id: 'SpeedButton1', parent: 'Panel1', kind: 'speedButton', left: 240, top: 200, width: 97, height: 41,
    font: { face: 'fixed', size: 17 } },

  ...keypadKeys.map((key): ControlDescription => ({
    id: key.id, parent: 'Panel2', kind: 'key', left: key.left, top: 6, width: 27, height: 27, tab: key.tab,
    caption: key.caption, font: fixed16Bold, colour: key.symbol === slashSymbol ? olive : undefined,
    spokenName: key.symbol === slashSymbol ? 'ななめせん ／' : `すうじ ${key.caption}`,
  })),

  { id: 'Edit17', parent: 'Panel3', kind: 'box', left: 6, top: 8, width: 49, height: 25, tab: 0, font: fixed17Bold,
    spokenName: 'もんだいの かず' },
  { id: 'Label1', parent: 'Panel3', kind: 'label', left: 64, top: 24, width: 22, height: 12, caption: 'もん' },
  { id: 'Edit18', parent: 'Panel3', kind: 'box', left: 6, top: 40, width: 49, height: 25, tab: 3, font: fixed17Bold,
    colour: red, spokenName: 'てんすう' },
  { id: 'Label2', parent: 'Panel3', kind: 'label', left: 64, top: 56, width: 23, height: 12, caption: 'てん' },
  { id: 'Button12', parent: 'Panel3', kind: 'button', left: 8, top: 88, width: 81, height: 25, tab: 2,
    caption: 'はじめから', hint: '１もんめにします' },
  { id: 'SpeedButton2', parent: 'Panel3', kind: 'speedButton', left: 24, top: 136, width: 40, height: 41,
    hint: 'ヘルプを見ます', spokenName: 'ヘルプ' },
  { id: 'Button13', parent: 'Panel3', kind: 'button', left: 8, top: 200, width: 81, height: 36, tab: 1,
    caption: 'おしまい' },

  { id: 'RadioGroup1', parent: 'Panel4', kind: 'radioGroup', left: 10, top: 6, width: 151, height: 131, tab: 0,
    caption: 'はんい', items: rangeItems, columns: 1 },
  { id: 'RadioGroup2', parent: 'Panel4', kind: 'radioGroup', left: 10, top: 146, width: 151, height: 87, tab: 1,
    caption: 'くりあがり', items: carryItems, columns: 1 },
  { id: 'RadioGroup3', parent: 'Panel4', kind: 'radioGroup', left: 10, top: 240, width: 151, height: 57, tab: 2,
    caption: 'しゅるい', items: kindItems, columns: 2 },
];
