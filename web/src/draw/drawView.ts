// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the core's view onto the page: texts into the cells and lines,
// pictures into their boxes, what shows and what does not. Only what
// changed is touched, so that a pointer's moves cost next to nothing.
import type { DrillView, WorkedAnswerView } from '../core/DrillCore';
import {
  modelAnswerIds, modelLowerIds, modelNotationIds, modelOperatorId, modelUpperIds,
} from '../layout/ModelAnswerLayout';
import { answerCellIds, lowerDigitIds, notationCellIds, upperDigitIds } from '../layout/PracticeLayout';
import type { PictureStore } from '../media/pictures';

// The picture the result box holds of its own until the first problem.
export const startupArt = 'art/startup.png';

function element(id: string): HTMLElement {
  const found = document.getElementById(id);
  if (!found) throw new Error(`the page has no ${id}`);
  return found;
}

function setShown(target: HTMLElement, shown: boolean): void {
  target.classList.toggle('hidden', !shown);
}

function setText(target: HTMLElement, text: string): void {
  if (target.textContent !== text) target.textContent = text;
}

export function createDrawer(pictures: PictureStore, body: HTMLElement) {
  // A box keeps its last picture when a new one cannot be read.
  const showPicture = (id: string, fileName: string, shown = true) => {
    const box = element(id) as HTMLImageElement;
    const url = fileName === startupArt ? startupArt : fileName ? pictures.address(fileName) : undefined;
    if (url && box.getAttribute('src') !== url) box.src = url;
    setShown(box, shown && fileName !== '');
  };

  const drawWorkedAnswer = (worked: WorkedAnswerView) => {
    showPicture(modelOperatorId, worked.operatorPicture);
    modelUpperIds.forEach((id, column) => showPicture(id, worked.upperPictures[column]));
    modelLowerIds.forEach((id, column) => showPicture(id, worked.lowerPictures[column]));
    const cells = [...modelNotationIds, ...modelAnswerIds];
    const texts = [...worked.notationTexts, ...worked.answerTexts];
    cells.forEach((id, index) => {
      setText(element(id), texts[index]);
      setShown(element(id), texts[index] !== '');
    });
  };

  return (view: DrillView, workedAnswerShown: (shown: boolean) => void) => {
    const problem = view.problemShown;
    showPicture('Image5', view.operatorPicture, problem);
    upperDigitIds.forEach((id, column) => showPicture(id, view.upperPictures[column], problem));
    lowerDigitIds.forEach((id, column) => showPicture(id, view.lowerPictures[column], problem));
    answerCellIds.forEach((id, column) => {
      setText(element(id), view.answerTexts[column]);
      setShown(element(id), problem);
    });
    notationCellIds.forEach((id, column) => {
      setText(element(id), view.notationTexts[column]);
      setShown(element(id), problem);
    });
    setText(element('Edit8'), view.answerMessage);
    setText(element('Edit13'), view.notationMessage);
    showPicture('Image10', view.resultPicture || startupArt);
    setText(element('SpeedButton1'), view.mainCaption);
    setText(element('Edit17'), view.problemCount);
    setText(element('Edit18'), view.score);
    body.classList.toggle('carrying', view.carrying);
    if (view.workedAnswerShown) drawWorkedAnswer(view.workedAnswer);
    workedAnswerShown(view.workedAnswerShown);
  };
}
