// SPDX-License-Identifier: GPL-3.0-or-later
// The drill's core as the page sees it: the session compiled to
// WebAssembly, which decides every rule. The page hands it gestures and
// draws the view it gives back.

// What a gesture is aimed at, by the names of the core's target kinds.
export type TargetKind = 'AnswerCell' | 'NotationCell' | 'UpperDigit' | 'Background' | 'NeutralControl';

export interface Target {
  kind: TargetKind;
  column: number;
}

export interface WorkedAnswerView {
  operatorPicture: string;
  notationTexts: string[];
  upperPictures: string[];
  lowerPictures: string[];
  answerTexts: string[];
}

// One view of the sheet: texts and picture file names written out, an empty
// name where no picture shows, an empty result picture for the start-up art.
export interface DrillView {
  problemShown: boolean;
  sheetNumber: number;
  operatorPicture: string;
  upperPictures: string[];
  lowerPictures: string[];
  answerTexts: string[];
  notationTexts: string[];
  answerMessage: string;
  notationMessage: string;
  resultPicture: string;
  mainCaption: string;
  problemCount: string;
  score: string;
  carrying: boolean;
  workedAnswerShown: boolean;
  workedAnswer: WorkedAnswerView;
  // Once, for the event just handled.
  sound: string;
  openHelp: boolean;
  raiseWorkedAnswer: boolean;
  unreadableFile: string;
}

// A value of one of the core's enums.
export interface EnumValue {
  value: number;
}

export interface WebSession {
  chooseSettings(range: number, carryMode: number, kind: number): void;
  pickUpSymbol(symbol: number): void;
  pointerEnters(kind: EnumValue, column: number): void;
  tap(kind: EnumValue, column: number): void;
  pressCell(kind: EnumValue, column: number, forwards: boolean): void;
  clickUpperDigit(column: number): void;
  typeKey(kind: EnumValue, column: number, text: string): void;
  eraseCell(kind: EnumValue, column: number): void;
  pressMainButton(): void;
  restart(): void;
  showWorkedAnswer(): void;
  putAwayWorkedAnswer(): void;
  askForHelp(): void;
  picturesToRead(): string[];
  settle(readable: (file: string) => boolean): DrillView;
}

export interface CoreModule {
  TargetKind: Record<TargetKind, EnumValue>;
  WebSession: new (seed: number) => WebSession;
  pictureFiles(): string[];
  soundFiles(): string[];
  helpFile: string;
}

// The core's module sits beside the page; the page is its only importer in
// the browser.
export async function loadCore(): Promise<CoreModule> {
  const url = new URL('core.mjs', document.baseURI).href;
  const factory = (await import(url)) as { default: () => Promise<CoreModule> };
  return factory.default();
}
