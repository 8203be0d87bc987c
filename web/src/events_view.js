// The events view beside the form: the program's events and variables as
// they run, from the core's trace (web/page/page_trace.h). A switch shows the
// lesson's trace, live, or the last script's; the table (events_table.js)
// draws only the rows in view; the drawing beside it (window_sketch.js) is
// the window after the current row, or after the newest when none is
// current; below, the scripts (script_panel.js). F3 or its opening control
// shows it, F3 again or Escape hides it; the trace goes on while it is
// hidden. A screen reader hears a row when the user moves to it, or reads
// it out whole on "Прочети реда" or Enter; rows added during a trip are not
// read out. A lesson's row that the user chooses is told (onRowChosen), and
// a row chosen elsewhere is shown without being told back (showRow).

import { EventsTable } from "./events_table.js";
import { ScriptPanel } from "./script_panel.js";
import { drawSketch } from "./window_sketch.js";

/** @typedef {import("./lodarix.js").Core} Core */
/** @typedef {import("./lodarix.js").PageTrace} PageTrace */
/** @typedef {import("./lodarix.js").PageScript} PageScript */
/** @typedef {import("./lodarix.js").EventsFacts} EventsFacts */
/** @typedef {import("./events_table.js").TraceSource} TraceSource */
/** @typedef {PageTrace | PageScript} ShownTrace */

let views = 0;

export class EventsView {
  #lesson;
  #texts;
  #sketchStyle;
  /** @type {PageScript | null} */
  #script = null;
  /** @type {ShownTrace} */
  #shown;
  /** @type {number | undefined} */
  #frame;
  #stale = true;
  #quiet = false;
  /** @type {(row: number) => void} the user chose a row of the lesson's trace */
  onRowChosen = () => {};

  /**
   * @param {Document} document
   * @param {Core} core
   * @param {PageTrace} lesson the lesson's trace
   * @param {Record<string, string>} texts the view's words
   * @param {EventsFacts} facts
   */
  constructor(document, core, lesson, texts, facts) {
    this.#lesson = lesson;
    this.#texts = texts;
    this.#sketchStyle = facts.sketch;
    this.#shown = lesson;
    const t = texts;
    this.element = document.createElement("section");
    this.element.className = "events-view";
    this.element.setAttribute("aria-label", t.WindowTitle);
    this.element.hidden = true;

    const name = `events-shown-${++views}`;
    const choice = document.createElement("fieldset");
    choice.className = "events-choice";
    const legend = document.createElement("legend");
    legend.textContent = t.TraceChoice;
    choice.append(legend);
    /** @param {string} text @param {boolean} checked */
    const radio = (text, checked) => {
      const label = document.createElement("label");
      const input = document.createElement("input");
      input.type = "radio";
      input.name = name;
      input.checked = checked;
      label.append(input, document.createTextNode(` ${text}`));
      choice.append(label);
      return input;
    };
    this.lessonButton = radio(t.LessonTrace, true);
    this.scriptButton = radio(t.ScriptTrace, false);
    this.scriptButton.disabled = true;
    this.lessonButton.addEventListener("change", () => this.showTrace("lesson"));
    this.scriptButton.addEventListener("change", () => this.showTrace("script"));
    this.readButton = document.createElement("button");
    this.readButton.type = "button";
    this.readButton.textContent = t.ReadRow;
    this.readButton.title = t.ReadRowTip;
    this.readButton.addEventListener("click", () => this.readRow());
    const bar = document.createElement("div");
    bar.className = "events-controls";
    bar.append(choice, this.readButton);

    this.table = new EventsTable(document, t.TraceTable, facts.columns, {
      onCurrent: (row) => {
        this.#drawSketch();
        if (!this.#quiet && this.#shown === this.#lesson) this.onRowChosen(row);
      },
      onRead: () => this.readRow(),
    });
    this.sketch = /** @type {HTMLCanvasElement} */ (document.createElement("canvas"));
    this.sketch.className = "events-sketch";
    this.sketch.setAttribute("role", "img");
    this.sketch.setAttribute("aria-label", t.DrawingOfNone);
    this.sketch.tabIndex = 0;
    this.scripts = new ScriptPanel(document, core, texts, facts, (run) => this.#ran(run));
    const below = document.createElement("div");
    below.className = "events-below";
    below.append(this.sketch, this.scripts.element);

    // Read out on demand only: nothing is written here while rows come.
    this.reader = document.createElement("div");
    this.reader.className = "visually-hidden events-reader";
    this.reader.setAttribute("role", "status");

    const heading = document.createElement("h2");
    heading.textContent = t.WindowTitle;
    this.element.append(heading, bar, this.table.element, below, this.reader);
    this.table.setSource(lesson);
    // A page that scales or wraps its views resizes them: the grid draws the
    // rows now in view, and the drawing is drawn anew at its new size.
    new ResizeObserver(() => {
      if (!this.shown) return;
      this.table.render();
      this.#drawSketch();
    }).observe(this.element);
  }

  get shown() {
    return !this.element.hidden;
  }

  /** Which trace the table shows. */
  get showing() {
    return this.#shown === this.#lesson ? "lesson" : "script";
  }

  /** @param {boolean} shown */
  setShown(shown) {
    if (shown === this.shown) return;
    this.element.hidden = !shown;
    if (!shown) return;
    this.table.update();
    this.table.render();
    this.#drawSketch();
  }

  /** @param {"lesson" | "script"} which */
  showTrace(which) {
    const trace = which === "script" && this.#script ? this.#script : this.#lesson;
    (trace === this.#lesson ? this.lessonButton : this.scriptButton).checked = true;
    if (trace === this.#shown) return;
    this.#shown = trace;
    this.table.setSource(trace);
    this.#drawSketch();
  }

  /** The lesson's trace has new rows: drawn at the next frame, if shown. */
  refresh() {
    this.#stale = true;
    if (!this.shown || this.#frame !== undefined) return;
    this.#frame = requestAnimationFrame(() => {
      this.#frame = undefined;
      this.draw();
    });
  }

  /** Draws the table and the drawing now, from the trace as it stands. */
  draw() {
    if (this.#frame !== undefined) cancelAnimationFrame(this.#frame);
    this.#frame = undefined;
    if (!this.#stale) return;
    this.#stale = false;
    const before = this.table.rowCount;
    this.table.update();
    if (this.table.current < 0 || before === 0) this.#drawSketch();
  }

  /**
   * The lesson's row made current and brought into view, as chosen elsewhere.
   * @param {number} row
   */
  showRow(row) {
    if (row < 0 || this.#shown !== this.#lesson) return;
    this.#quiet = true;
    this.draw();
    this.table.select(row);
    this.#quiet = false;
  }

  /** The current row, or the newest, read out by a screen reader. */
  readRow() {
    const count = this.table.rowCount;
    if (count === 0) return;
    const row = this.table.current >= 0 ? this.table.current : count - 1;
    // Emptied first, so that the same row asked for twice is read twice.
    this.reader.textContent = "";
    requestAnimationFrame(() => (this.reader.textContent = this.#shown.summary(row)));
  }

  /** @param {PageScript} run */
  #ran(run) {
    const old = this.#script;
    this.#script = run;
    this.scriptButton.disabled = false;
    if (this.#shown === old) this.#shown = this.#lesson;
    this.showTrace("script");
    this.#stale = true;
  }

  #drawSketch() {
    const count = this.#shown.rowCount();
    const row = this.table.current >= 0 ? this.table.current : count - 1;
    /** @type {import("./window_sketch.js").Sketch | null} */
    const sketch = row >= 0 ? JSON.parse(this.#shown.sketchJson(row)) : null;
    this.sketch.setAttribute("aria-label", sketch ? sketch.name : this.#texts.DrawingOfNone);
    if (sketch) this.sketch.setAttribute("aria-description", sketch.description);
    else this.sketch.removeAttribute("aria-description");
    if (this.shown) drawSketch(this.sketch, sketch, this.#sketchStyle);
  }
}
