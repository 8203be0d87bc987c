// The page at work. The build wrote the window into the page as it stands
// once loaded, so the first frame is the form; the host adopts what the
// build wrote (the layout, then the form), adds the tools and the views'
// openers, and lays the page out. Behind the first frame it starts the core,
// binds the rules to the form, runs the load, and then applies what the user
// did meanwhile (kept_input.js), in order, each at the time it was made. A
// click on a floor button and the step timer are the only events that run a
// rule, through the form's runner (form_runner.js), which holds the form's
// input while the form's code stands part-way; the views hear of each event
// through the events trace's rows, and of each call into the rules. A
// failure while starting puts the notice in place of the form; a failure
// inside a rule ends the window, as on the desktop; a failure of the form's
// code goes to the code view, and the page goes on.

import { startCore } from "./core_start.js";
import { FormRunner } from "./form_runner.js";
import { adoptForm } from "./form_view.js";
import { HeldInput } from "./held_input.js";
import { LateModules } from "./late_modules.js";
import { LiveLog } from "./live_log.js";
import { PageLayout, originalSizeAsked } from "./page_layout.js";
import { addScreenTools } from "./page_tools.js";
import { addViews } from "./page_views.js";
import { isRepeatClick } from "./radio_group.js";
import { showStartFailure } from "./start_notice.js";
import { windowControls } from "./window_controls.js";

/**
 * @typedef {object} HostFacts what the build gives the page's start
 * @property {import("./lodarix.js").FormDescription} form the window as it stands once loaded
 * @property {Record<string, string>} screenTexts the words of the page's screen controls
 * @property {Record<string, string>} pageTexts the page's own texts for its start
 * @property {{ motion: string, events: string, code: string }} openers the views' openers' names
 * @property {import("./lodarix.js").PageKeys} keys the keys the page binds
 */

/**
 * A promise that never settles: where the page stops, without an error.
 * @returns {Promise<never>}
 */
const stopHere = () => new Promise(() => {});

/** A frame drawn, or, in a tab that draws none, a moment passed. */
const frameDrawn = () =>
  new Promise((drawn) => {
    requestAnimationFrame(() => setTimeout(drawn, 0));
    setTimeout(drawn, 100);
  });

/**
 * @param {Document} document
 * @param {HostFacts} facts
 */
export async function startPage(document, facts) {
  const keptInput = globalThis.lodarixKeptInput;
  const layout = new PageLayout(document, facts.form, !originalSizeAsked(location));
  const late = new LateModules(document);
  const log = new LiveLog(document);
  const failure = document.createElement("p");
  failure.className = "failure";
  failure.setAttribute("role", "alert");
  failure.hidden = true;
  layout.column.append(failure);
  layout.page.append(log.element);
  /** @type {(lesson: import("./page_views.js").Lesson) => void} */
  let lessonReady = () => {};
  /** @type {Promise<import("./page_views.js").Lesson>} */
  const lesson = new Promise((resolve) => (lessonReady = resolve));
  const views = addViews(document, layout, late, lesson, facts.openers, facts.keys);
  addScreenTools(document, layout, facts.screenTexts, late, facts.keys.help);
  layout.fit();
  await frameDrawn();

  const core = await startCore(document, late).catch((/** @type {unknown} */ error) => {
    const reason = error instanceof Error ? `${error.name}: ${error.message}` : String(error);
    showStartFailure(document, facts.pageTexts, reason);
    return stopHere();
  });
  /** @type {FormRunner | undefined} */
  let runner;
  const eventMs = () => runner?.eventMs() ?? performance.now();
  const view = adoptForm(document, facts.form, {
    onPick: (floor) => runner?.pick(floor),
    onStep: (dueMs) => runner?.step(dueMs),
    onGrille: () => runner?.grille(),
  });
  const timer = [...view.registry.values()].find((control) => control.timer)?.timer;
  if (!timer) throw new Error("the form has no step timer");
  const motion = new core.PageMotion(timer.periodMs);
  motion.setStepTimer(timer);
  const trace = new core.PageTrace(motion);
  trace.setRowListener(() => views.refresh());
  const stop = (/** @type {string} */ message) => {
    view.form.inert = true;
    failure.textContent = message;
    failure.hidden = false;
    console.error(message);
  };
  const rules = new core.PageWindow(
    windowControls(view.registry, log, stop, views.codeFailed, eventMs, (periodMs) => {
      if (motion.followPeriod(periodMs)) views.intervalChanged();
    }),
  );
  rules.observe(motion);
  rules.watch(trace);
  const held = new HeldInput(document);
  runner = new FormRunner(rules, motion, held, view.click, views.refresh, timer);
  // The window the page showed first is the one the load leaves: the load
  // stands at the time the page began to keep the user's input.
  motion.setPageMs(keptInput?.sinceMs ?? performance.now());
  // For the benchmarks and a developer's console: the core, and the late
  // modules (the views' classes with their facts) by name; for the tests,
  // another program in place of the form's code, shown in the code view.
  Object.defineProperty(globalThis, "lodarixPage", {
    value: Object.freeze({
      core,
      late: (/** @type {string} */ name) => late.load(name),
      runProgram: views.runProgram,
    }),
  });
  if (!rules.load()) return;
  lessonReady({ core, motion, trace, timer, rules, runner, held, log, resetForm: view.reset });
  const focused = document.activeElement;
  if (!focused || focused === document.body)
    view.tabOrder.find((control) => !control.hidden)?.focus();
  for (const kept of keptInput?.release() ?? []) {
    runner.at(kept.timeMs, () => {
      if (kept.key) document.dispatchEvent(new KeyboardEvent("keydown", { key: kept.key }));
      else if (!isRepeatClick(kept)) view.click(kept.control);
    });
  }
  document.body.dataset.ready = "true";
}
