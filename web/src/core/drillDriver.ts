// SPDX-License-Identifier: GPL-3.0-or-later
// Hands gestures to the session one at a time. After each, the pictures the
// next view needs are read first (most were read ahead and come at once);
// then the view is settled, a picture that could not be read reported
// back, and drawn, and its one-shot effects carried out.
import type { CoreModule, DrillView, Target, WebSession } from './DrillCore';
import type { PictureStore } from '../media/pictures';

export type Gesture = (session: WebSession, core: CoreModule) => void;

export interface DrillDriver {
  send(gesture: Gesture): Promise<void>;
  // Hands a gesture aimed at a target: the core's enum value is looked up.
  target(target: Target): { kind: { value: number }; column: number };
}

// While gestures wait their turn (their pictures being read), the stage
// says it is busy, to assistive technology and to whoever drives the page.
export function createDrillDriver(core: CoreModule, session: WebSession, pictures: PictureStore,
  draw: (view: DrillView) => void, stage: HTMLElement): DrillDriver {
  let queue = Promise.resolve();
  let waiting = 0;
  const handle = async (gesture: Gesture) => {
    gesture(session, core);
    const files = session.picturesToRead();
    if (!files.every(pictures.readable))
      await Promise.allSettled(files.map((file) => pictures.load(file)));
    draw(session.settle(pictures.readable));
  };
  return {
    send(gesture) {
      if (waiting++ === 0) stage.setAttribute('aria-busy', 'true');
      // A fault in one gesture must not stop the ones after it.
      queue = queue.then(() => handle(gesture)).catch((fault: unknown) => console.error(fault)).finally(() => {
        if (--waiting === 0) stage.removeAttribute('aria-busy');
      });
      return queue;
    },
    target: (target) => ({ kind: core.TargetKind[target.kind], column: target.column }),
  };
}
