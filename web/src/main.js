// The page's start: the embedded font, the form built from the core's
// description, the core's module, and the trip rules bound to the form. A
// floor button's click and the step timer are the only events that run a
// rule; the focus then starts at the first control in tab order, as on the
// desktop. The build places the core's factory (createLodarix), the font's
// bytes (lodarixFont) and the core's gzipped wasm (lodarixWasm), both in
// base64, and what the core says of the window and the motion view
// (lodarixForm, lodarixMotionTexts, lodarixMotionControls,
// lodarixMotionGraph, lodarixHelp, lodarixScreenTexts, lodarixEventsTexts,
// lodarixEventsFacts) before this script in the same file. The motion view
// and the events view are made when first shown; the events trace is kept
// from the load on. The page fits the window unless the address asks for
// the original size (page_layout.js). The start-up check (start_check.js)
// ran before this script; where this browser lacks what the page needs, its
// notice stands in place of the form and the page goes no further; a
// failure while starting shows the same kind of notice (start_notice.js),
// with the page's texts (lodarixPageTexts).

import { EventsView } from "./events_view.js";
import { buildForm } from "./form_view.js";
import { LiveLog } from "./live_log.js";
import { MotionView } from "./motion_view.js";
import { PageLayout, originalSizeAsked } from "./page_layout.js";
import { addScreenTools, toolButton } from "./page_tools.js";
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
// be read through the browser). It is unpacked and compiled while the form
// is built and its first frame drawn, which do not wait for it; a failure
// shows when the core is started.
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
compiled.catch(() => {});

// The rules, once the core is ready and the motion record made.
/** @type {import("./lodarix.js").PageWindow | undefined} */
let rules;
/** @type {MotionView | undefined} */
let motionView;
/** @type {EventsView | undefined} */
let eventsView;
// The motion record hears of each event at its page time: a step at the time
// it fell due, so that steps run late stand where they belong.
const view = buildForm(document, lodarixForm, {
  onPick: (floor) => {
    if (!rules) return;
    motion.setPageMs(performance.now());
    rules.pick(floor);
    motionView?.refresh();
    eventsView?.refresh();
  },
  onStep: (dueMs) => {
    if (!rules) return;
    motion.setPageMs(dueMs);
    rules.step();
    motionView?.refresh();
    eventsView?.refresh();
  },
  onGrille: () => {
    if (!rules) return;
    motion.setPageMs(performance.now());
    rules.grilleClicked();
    eventsView?.refresh();
  },
});
const log = new LiveLog(document);
const failure = document.createElement("p");
failure.className = "failure";
failure.setAttribute("role", "alert");
failure.hidden = true;
const timer = [...view.registry.values()].find((control) => control.timer)?.timer;
if (!timer) throw new Error("the form has no step timer");
const opener = toolButton(document, lodarixMotionTexts.ShowMotionWindow, "graph");
opener.className = "motion-opener";
opener.addEventListener("click", () => showMotion(!motionView?.shown));
opener.setAttribute("aria-keyshortcuts", "F2");
opener.setAttribute("aria-expanded", "false");
const eventsOpener = toolButton(document, lodarixEventsTexts.ShowEventsView, "events");
eventsOpener.className = "events-opener";
eventsOpener.addEventListener("click", () => showEvents(!eventsView?.shown));
eventsOpener.setAttribute("aria-keyshortcuts", "F3");
eventsOpener.setAttribute("aria-expanded", "false");
const layout = new PageLayout(document, view.form, lodarixForm, !originalSizeAsked(location));
layout.tools.append(opener, eventsOpener);
addScreenTools(document, layout, lodarixScreenTexts, lodarixHelp);
layout.column.append(failure);
layout.page.append(log.element);
// The description is the window as it stands once loaded, so it is shown
// at once, its first frame drawn (or, in a tab that draws none, a moment
// passed) while the wasm compiles, before the rules run the load on it.
// Till then it takes no click and no focus.
view.form.inert = true;
document.body.append(layout.page);
layout.fit();
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
    layout.views.append(motionView.element);
  }
  const hadFocus = motionView.element.contains(document.activeElement);
  motionView.setShown(shown);
  opener.setAttribute("aria-expanded", String(shown));
  if (!shown && hadFocus) opener.focus();
};
const trace = new core.PageTrace(motion);
const showEvents = (/** @type {boolean} */ shown) => {
  if (!eventsView) {
    if (!shown) return;
    eventsView = new EventsView(document, core, trace, lodarixEventsTexts, lodarixEventsFacts);
    layout.views.append(eventsView.element);
  }
  const hadFocus = eventsView.element.contains(document.activeElement);
  eventsView.setShown(shown);
  eventsOpener.setAttribute("aria-expanded", String(shown));
  if (!shown && hadFocus) eventsOpener.focus();
};
// Escape hides the view that has the focus, else the motion view.
document.addEventListener("keydown", (event) => {
  const inEvents = eventsView?.element.contains(document.activeElement);
  if (event.key === "F2") showMotion(!motionView?.shown);
  else if (event.key === "F3") showEvents(!eventsView?.shown);
  else if (event.key === "Escape" && inEvents) showEvents(false);
  else if (event.key === "Escape" && motionView?.shown) showMotion(false);
  else if (event.key === "Escape" && eventsView?.shown) showEvents(false);
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
rules.watch(trace);
motion.setPageMs(performance.now());
// For the benchmarks and a developer's console: the core, and the views'
// classes with what they are built with.
Object.defineProperty(globalThis, "lodarixPage", {
  value: Object.freeze({
    core,
    MotionView,
    motionFacts,
    EventsView,
    eventsTexts: lodarixEventsTexts,
    eventsFacts: lodarixEventsFacts,
  }),
});
if (rules.load()) {
  view.form.inert = false;
  view.tabOrder.find((control) => !control.hidden)?.focus();
  document.body.dataset.ready = "true";
}
