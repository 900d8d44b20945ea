// SPDX-License-Identifier: GPL-3.0-or-later
// The core as one ES module, core.mjs, whose default export makes it. The
// browser fetches core.wasm beside it. Node, whose fetch cannot read a file,
// has the WebAssembly read from beside the module here; a caller may still
// hand its bytes over itself as `wasmBinary`.
import createCore from 'porominka-core-glue';

export default async function createDrillCore(options = {}) {
  const inNode = typeof process === 'object' && typeof process.versions === 'object' && !!process.versions.node;
  if (inNode && !options.wasmBinary) {
    const { readFile } = await import('node:fs/promises');
    options = { ...options, wasmBinary: await readFile(new URL('core.wasm', import.meta.url)) };
  }
  return createCore(options);
}
