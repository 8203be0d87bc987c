// Loads the core's module in node for the tests: the page's bindings with
// the tests' seam (tests/web/test_seam.cpp), lodarix-web-seam.mjs. Its node
// start-up expects the globals of a CommonJS script, which an ES module
// lacks; they are given here.
import { createRequire } from "node:module";
import { dirname } from "node:path";
import { pathToFileURL } from "node:url";

/** @typedef {import("../../src/lodarix.js").PageWindow} PageWindow */

/**
 * The page's core, and what the tests reach besides.
 * @typedef {import("../../src/lodarix.js").Core & {
 *   currentFloor(window: PageWindow): number,
 *   targetFloor(window: PageWindow): number,
 *   workbookOfCsv(csv: string, intervalMs: number, heightMetres: number): Uint8Array<ArrayBuffer>,
 * }} TestCore
 */

/**
 * @param {string} modulePath
 * @returns {Promise<TestCore>}
 */
export async function loadCore(modulePath) {
  const scope = /** @type {any} */ (globalThis);
  scope.require ??= createRequire(import.meta.url);
  scope.__dirname ??= dirname(modulePath);
  const { default: createLodarix } = await import(pathToFileURL(modulePath).href);
  return createLodarix();
}
