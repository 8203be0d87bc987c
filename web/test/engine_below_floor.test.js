// A browser below the page's floor, Chromium 92: it knows no
// 'wasm-unsafe-eval' (so the policy forbids it to compile the core), no
// inert and not all of ECMAScript 2022; the notice says so in place of the
// form (engines/scenario.js).
import { test } from "node:test";
import { launchEngine } from "./engines/launch.js";
import { runBelowFloor } from "./engines/scenario.js";

test("the notice names what is missing and what to do, in place of the form", async (t) => {
  const engine = await launchEngine();
  t.diagnostic(engine.name);
  try {
    await runBelowFloor(engine, [
      "NeedsWasmExceptions",
      "NeedsWasmPolicy",
      "NeedsLanguage",
      "NeedsInert",
    ]);
  } finally {
    await engine.close();
  }
});
