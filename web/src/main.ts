// SPDX-License-Identifier: GPL-3.0-or-later
// ぽろみんか in the browser: the practice window as a page, driven by the
// same session core as the desktop, compiled to WebAssembly.
//
// What the page promises its tests and its host (keep these as they are):
// - The site is built into build/web/site/ by scripts/build-web.sh, served
//   by scripts/serve-web.sh. Pictures, sounds and the help file sit in
//   assets/ under their desktop names (assets/n3.bmp, assets/zumirano.hlp).
// - Every control's DOM id is its desktop name (Edit9, SpeedButton1,
//   Button11, RadioGroup3 with items carrying data-index, Panel2, …);
//   おてほん is #Form2, its controls "Form2-" and their names (Form2-Edit4,
//   Form2-Image5, Form2-Button1). The help window is #HelpViewer, the
//   error box #ErrorDialog (its words in #ErrorDialog-message).
// - ?seed=N fixes the session's seed; ?mute=1 keeps the drill silent.
// - window.porominkaReady resolves once the first view is drawn, and
//   rejects when the core cannot be started (the page then says so).
// - A gesture whose pictures are still being read is drawn when they are;
//   meanwhile #Form1 carries aria-busy="true". A driver waits for it to go.
// - core.mjs is an ES module whose default export makes the core, in the
//   browser and in Node alike: `const core = await createCore()`, then
//   `new core.WebSession(seed)`; see web/wasm/SessionBindings.cpp.
import { createDrillDriver } from './core/drillDriver';
import { type DrillView, loadCore } from './core/DrillCore';
import { createErrorDialog } from './dialog/errorDialog';
import { createFarewell } from './dialog/farewell';
import { createOverlay } from './dialog/overlay';
import { createDrawer } from './draw/drawView';
import { createHelpViewer } from './help/helpViewer';
import { routeControls } from './input/controlInput';
import { routeKeyboard } from './input/keyboardInput';
import { routePointer } from './input/pointerInput';
import { buildControls } from './layout/buildControls';
import {
  modelAnswerControls, modelAnswerHeight, modelAnswerLeft, modelAnswerTop, modelAnswerWidth, modelReturnId,
} from './layout/ModelAnswerLayout';
import { practiceControls, stageHeight, stageWidth } from './layout/PracticeLayout';
import { createMuteSetting, startsMuted } from './media/muteSetting';
import { createPictureStore } from './media/pictures';
import { createSoundPlayer } from './media/sound';
import { registerServiceWorker } from './offline/registerWorker';
import { keepFitted } from './stage/fitStage';

declare global {
  interface Window {
    porominkaReady: Promise<void>;
  }
}

const assetsUrl = 'assets/';
// A child who has not started a problem by then is reading the screen.
const underWayAfter = 4000;

// The desktop seeds from the clock; a given seed makes a run repeatable.
function seedFrom(parameters: URLSearchParams): number {
  const given = parameters.get('seed');
  if (given !== null && /^\d+$/.test(given)) return Number(given) >>> 0;
  return crypto.getRandomValues(new Uint32Array(1))[0];
}

function fileOpenMessage(fileName: string): string {
  return `ﾌｧｲﾙ ${fileName} は開けません`;
}

function failedStart(notice: HTMLElement, fault: unknown): never {
  notice.textContent =
    'ぽろみんかを はじめられませんでした。ページを よみこみなおしてね。\n' +
    'Porominka could not start: its WebAssembly core did not load.\n' +
    'Reload the page; if this happens again, this browser may be too old for the drill,\n' +
    'or the site was not copied whole.';
  notice.setAttribute('role', 'alert');
  notice.classList.remove('hidden');
  throw fault;
}

async function start(): Promise<void> {
  const parameters = new URLSearchParams(location.search);
  // The page's words while the drill loads, and if it cannot start.
  const notice = document.getElementById('StartFailure') ?? document.body.appendChild(document.createElement('div'));
  const stage = document.createElement('div');
  stage.id = 'Form1';
  // Laid out once, when the core, the fonts and the first view are ready:
  // a layout before would measure every word in a stand-in font, and cost a
  // slow tablet more than all the rest of the start.
  stage.classList.add('loading');
  buildControls(stage, practiceControls);
  document.body.append(stage);

  let putAwayWorkedAnswer = () => {};
  const workedAnswer = createOverlay(stage, 'Form2', 'おてほん',
    { left: modelAnswerLeft, top: modelAnswerTop, width: modelAnswerWidth, height: modelAnswerHeight },
    () => putAwayWorkedAnswer());
  buildControls(workedAnswer.client, modelAnswerControls, { face: 'proportional', size: 15 });

  let shown: DrillView | undefined;
  let drawView = (_view: DrillView) => {};
  // A sharper picture read redraws the view on the screen.
  const pictures = createPictureStore(assetsUrl, () => shown && drawView(shown));
  keepFitted(stage, stageWidth, stageHeight, (scale) => pictures.setDensity(scale * devicePixelRatio));
  const sounds = createSoundPlayer(assetsUrl, startsMuted(parameters));
  const help = createHelpViewer(stage, assetsUrl);
  help.addSetting(createMuteSetting(startsMuted(parameters), (muted) => sounds.setMuted(muted)));
  const errors = createErrorDialog(stage, stageWidth, stageHeight);
  const closeDrill = createFarewell(stage, stageWidth, stageHeight);

  const core = await loadCore().catch((fault: unknown) => failedStart(notice, fault));
  const session = new core.WebSession(seedFrom(parameters));
  const drawer = createDrawer(pictures, document.body);
  drawView = (view) => drawer(view, (open) => (open ? workedAnswer.show() : workedAnswer.hide()));
  // Once the drill is under way, the sharp twins are read and the site
  // stored for the way offline; never before, so that neither slows the
  // first problem on a slow line.
  let underWay = false;
  const goOn = () => {
    if (underWay) return;
    underWay = true;
    pictures.sharpen();
    registerServiceWorker();
  };
  const draw = (view: DrillView) => {
    shown = view;
    drawView(view);
    if (view.problemShown) goOn();
    if (view.unreadableFile) errors.tell(fileOpenMessage(view.unreadableFile));
    if (view.sound) sounds.play(view.sound);
    if (view.openHelp) void help.openContents();
    if (view.raiseWorkedAnswer) document.getElementById(modelReturnId)?.focus();
  };
  const driver = createDrillDriver(core, session, pictures, draw, stage);
  putAwayWorkedAnswer = () => void driver.send((drill) => drill.putAwayWorkedAnswer());
  routePointer(stage, driver);
  routeKeyboard(stage, driver);
  routeControls(driver, closeDrill);

  await driver.send(() => undefined);
  // The stage is not laid out yet, so nothing has asked for its two fonts; a
  // font that cannot be read leaves the browser's own.
  await Promise.all(['Porominka Gothic', 'Porominka PGothic']
    .map((face) => document.fonts.load(`16px '${face}'`).catch(() => undefined)));
  stage.classList.remove('loading');
  notice.remove();
  pictures.readAhead(core.pictureFiles());
  setTimeout(goOn, underWayAfter);
}

window.porominkaReady = start();
