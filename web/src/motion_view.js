// The motion view beside the form: the teacher's time controls, the clocks,
// the two graphs, the trips table and saving, all in the core's words and
// from the core's record (web/page/page_motion.h). F2 or its opening control shows
// it, F2 again or Escape hides it, and hiding lets held steps go on; the
// record goes on while it is hidden. The time controls act on the page's step
// timer through its seam (hold, deliver, period) and on the model clock;
// P or Pause and S work from any control of the view; "Стъпка" waits while
// the form's code stands part-way through a procedure. Its redraws keep out
// of the steps' way (redraw_pacing.js): each is timed with the frame that
// shows it, and one that would run when a step falls due waits for it.

import { button, download, make } from "./elements.js";
import { drawGraph, fitCanvas } from "./motion_graph.js";
import { RedrawPacing } from "./redraw_pacing.js";
import { timeControls } from "./time_controls.js";
import { TripsTable } from "./trips_table.js";

/** @typedef {import("./lodarix.js").PageMotion} PageMotion */
/** @typedef {import("./step_timer.js").StepTimer} StepTimer */
/** @typedef {import("./held_input.js").HeldInput} HeldInput */
/** @typedef {import("./lodarix.js").MotionFacts} MotionFacts */

export class MotionView {
  #document;
  #motion;
  #showInterval = () => {};
  /** @type {HeldInput | undefined} */
  #held;
  #texts;
  #keys;
  #settings;
  #graph;
  /** @type {number | undefined} */
  #frame;
  /** @type {number | undefined} */
  #update;
  #pacing;
  // Its message comes in the task after the frame that shows a redraw.
  #frameDone = new MessageChannel();
  /** @type {number | undefined} */
  #redrawBegun;

  /**
   * @param {Document} document
   * @param {PageMotion} motion
   * @param {StepTimer} timer
   * @param {MotionFacts} facts the view's words, its controls' ranges, its graphs and table, its keys
   * @param {HeldInput} [held] the form's input, held while its code stands part-way
   */
  constructor(document, motion, timer, facts, held) {
    this.#document = document;
    this.#motion = motion;
    this.#texts = facts.texts;
    this.#keys = facts.keys;
    this.#settings = facts.controls;
    this.#graph = facts.graph;
    this.#pacing = new RedrawPacing(timer);
    this.#frameDone.port1.onmessage = () => {
      if (this.#redrawBegun !== undefined) this.#pacing.took(performance.now() - this.#redrawBegun);
      this.#redrawBegun = undefined;
    };
    const t = facts.texts;
    this.element = make(document, "section", undefined, "motion-view");
    this.element.setAttribute("aria-label", t.WindowTitle);
    this.element.hidden = true;

    const controls = timeControls(document, t, facts.controls, {
      onPause: () => this.setPaused(!this.paused),
      onStep: () => this.step(),
    });
    this.pauseButton = controls.pauseButton;
    this.stepButton = controls.stepButton;
    this.interval = controls.interval;
    this.height = controls.height;
    this.wholeSession = controls.wholeSession;
    this.#paceField(this.interval.input, {
      nudge: (steps) => motion.nudgeIntervalMs(steps),
      type: (typed) => motion.typeIntervalMs(typed),
      value: () => motion.intervalMs(),
      text: () => motion.intervalText(),
    });
    this.#paceField(this.height.input, {
      nudge: (steps) => motion.nudgeStoreyHeight(steps),
      type: (typed) => motion.typeStoreyHeight(typed),
      value: () => motion.storeyHeight(),
      text: () => motion.storeyHeightText(),
    });
    this.wholeSession.addEventListener("change", () => this.refresh());

    this.clock = make(document, "span", undefined, "motion-clock");
    this.tripClock = make(document, "span", undefined, "motion-clock");
    const clocks = make(document, "div", undefined, "motion-clocks");
    clocks.append(this.clock, this.tripClock);
    this.positionGraph = this.#canvas(t.PositionGraphName);
    this.speedGraph = this.#canvas(t.SpeedGraphName);
    this.trips = new TripsTable(document, t.Trips, facts.graph.tripColumns);
    const saving = make(document, "div", undefined, "motion-controls");
    saving.append(
      button(document, t.SaveWorkbook, () => this.saveWorkbook(), { title: t.SaveWorkbookTip }),
      button(document, t.SaveCsv, () => this.saveCsv(), { title: t.SaveCsvTip }),
      button(document, t.SaveImage, () => this.saveImage(), { title: t.SaveImageTip }),
    );

    this.element.append(
      make(document, "h2", t.WindowTitle),
      controls.row,
      clocks,
      this.positionGraph,
      this.speedGraph,
      this.trips.element,
      saving,
    );
    this.element.addEventListener("keydown", (event) => this.#key(event));
    this.#held = held;
    held?.addEventListener("change", () => this.#showStep());
  }

  get shown() {
    return !this.element.hidden;
  }

  get paused() {
    return this.#motion.paused();
  }

  /** @param {boolean} shown */
  setShown(shown) {
    if (shown === this.shown) return;
    if (!shown) this.setPaused(false);
    this.element.hidden = !shown;
    if (shown) this.refresh();
  }

  /** @param {boolean} paused */
  setPaused(paused) {
    if (!this.#motion.setPaused(paused, performance.now())) return;
    this.pauseButton.textContent = paused ? this.#texts.Continue : this.#texts.Pause;
    this.pauseButton.title = paused ? this.#texts.ContinueTip : this.#texts.PauseTip;
    this.#showStep();
    this.refresh();
  }

  /**
   * While paused, one step by hand if a trip is under way; it takes one
   * interval. None while the form's code stands part-way.
   */
  step() {
    if (!this.#held?.holding) this.#motion.step();
  }

  #showStep() {
    this.stepButton.disabled = !this.paused || this.#held?.holding === true;
  }

  get storeyHeight() {
    return this.#motion.storeyHeight();
  }

  /**
   * Binds a field of the teacher's to the core's pacer: its arrows and Page
   * keys move it by its steps, what is typed is read once typing ends (the
   * text typed so far first, before an arrow), and it shows the value the
   * pacer keeps.
   * @param {HTMLInputElement} input
   * @param {{ nudge: (steps: number) => boolean, type: (typed: string) => boolean,
   *   value: () => number, text: () => string }} pacer
   */
  #paceField(input, pacer) {
    const show = () => {
      input.value = pacer.text();
      input.setAttribute("aria-valuenow", String(pacer.value()));
      this.refresh();
    };
    if (input === this.interval.input) this.#showInterval = show;
    /** @type {Record<string, number>} */
    const steps = { ArrowUp: 1, ArrowDown: -1, PageUp: 10, PageDown: -10 };
    input.addEventListener("keydown", (event) => {
      if (!(event.key in steps) || event.altKey || event.ctrlKey || event.metaKey) return;
      event.preventDefault();
      pacer.type(input.value);
      pacer.nudge(steps[event.key]);
      show();
    });
    input.addEventListener("change", () => {
      pacer.type(input.value);
      show();
    });
    show();
  }

  /**
   * Redraws at the next frame, or, where that would hold up a step, once
   * the step has run; a shown view that is not paused goes on redrawing
   * every viewUpdateMs after that, as its clocks run.
   */
  /** The interval as the pacer keeps it, after the form's code set it. */
  showInterval() {
    this.#showInterval();
  }

  refresh() {
    if (!this.shown || this.#frame !== undefined) return;
    this.#frame = requestAnimationFrame(() => {
      this.#frame = undefined;
      const begun = performance.now();
      if (!this.#pacing.mayStart(begun)) {
        this.#redrawIn(Math.max(0, (this.#pacing.heldUntil ?? begun) - begun) + 1);
        return;
      }
      this.draw();
      this.#redrawBegun = begun;
      this.#frameDone.port2.postMessage(null);
    });
  }

  /** @param {number | undefined} delayMs none when undefined */
  #redrawIn(delayMs) {
    if (this.#update !== undefined) window.clearTimeout(this.#update);
    this.#update =
      delayMs === undefined
        ? undefined
        : window.setTimeout(() => {
            this.#update = undefined;
            this.refresh();
          }, delayMs);
  }

  /**
   * Draws everything now, from the record as it stands: the graphs first,
   * which read the canvases' layout, then the text, which changes it.
   */
  draw() {
    const pageMs = performance.now();
    this.drawGraph("position");
    this.drawGraph("speed");
    this.clock.textContent = this.#motion.clockText(pageMs);
    this.tripClock.textContent = this.#motion.tripClockText(pageMs);
    const height = this.storeyHeight;
    this.positionGraph.setAttribute("aria-description", this.#motion.positionDescription());
    this.speedGraph.setAttribute("aria-description", this.#motion.speedDescription(height));
    this.trips.fill(JSON.parse(this.#motion.tripRowsJson(height)));
    this.#redrawIn(this.paused ? undefined : this.#settings.viewUpdateMs);
  }

  /**
   * One graph now: the last 60 s, or the whole session.
   * @param {"position" | "speed"} kind
   */
  drawGraph(kind) {
    const canvas = kind === "position" ? this.positionGraph : this.speedGraph;
    const { plot, labelWidth } = fitCanvas(canvas, this.#graph);
    const { frame, path, line } = this.#motion.graph(
      kind === "speed",
      this.wholeSession.checked,
      performance.now(),
      plot,
      labelWidth,
      this.storeyHeight,
    );
    const graph = { ...JSON.parse(frame), path, line };
    drawGraph(canvas, kind, graph, this.#graph, {
      TimeAxis: this.#texts.TimeAxis,
      FloorAxis: this.#texts.FloorAxis,
      SpeedAxis: this.#texts.SpeedAxis,
    });
  }

  saveCsv() {
    download(this.#document, this.#motion.csv(), "text/csv", "lodarix-motion.csv");
  }

  saveWorkbook() {
    download(
      this.#document,
      this.#motion.workbook(this.storeyHeight),
      "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet",
      "lodarix-motion.xlsx",
    );
  }

  /** Both graphs, one above the other, as one PNG. */
  saveImage() {
    this.draw();
    const [top, bottom] = [this.positionGraph, this.speedGraph];
    const picture = this.#document.createElement("canvas");
    picture.width = Math.max(top.width, bottom.width);
    picture.height = top.height + bottom.height;
    const context = /** @type {CanvasRenderingContext2D} */ (picture.getContext("2d"));
    context.drawImage(top, 0, 0);
    context.drawImage(bottom, 0, top.height);
    picture.toBlob((blob) => {
      if (blob) download(this.#document, blob, "image/png", "lodarix-motion.png");
    }, "image/png");
  }

  /** @param {KeyboardEvent} event */
  #key(event) {
    if (event.altKey || event.ctrlKey || event.metaKey) return;
    const is = (/** @type {string[]} */ keys) =>
      keys.includes(event.key) || keys.includes(event.key.toLowerCase());
    if (is(this.#keys.pause)) this.setPaused(!this.paused);
    else if (is(this.#keys.step)) this.step();
    else return;
    event.preventDefault();
  }

  /** @param {string} name */
  #canvas(name) {
    const canvas = /** @type {HTMLCanvasElement} */ (
      make(this.#document, "canvas", undefined, "motion-graph")
    );
    canvas.setAttribute("role", "img");
    canvas.setAttribute("aria-label", name);
    canvas.tabIndex = 0;
    new ResizeObserver(() => this.refresh()).observe(canvas);
    return canvas;
  }
}
