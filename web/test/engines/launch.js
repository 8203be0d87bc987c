// The engines the page runs in, by the name CTest gives a run
// (LODARIX_ENGINE): Debian's Chromium, Chromium 103 and 109 (the floor's
// Blink) and 92 (below it), Debian's Firefox ESR, and WebKitGTK.
import { launchBlink } from "./blink.js";
import { launchGecko } from "./gecko.js";
import { oldChromium } from "./old_chromium.js";
import { launchWebKit } from "./webkit.js";

/** @type {Record<string, () => Promise<import("./engine.js").Engine>>} */
const Engines = {
  chromium: () => launchBlink("/usr/bin/chromium"),
  "chromium-92": async () => launchBlink(await oldChromium("chromium-92")),
  "chromium-103": async () => launchBlink(await oldChromium("chromium-103")),
  "chromium-109": async () => launchBlink(await oldChromium("chromium-109")),
  firefox: launchGecko,
  webkit: launchWebKit,
};

/** The engine LODARIX_ENGINE names, started. */
export function launchEngine() {
  const name = process.env.LODARIX_ENGINE ?? "";
  const launch = Engines[name];
  if (!launch) throw new Error(`LODARIX_ENGINE is "${name}", not one of ${Object.keys(Engines)}`);
  return launch();
}
