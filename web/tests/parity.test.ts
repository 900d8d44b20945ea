// SPDX-License-Identifier: GPL-3.0-or-later
// The same events give the same views in the browser's WebAssembly core as
// in the desktop's native one. Random event scripts, fixed by their seed,
// are replayed through both; each script's chain of view hashes must agree.
// The script language is the native replayer's (tests/session_replay).
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import type { CoreModule, TargetKind, WebSession } from '../src/core/DrillCore.js';
import { SITE } from './harness/fixture.js';

const SCRIPTS = 3000;

// The core's session with what only this test asks of it: the view as one
// line of text, and its memory handed back.
type Session = WebSession & { describe(): string; delete(): void };

// A small generator of our own, so the scripts are the same on every run.
function generator(seed: number): (below: number) => number {
  let state = seed >>> 0;
  return (below) => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = Math.imul(state ^ (state >>> 15), state | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return (((t ^ (t >>> 14)) >>> 0) % below);
  };
}

// Events weighted as a child makes them: many moves and presses on cells,
// now and then a picture that cannot be read.
function scripts(): string[] {
  const pick = generator(20261207);
  const one = <T>(items: readonly T[]) => items[pick(items.length)];
  const target = () => one(['a0', 'a1', 'a2', 'a3', 'n0', 'n1', 'n2', 'u0', 'u1', 'u2', 'u3', 'b', 'z']);
  const cell = () => one(['a0', 'a1', 'a2', 'a3', 'n0', 'n1', 'n2']);
  const picture = () => one(['maru1.bmp', 'batu1.bmp', 'hatena1.bmp', 'mascot.bmp', 'minus.bmp', `n${pick(10)}.bmp`, `b${pick(10)}.bmp`]);
  const events: (() => string)[] = [
    () => `s${pick(5)}${pick(3)}${pick(2)}`,
    () => `k${one(['0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '/'])}`,
    () => `k${one(['/', String(pick(10))])}`,
    () => `e${target()}`, () => `e${target()}`, () => `e${target()}`,
    () => `t${target()}`,
    () => `p${cell()}${one(['+', '-'])}`, () => `p${cell()}+`,
    () => `c${pick(4)}`,
    () => `y${cell()}${pick(10)}`,
    () => `x${cell()}`,
    () => 'M', () => 'M', () => 'M',
    () => one(['R', 'W', 'A', 'H']),
    () => (pick(4) === 0 ? `u${picture()}` : `r${picture()}`),
  ];
  return Array.from({ length: SCRIPTS }, () => {
    const words = [String(pick(2 ** 31)), 'M'];
    for (let length = 10 + pick(50); length > 0; --length) words.push(one(events)());
    return words.join(' ');
  });
}

// FNV-1a over the UTF-8 bytes, 64 bits, as the native replayer hashes.
function hashed(hash: bigint, text: string): bigint {
  for (const byte of Buffer.from(text, 'utf8')) hash = BigInt.asUintN(64, (hash ^ BigInt(byte)) * 0x100000001b3n);
  return hash;
}

const kinds: Record<string, TargetKind> = {
  a: 'AnswerCell', n: 'NotationCell', u: 'UpperDigit', b: 'Background', z: 'NeutralControl',
};

function replay(core: CoreModule, script: string): string {
  const [seed, ...words] = script.split(' ');
  const session = new core.WebSession(Number(seed)) as Session;
  const unreadable = new Set<string>();
  // A target word's kind and column: "a2" is the answer's third cell.
  const target = (word: string) => [core.TargetKind[kinds[word[1]]], Number(word[2] ?? 0)] as const;
  const events: Record<string, (word: string) => void> = {
    s: (w) => session.chooseSettings(Number(w[1]), Number(w[2]), Number(w[3])),
    k: (w) => session.pickUpSymbol(w[1] === '/' ? -1 : Number(w[1])),
    e: (w) => session.pointerEnters(...target(w)),
    t: (w) => session.tap(...target(w)),
    p: (w) => session.pressCell(...target(w), w.endsWith('+')),
    c: (w) => session.clickUpperDigit(Number(w[1])),
    y: (w) => session.typeKey(...target(w), w.at(-1)!),
    x: (w) => session.eraseCell(...target(w)),
    M: () => session.pressMainButton(),
    R: () => session.restart(),
    W: () => session.showWorkedAnswer(),
    A: () => session.putAwayWorkedAnswer(),
    H: () => session.askForHelp(),
    u: (w) => unreadable.add(w.slice(1)),
    r: (w) => unreadable.delete(w.slice(1)),
  };
  try {
    let hash = hashed(0xcbf29ce484222325n, session.describe());
    for (const word of words) {
      events[word[0]](word);
      session.settle((file) => !unreadable.has(file));
      hash = hashed(hash, session.describe());
    }
    return hash.toString(16).padStart(16, '0');
  } finally {
    session.delete();
  }
}

test('random event scripts give the same views in the native and the WebAssembly core', async () => {
  const all = scripts();
  const replayer = process.env.DRILL_SESSION_REPLAY;
  assert.ok(replayer, 'DRILL_SESSION_REPLAY names the native replayer');
  const native = spawnSync(replayer, { input: all.join('\n') + '\n', encoding: 'utf8', maxBuffer: 1 << 24 });
  assert.equal(native.status, 0, native.error?.message ?? native.stderr);
  const nativeHashes = native.stdout.trim().split('\n');

  const { default: createCore } = await import(pathToFileURL(`${SITE}/core.mjs`).href);
  const core = (await createCore({ wasmBinary: readFileSync(`${SITE}/core.wasm`) })) as CoreModule;
  const wasmHashes = all.map((script) => replay(core, script));

  assert.equal(nativeHashes.length, all.length);
  const differing = all.findIndex((_, i) => nativeHashes[i] !== wasmHashes[i]);
  assert.equal(differing, -1, `the cores differ on: ${all[differing]}`);
  // Scripts that all ended alike would prove nothing.
  assert.ok(new Set(wasmHashes).size > all.length * 0.9, 'the scripts hardly differ');
});
