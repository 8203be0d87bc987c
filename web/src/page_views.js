// The views beside the form: the motion view (F2, or its opener) and the
// events view (F3, or its opener); F2 or F3 again hides its view, and Escape
// hides the view that has the focus, else the motion view. Each view's
// script and facts come with its first showing (late_modules.js), and it
// reads the lesson, so a view asked for while the page starts shows once
// the rules are loaded. A view once made is told after every event the
// events trace takes a row of, once the event is done.

import { toolButton } from "./page_tools.js";

/** @typedef {import("./page_layout.js").PageLayout} PageLayout */
/** @typedef {import("./late_modules.js").LateModules} LateModules */

/**
 * @typedef {object} Lesson what the views read, once the rules are loaded
 * @property {import("./lodarix.js").Core} core
 * @property {import("./lodarix.js").PageMotion} motion
 * @property {import("./lodarix.js").PageTrace} trace
 * @property {import("./step_timer.js").StepTimer} timer
 */

/**
 * @typedef {object} View
 * @property {HTMLElement} element
 * @property {boolean} shown
 * @property {(shown: boolean) => void} setShown
 * @property {() => void} refresh
 */

class ViewOpener {
  /** @type {Promise<View> | undefined} */
  #view;
  /** @type {View | undefined} */
  made;
  #wanted = false;

  /**
   * @param {HTMLButtonElement} button
   * @param {PageLayout} layout
   * @param {() => Promise<View>} make
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

  /** @param {boolean} shown */
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
  }
}

/**
 * Adds the views' openers to the tools, and the views' keys to the page.
 * @param {Document} document
 * @param {PageLayout} layout
 * @param {LateModules} late
 * @param {Promise<Lesson>} lesson
 * @param {{ motion: string, events: string }} names the openers' names
 * @param {import("./lodarix.js").PageKeys} keys
 * @returns {{ refresh: () => void }}
 */
export function addViews(document, layout, late, lesson, names, keys) {
  /**
   * @param {string} name
   * @param {string} className
   * @param {"graph" | "events"} icon
   * @param {string[]} viewKeys
   * @param {() => Promise<View>} make
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
    const [{ MotionView, facts }, { motion, timer }] = await Promise.all([
      late.load("motion"),
      lesson,
    ]);
    return new MotionView(document, motion, timer, facts);
  });
  const events = opener(names.events, "events-opener", "events", keys.eventsView, async () => {
    const [{ EventsView, texts, facts }, { core, trace }] = await Promise.all([
      late.load("events"),
      lesson,
    ]);
    return new EventsView(document, core, trace, texts, facts);
  });
  document.addEventListener("keydown", (event) => {
    const inEvents = events.made?.element.contains(document.activeElement);
    const closing = keys.close.includes(event.key);
    if (keys.motionView.includes(event.key)) motion.show(!motion.shown);
    else if (keys.eventsView.includes(event.key)) events.show(!events.shown);
    else if (closing && inEvents) events.show(false);
    else if (closing && motion.shown) motion.show(false);
    else if (closing && events.shown) events.show(false);
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
      });
    },
  };
}
