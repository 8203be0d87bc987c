// The page's lesson in the browser engine that CTest names (LODARIX_ENGINE):
// Chromium 103 and 109, Firefox ESR, WebKitGTK (engines/scenario.js).
import { test } from "node:test";
import { launchEngine } from "./engines/launch.js";
import { runLesson } from "./engines/scenario.js";

test("a refusal, two trips, the colours, F2's graphs and a saved file", async (t) => {
  const engine = await launchEngine();
  t.diagnostic(engine.name);
  try {
    await runLesson(engine);
  } finally {
    await engine.close();
  }
});
