// The page's start: the embedded font, the core's module, the form built from
// the core's description, and the trip rules bound to it. A floor button's
// click and the step timer are the only events that run a rule; the focus
// then starts at the first control in tab order, as on the desktop. The
// build places the core's factory (createLodarix), the font's bytes
// (lodarixFont) and the core's gzipped wasm (lodarixWasm), both in base64,
// before this script in the same file.

import { buildForm } from "./form_view.js";
import { LiveLog } from "./live_log.js";
import { MotionView } from "./motion_view.js";
import { windowControls } from "./window_controls.js";

// Lodarix Serif: a subset of Liberation Serif 2.1.5 under the SIL Open Font
// License 1.1 (web/fonts/OFL.txt), so that every device draws the same. Made
// from its bytes it is ready at once, for the first layout of the form.
const fromBase64 = /** @type {any} */ (Uint8Array).fromBase64;
const bytesOf = (/** @type {string} */ base64) =>
  fromBase64 ? fromBase64(base64) : Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
document.fonts.add(new FontFace("Lodarix Serif", bytesOf(lodarixFont)));

// With its wasm given and compiled at once, the factory gives the ready
// module itself. The gzipped bytes go through a stream of the page's own (a
// Blob's would be read through the browser).
const gzipped = bytesOf(lodarixWasm);
const wasm = new ReadableStream({
  start(controller) {
    controller.enqueue(gzipped);
    controller.close();
  },
}).pipeThrough(new DecompressionStream("gzip"));
const core = await createLodarix({ wasmBinary: await new Response(wasm).arrayBuffer() });
/** @type {import("./lodarix.js").FormDescription} */
const description = JSON.parse(core.formDescriptionJson());

/** @type {import("./lodarix.js").PageWindow | undefined} */
let rules;
// The motion record hears of each event at its page time: a step at the time
// it fell due, so that steps run late stand where they belong.
/** @type {import("./lodarix.js").PageMotion | undefined} */
let motion;
const view = buildForm(document, description, {
  onPick: (floor) => {
    motion?.setPageMs(performance.now());
    rules?.pick(floor);
    motionView?.refresh();
  },
  onStep: (dueMs) => {
    motion?.setPageMs(dueMs);
    rules?.step();
    motionView?.refresh();
  },
});
const log = new LiveLog(document);
const failure = document.createElement("p");
failure.className = "failure";
failure.setAttribute("role", "alert");
failure.hidden = true;
const timer = [...view.registry.values()].find((control) => control.timer)?.timer;
if (!timer) throw new Error("the form has no step timer");
motion = new core.PageMotion(timer.periodMs);
/** @type {Record<string, string>} */
const motionTexts = JSON.parse(core.motionTextsJson());
/** @type {import("./lodarix.js").MotionControls} */
const motionControls = JSON.parse(core.motionControlsJson());
const motionView = new MotionView(document, motion, timer, motionTexts, motionControls);
const opener = document.createElement("button");
opener.type = "button";
opener.className = "motion-opener";
opener.textContent = motionTexts.ShowMotionWindow;
opener.setAttribute("aria-keyshortcuts", "F2");
opener.setAttribute("aria-expanded", "false");
const showMotion = (/** @type {boolean} */ shown) => {
  const hadFocus = motionView.element.contains(document.activeElement);
  motionView.setShown(shown);
  opener.setAttribute("aria-expanded", String(shown));
  if (!shown && hadFocus) opener.focus();
};
opener.addEventListener("click", () => showMotion(!motionView.shown));
document.addEventListener("keydown", (event) => {
  if (event.key === "F2") showMotion(!motionView.shown);
  else if (event.key === "Escape" && motionView.shown) showMotion(false);
  else return;
  event.preventDefault();
});
const main = document.createElement("div");
main.className = "form-column";
main.append(view.form, opener, failure);
const page = document.createElement("div");
page.className = "page";
page.append(main, motionView.element);
document.body.append(page, log.element);

// A failure inside a rule ends the window, as on the desktop, and says why.
const stop = (/** @type {string} */ message) => {
  view.form.inert = true;
  failure.textContent = message;
  failure.hidden = false;
  console.error(message);
};
rules = new core.PageWindow(windowControls(view.registry, log, stop));
rules.observe(motion);
motion.setPageMs(performance.now());
// For the benchmarks and a developer's console: the core and the motion view.
Object.defineProperty(globalThis, "lodarixPage", { value: Object.freeze({ core, motionView }) });
if (rules.load()) {
  view.tabOrder.find((control) => !control.hidden)?.focus();
  document.body.dataset.ready = "true";
}
