// Loads the core's module (lodarix-web.mjs) in node, for the build and the
// tests, once its wasm is instantiated. Its node start-up expects the globals of a CommonJS script, which an
// ES module lacks; they are given here.
import { createRequire } from "node:module";
import { dirname } from "node:path";
import { pathToFileURL } from "node:url";

/**
 * @param {string} modulePath
 * @returns {Promise<import("../src/lodarix.js").Core>}
 */
export async function loadCore(modulePath) {
  const scope = /** @type {any} */ (globalThis);
  scope.require ??= createRequire(import.meta.url);
  scope.__dirname ??= dirname(modulePath);
  const { default: createLodarix } = await import(pathToFileURL(modulePath).href);
  return createLodarix();
}
