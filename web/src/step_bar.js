// The code view's history bar: back and forth through the statements that
// ran, which the core keeps and chooses among (web/page/page_history.h).
// Back, a slider over the steps kept, forward, a step by its number and the
// latest; under them the step's heading and the variables after it, and a
// drawing of the form after it (window_sketch.js). The bar only shows what
// the core says; the choosing is the core's.

import { button } from "./elements.js";

/** @typedef {import("./window_sketch.js").Sketch} Sketch */

/**
 * @typedef {object} StepState the step shown, as the core writes it
 * @property {number} count statements kept; the rest only when some are
 * @property {number} first
 * @property {number} last
 * @property {number} step
 * @property {boolean} following
 * @property {number} line
 * @property {number} row the events trace's row, or -1
 * @property {string} heading
 * @property {string} variables
 * @property {string} dropped
 * @property {Sketch} sketch
 */

/**
 * @typedef {object} StepActs
 * @property {(by: number) => void} move by steps from the one shown
 * @property {(step: number) => void} choose a step by its number; Infinity the latest
 */

export class StepBar {
  #texts;
  #draw;

  /**
   * @param {Document} document
   * @param {Record<string, string>} texts the code view's words
   * @param {StepActs} acts
   * @param {(canvas: HTMLCanvasElement, sketch: Sketch | null) => void} draw
   */
  constructor(document, texts, acts, draw) {
    const t = (this.#texts = texts);
    this.#draw = draw;
    /** @param {string} text @param {string} tip @param {() => void} act */
    const tipped = (text, tip, act) => button(document, text, act, { title: tip });
    this.back = tipped(t.Back, t.BackTip, () => acts.move(-1));
    this.forward = tipped(t.Forward, t.ForwardTip, () => acts.move(1));
    this.latest = tipped(t.Latest, t.LatestTip, () => acts.choose(Infinity));
    this.slider = document.createElement("input");
    this.slider.type = "range";
    this.slider.setAttribute("aria-label", t.Steps);
    this.slider.addEventListener("input", () => acts.choose(this.slider.valueAsNumber));
    this.field = document.createElement("input");
    this.field.type = "number";
    this.field.title = t.GoToStepTip;
    this.field.addEventListener("change", () => {
      if (this.field.value) acts.choose(this.field.valueAsNumber);
    });
    const label = document.createElement("label");
    label.append(t.GoToStep, " ", this.field);
    const bar = document.createElement("div");
    bar.className = "code-controls";
    bar.append(this.back, this.slider, this.forward, label, this.latest);
    this.text = document.createElement("p");
    this.text.className = "code-step";
    this.sketch = /** @type {HTMLCanvasElement} */ (document.createElement("canvas"));
    this.sketch.className = "code-sketch";
    this.sketch.setAttribute("role", "img");
    this.element = document.createElement("div");
    this.element.className = "code-steps";
    this.element.append(bar, this.text, this.sketch);
  }

  /**
   * Shows the step, or that none is kept; note, if given, says why the
   * choice did not change.
   * @param {StepState} state
   * @param {string} [note]
   */
  show(state, note) {
    const none = state.count === 0;
    for (const control of [this.back, this.slider, this.forward, this.field, this.latest])
      control.disabled = none;
    const lines = none ? [this.#texts.NoSteps] : [state.heading, state.variables];
    if (state.dropped) lines.push(state.dropped);
    if (note) lines.push(note);
    this.text.textContent = lines.join("\n");
    this.sketch.setAttribute("aria-label", none ? this.#texts.NoSteps : state.sketch.name);
    if (!none) {
      this.slider.min = this.field.min = String(state.first);
      this.slider.max = this.field.max = String(state.last);
      this.slider.value = String(state.step);
      this.slider.setAttribute("aria-valuetext", state.heading);
      if (this.field.ownerDocument.activeElement !== this.field)
        this.field.value = String(state.step);
      this.sketch.setAttribute("aria-description", state.sketch.description);
    }
    this.#draw(this.sketch, none ? null : state.sketch);
  }
}
