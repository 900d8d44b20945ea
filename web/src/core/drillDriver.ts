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

export function createDrillDriver(core: CoreModule, session: WebSession, pictures: PictureStore,
  draw: (view: DrillView) => void): DrillDriver {
  let queue = Promise.resolve();
  const handle = async (gesture: Gesture) => {
    gesture(session, core);
    const files = session.picturesToRead();
    if (!files.every(pictures.readable))
      await Promise.allSettled(files.map((file) => pictures.load(file)));
    draw(session.settle(pictures.readable));
  };
  return {
    send(gesture) {
      // A fault in one gesture must not stop the ones after it.
      queue = queue.then(() => handle(gesture)).catch((fault: unknown) => console.error(fault));
      return queue;
    },
    target: (target) => ({ kind: core.TargetKind[target.kind], column: target.column }),
  };
}
