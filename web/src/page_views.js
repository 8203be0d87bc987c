// The views beside the form: the motion view (F2, or its opener), the
// events view (F3, or its opener) and the code view (F4, or its opener);
// each key again hides its view, and Escape hides the view that has the
// focus, else the motion view, else the events view, else the code view.
// Each view's script and facts come with its first showing
// (late_modules.js), and it reads the lesson, so a view asked for while the
// page starts shows once the rules are loaded. A view once made is told
// after every event the events trace takes a row of, and after every call
// into the rules, once the event is done. The code view's own key for the
// next line works wherever the focus is. When both are shown, a row the
// user chooses in the events view chooses its step in the code view, and a
// step chosen in the code view selects its row in the events view.

import { toolButton } from "./page_tools.js";

/** @typedef {import("./page_layout.js").PageLayout} PageLayout */
/** @typedef {import("./late_modules.js").LateModules} LateModules */

/**
 * @typedef {object} Lesson what the views read, once the rules are loaded
 * @property {import("./lodarix.js").Core} core
 * @property {import("./lodarix.js").PageMotion} motion
 * @property {import("./lodarix.js").PageTrace} trace
 * @property {import("./step_timer.js").StepTimer} timer
 * @property {import("./lodarix.js").PageWindow} rules
 * @property {import("./form_runner.js").FormRunner} runner
 * @property {import("./held_input.js").HeldInput} held
 * @property {import("./live_log.js").LiveLog} log
 * @property {import("./form_view.js").FormView["reset"]} resetForm
 */

/**
 * @typedef {object} View
 * @property {HTMLElement} element
 * @property {boolean} shown
 * @property {(shown: boolean) => void} setShown
 * @property {() => void} refresh
 */

/** @template {View} V */
class ViewOpener {
  /** @type {Promise<V> | undefined} */
  #view;
  /** @type {V | undefined} */
  made;
  #wanted = false;

  /**
   * @param {HTMLButtonElement} button
   * @param {PageLayout} layout
   * @param {() => Promise<V>} make
   */
  constructor(button, layout, make) {
    this.button = button;
    this.layout = layout;
    this.make = make;
    button.addEventListener("click", () => this.show(!this.#wanted));
  }

  get shown() {
    return this.#wanted;
  }

  /**
   * @param {boolean} shown
   * @returns {Promise<V> | undefined} the view, once made
   */
  show(shown) {
    this.#wanted = shown;
    if (!this.#view && !shown) return;
    this.#view ??= this.make().then((view) => {
      this.layout.views.append(view.element);
      return (this.made = view);
    });
    this.#view.then((view) => {
      const wanted = this.#wanted;
      if (view.shown === wanted) return;
      const hadFocus = view.element.contains(view.element.ownerDocument.activeElement);
      view.setShown(wanted);
      this.button.setAttribute("aria-expanded", String(wanted));
      if (!wanted && hadFocus) this.button.focus();
    });
    return this.#view;
  }
}

/**
 * Adds the views' openers to the tools, and the views' keys to the page.
 * @param {Document} document
 * @param {PageLayout} layout
 * @param {LateModules} late
 * @param {Promise<Lesson>} lesson
 * @param {{ motion: string, events: string, code: string }} names the openers' names
 * @param {import("./lodarix.js").PageKeys} keys
 * @returns {{
 *   refresh: () => void,
 *   intervalChanged: () => void,
 *   codeFailed: (report: string, line: number) => void,
 *   runProgram: (source: string) => Promise<void>,
 * }}
 */
export function addViews(document, layout, late, lesson, names, keys) {
  /**
   * @param {string} name
   * @param {string} className
   * @param {"graph" | "events" | "code"} icon
   * @template {View} V
   * @param {string[]} viewKeys
   * @param {() => Promise<V>} make
   */
  const opener = (name, className, icon, viewKeys, make) => {
    const button = toolButton(document, name, icon);
    button.className = className;
    button.setAttribute("aria-keyshortcuts", viewKeys.join(" "));
    button.setAttribute("aria-expanded", "false");
    layout.tools.append(button);
    return new ViewOpener(button, layout, make);
  };
  const motion = opener(names.motion, "motion-opener", "graph", keys.motionView, async () => {
    const [{ MotionView, facts }, { motion, timer, held }] = await Promise.all([
      late.load("motion"),
      lesson,
    ]);
    return new MotionView(document, motion, timer, facts, held);
  });
  const events = opener(names.events, "events-opener", "events", keys.eventsView, async () => {
    const [{ EventsView, texts, facts }, { core, trace }] = await Promise.all([
      late.load("events"),
      lesson,
    ]);
    /** @type {import("./events_view.js").EventsView} */
    const view = new EventsView(document, core, trace, texts, facts);
    view.onRowChosen = (row) => {
      if (view.shown && code.made?.shown) code.made.chooseRow(row);
    };
    return view;
  });
  /** @type {() => Promise<import("./code_view.js").CodeView>} */
  const makeCode = async () => {
    const [{ CodeView, texts, editingTexts, facts, keys }, drawing, taught] = await Promise.all([
      late.load("code"),
      late.load("events"),
      lesson,
    ]);
    /** @type {(canvas: HTMLCanvasElement, sketch: import("./window_sketch.js").Sketch | null) => void} */
    const draw = (canvas, sketch) => drawing.drawSketch(canvas, sketch, drawing.facts.sketch);
    /** @type {import("./code_view.js").CodeView} */
    const view = new CodeView(document, taught, texts, editingTexts, facts, keys, draw);
    view.onStepChosen = (row) => {
      if (view.shown && events.made?.shown) events.made.showRow(row);
    };
    return view;
  };
  const code = opener(names.code, "code-opener", "code", keys.codeView, makeCode);
  document.addEventListener("keydown", (event) => {
    const inEvents = events.made?.element.contains(document.activeElement);
    const inCode = code.made?.element.contains(document.activeElement);
    const closing = keys.close.includes(event.key);
    if (keys.motionView.includes(event.key)) motion.show(!motion.shown);
    else if (keys.eventsView.includes(event.key)) events.show(!events.shown);
    else if (keys.codeView.includes(event.key)) code.show(!code.shown);
    else if (keys.nextLine.includes(event.key) && code.made) code.made.nextLine();
    else if (closing && inEvents) events.show(false);
    else if (closing && inCode) code.show(false);
    else if (closing && motion.shown) motion.show(false);
    else if (closing && events.shown) events.show(false);
    else if (closing && code.shown) code.show(false);
    else return;
    event.preventDefault();
  });
  let pending = false;
  return {
    refresh() {
      if (pending) return;
      pending = true;
      queueMicrotask(() => {
        pending = false;
        motion.made?.refresh();
        events.made?.refresh();
        code.made?.refresh();
      });
    },
    intervalChanged() {
      motion.made?.showInterval();
    },
    codeFailed(report, line) {
      code.made?.failed(report, line);
    },
    async runProgram(source) {
      await code.show(true);
      code.made?.runProgram(source);
    },
  };
}
