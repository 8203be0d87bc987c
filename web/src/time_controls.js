// The motion view's row of the teacher's time controls, in the core's words
// and ranges: "Пауза"/"Продължи", "Стъпка", the step interval, the storey
// height and "Цялата сесия". The row only builds them; the view binds them
// to the core's pacer.

import { button, make, spinField } from "./elements.js";

/** @typedef {import("./lodarix.js").MotionControls} MotionControls */

/**
 * @param {Document} document
 * @param {Record<string, string>} t the view's words
 * @param {MotionControls} ranges
 * @param {{ onPause: () => void, onStep: () => void }} actions
 */
export function timeControls(document, t, ranges, actions) {
  const pauseButton = button(document, t.Pause, actions.onPause, { title: t.PauseTip });
  const stepButton = button(document, t.Step, actions.onStep, { title: t.StepTip });
  stepButton.disabled = true;
  const interval = spinField(document, t.Interval, {
    min: ranges.shortestIntervalMs,
    max: ranges.longestIntervalMs,
    decimals: false,
  });
  const height = spinField(document, t.StoreyHeight, {
    min: ranges.lowestStoreyM,
    max: ranges.highestStoreyM,
    decimals: true,
  });
  const whole = make(document, "label", undefined, "motion-check");
  const wholeSession = /** @type {HTMLInputElement} */ (make(document, "input"));
  wholeSession.type = "checkbox";
  whole.title = t.WholeSessionTip;
  whole.append(wholeSession, make(document, "span", t.WholeSession));
  const row = make(document, "div", undefined, "motion-controls");
  row.append(pauseButton, stepButton, interval.label, height.label, whole);
  return { row, pauseButton, stepButton, interval, height, wholeSession };
}
