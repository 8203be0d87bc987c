// The core, started behind the page's first frame: its wasm, which the page
// keeps gzipped (lodarix-wasm), compiled as it is unpacked, while its
// module (a late module, late_modules.js) is unpacked and run; then
// instantiated asynchronously, as a browser may refuse to instantiate a
// module this size at once on its main thread (Chromium 103 and 109 do),
// and handed to the core's module.

import { keptBlock, unpack } from "./late_modules.js";

/**
 * @param {Document} document
 * @param {import("./late_modules.js").LateModules} late
 * @returns {Promise<import("./lodarix.js").Core>}
 */
export async function startCore(document, late) {
  const wasm = unpack(keptBlock(document, "lodarix-wasm"), "application/wasm");
  const compiled = WebAssembly.compileStreaming
    ? WebAssembly.compileStreaming(wasm)
    : wasm.arrayBuffer().then((bytes) => WebAssembly.compile(bytes));
  compiled.catch(() => {});
  const { createLodarix } = await late.load("core");
  const wasmModule = await compiled;
  return new Promise((resolve, reject) => {
    createLodarix({
      instantiateWasm: (
        /** @type {WebAssembly.Imports} */ imports,
        /** @type {(instance: WebAssembly.Instance, module: WebAssembly.Module) => void} */ receive,
      ) => {
        WebAssembly.instantiate(wasmModule, imports)
          .then((instance) => receive(instance, wasmModule))
          .catch(reject);
        return {};
      },
    }).then(resolve, reject);
  });
}
