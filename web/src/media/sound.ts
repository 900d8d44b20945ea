// SPDX-License-Identifier: GPL-3.0-or-later
// The result sounds through Web Audio. A browser lets a page sound only
// after the child has touched it, so the audio starts at the first lift of
// a finger or a mouse button, and starts again after the system took it
// away (a call, another app). A new sound cuts off one still playing; a
// file that is missing or cannot be decoded beeps instead and is read
// afresh the next time. Muted, nothing sounds at all, not even the beep.

const beepSeconds = 0.15;
const beepHertz = 880;

export interface SoundPlayer {
  play(fileName: string): void;
  setMuted(muted: boolean): void;
}

export function createSoundPlayer(assetsUrl: string, muted: boolean): SoundPlayer {
  let context: AudioContext | undefined;
  let playing: AudioScheduledSourceNode | undefined;
  const decoded = new Map<string, Promise<AudioBuffer | undefined>>();

  const unlock = () => {
    context ??= new AudioContext();
    if (context.state !== 'running') void context.resume();
  };
  window.addEventListener('pointerup', unlock, { capture: true });
  window.addEventListener('keyup', unlock, { capture: true });

  const read = (fileName: string, audio: AudioContext) => {
    let buffer = decoded.get(fileName);
    if (!buffer) {
      buffer = fetch(`${assetsUrl}${fileName}`)
        .then((response) => (response.ok ? response.arrayBuffer() : Promise.reject(new Error(fileName))))
        .then((bytes) => audio.decodeAudioData(bytes))
        .catch(() => {
          decoded.delete(fileName);
          return undefined;
        });
      decoded.set(fileName, buffer);
    }
    return buffer;
  };

  const start = (audio: AudioContext, source: AudioScheduledSourceNode, seconds?: number) => {
    playing?.stop();
    playing = source;
    source.connect(audio.destination);
    source.start();
    if (seconds !== undefined) source.stop(audio.currentTime + seconds);
  };

  const beep = (audio: AudioContext) => {
    const tone = audio.createOscillator();
    tone.frequency.value = beepHertz;
    start(audio, tone, beepSeconds);
  };

  return {
    play(fileName) {
      if (muted || !context) return;
      const audio = context;
      if (audio.state !== 'running') void audio.resume();
      void read(fileName, audio).then((buffer) => {
        if (muted) return;
        if (!buffer) {
          beep(audio);
          return;
        }
        const source = audio.createBufferSource();
        source.buffer = buffer;
        start(audio, source);
      });
    },
    setMuted(value) {
      muted = value;
      if (muted) playing?.stop();
    },
  };
}
