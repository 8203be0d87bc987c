// The page's start: the embedded font, the form built from the core's
// description, the core's module, and the trip rules bound to the form. A
// floor button's click and the step timer are the only events that run a
// rule; the focus then starts at the first control in tab order, as on the
// desktop. The build places the core's factory (createLodarix), the font's
// bytes (lodarixFont) and the core's gzipped wasm (lodarixWasm), both in
// base64, and what the core says of the window and the motion view
// (lodarixForm, lodarixMotionTexts, lodarixMotionControls,
// lodarixMotionGraph) before this script in the same file. The motion view
// is made when first shown. The start-up check (start_check.js) ran before
// this script; where this browser lacks what the page needs, its notice
// stands in place of the form and the page goes no further; a failure while
// starting shows the same kind of notice (start_notice.js), with the page's
// texts (lodarixPageTexts).

import { button } from "./elements.js";
import { buildForm } from "./form_view.js";
import { LiveLog } from "./live_log.js";
import { MotionView } from "./motion_view.js";
import { noticeShown, showStartFailure } from "./start_notice.js";
import { windowControls } from "./window_controls.js";

/**
 * A promise that never settles: where the page stops, without an error.
 * @returns {Promise<never>}
 */
const stopHere = () => new Promise(() => {});
if (noticeShown(document)) await stopHere();

// Lodarix Serif: a subset of Liberation Serif 2.1.5 under the SIL Open Font
// License 1.1 (web/fonts/OFL.txt), so that every device draws the same. Made
// from its bytes it is ready at once, for the first layout of the form.
const fromBase64 = /** @type {any} */ (Uint8Array).fromBase64;
const bytesOf = (/** @type {string} */ base64) =>
  fromBase64 ? fromBase64(base64) : Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
document.fonts.add(new FontFace("Lodarix Serif", bytesOf(lodarixFont)));

// The gzipped wasm goes through a stream of the page's own (a Blob's would
// be read through the browser), unpacked while the form's first frame is
// drawn, then compiled on the browser's threads.
const gzipped = bytesOf(lodarixWasm);
const compiled = new Response(
  new ReadableStream({
    start(controller) {
      controller.enqueue(gzipped);
      controller.close();
    },
  }).pipeThrough(new DecompressionStream("gzip")),
)
  .arrayBuffer()
  .then((bytes) => WebAssembly.compile(bytes));

// The rules, once the core is ready and the motion record made.
/** @type {import("./lodarix.js").PageWindow | undefined} */
let rules;
/** @type {MotionView | undefined} */
let motionView;
// The motion record hears of each event at its page time: a step at the time
// it fell due, so that steps run late stand where they belong.
const view = buildForm(document, lodarixForm, {
  onPick: (floor) => {
    if (!rules) return;
    motion.setPageMs(performance.now());
    rules.pick(floor);
    motionView?.refresh();
  },
  onStep: (dueMs) => {
    if (!rules) return;
    motion.setPageMs(dueMs);
    rules.step();
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
const opener = button(
  document,
  lodarixMotionTexts.ShowMotionWindow,
  () => showMotion(!motionView?.shown),
  { className: "motion-opener" },
);
opener.setAttribute("aria-keyshortcuts", "F2");
opener.setAttribute("aria-expanded", "false");
const main = document.createElement("div");
main.className = "form-column";
main.append(view.form, opener, failure);
const page = document.createElement("div");
page.className = "page";
page.append(main);
// The description is the window as it stands once loaded, so it is shown
// at once, its first frame drawn (or, in a tab that draws none, a moment
// passed) while the wasm is unpacked and compiled, before the rules run the
// load on it. Till then it takes no click and no focus.
view.form.inert = true;
document.body.append(page, log.element);
await new Promise((drawn) => {
  requestAnimationFrame(() => setTimeout(drawn, 0));
  setTimeout(drawn, 100);
});

// The core's module, instantiated asynchronously: a browser may refuse to
// instantiate a module this size at once on its main thread (Chromium 103
// and 109 do). A failure puts the notice in place of the form, with the
// browser's words for why.
/** @returns {Promise<import("./lodarix.js").Core>} */
const startCore = async () => {
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
};
const core = await startCore().catch((/** @type {unknown} */ error) => {
  const reason = error instanceof Error ? `${error.name}: ${error.message}` : String(error);
  showStartFailure(document, lodarixPageTexts, reason);
  return stopHere();
});
const motion = new core.PageMotion(timer.periodMs);
/** @type {import("./lodarix.js").MotionFacts} */
const motionFacts = {
  texts: lodarixMotionTexts,
  controls: lodarixMotionControls,
  graph: lodarixMotionGraph,
};

const showMotion = (/** @type {boolean} */ shown) => {
  if (!motionView) {
    if (!shown) return;
    motionView = new MotionView(document, motion, timer, motionFacts);
    page.append(motionView.element);
  }
  const hadFocus = motionView.element.contains(document.activeElement);
  motionView.setShown(shown);
  opener.setAttribute("aria-expanded", String(shown));
  if (!shown && hadFocus) opener.focus();
};
document.addEventListener("keydown", (event) => {
  if (event.key === "F2") showMotion(!motionView?.shown);
  else if (event.key === "Escape" && motionView?.shown) showMotion(false);
  else return;
  event.preventDefault();
});

// A failure inside a rule ends the window, as on the desktop: the core's
// report says what failed and that the page is to be reloaded.
const stop = (/** @type {string} */ message) => {
  view.form.inert = true;
  failure.textContent = message;
  failure.hidden = false;
  console.error(message);
};
rules = new core.PageWindow(windowControls(view.registry, log, stop));
rules.observe(motion);
motion.setPageMs(performance.now());
// For the benchmarks and a developer's console: the core, and the motion
// view's class with what it is built with.
Object.defineProperty(globalThis, "lodarixPage", {
  value: Object.freeze({ core, MotionView, motionFacts }),
});
if (rules.load()) {
  view.form.inert = false;
  view.tabOrder.find((control) => !control.hidden)?.focus();
  document.body.dataset.ready = "true";
}
