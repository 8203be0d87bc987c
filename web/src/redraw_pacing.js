// Keeps a view's redraws out of the step timer's way. A redraw, with the
// frame that shows it, holds the page's one thread, so a step that falls due
// meanwhile runs late: on a slow device by tens of milliseconds. The view
// tells what each redraw took; a redraw that, taking as long as the longest
// of late, would still run when the next step falls due waits until that
// step has run, once: the redraw after it runs whatever comes next. Where
// no redraw fits between two steps, or no step is to come, it never waits.

/** @typedef {import("./step_timer.js").StepTimer} StepTimer */

/** The redraws whose times count. */
const Remembered = 8;
/** Milliseconds a redraw keeps clear of a step beyond what it is expected to take. */
const MarginMs = 4;

export class RedrawPacing {
  #timer;
  /** @type {number[]} */
  #tookMs = [];
  /** @type {number | undefined} */
  #heldFor;

  /** @param {StepTimer} timer */
  constructor(timer) {
    this.#timer = timer;
  }

  /**
   * Whether a redraw may start at nowMs; when not, it waits for the step
   * that heldUntil names.
   * @param {number} nowMs
   */
  mayStart(nowMs) {
    const dueMs = this.#timer.nextDueMs;
    const waited = this.#heldFor !== undefined && nowMs >= this.#heldFor;
    const neededMs = Math.max(0, ...this.#tookMs) + MarginMs;
    if (
      dueMs === undefined ||
      waited ||
      neededMs >= this.#timer.periodMs ||
      nowMs + neededMs <= dueMs
    ) {
      this.#heldFor = undefined;
      return true;
    }
    this.#heldFor ??= dueMs;
    return false;
  }

  /** The due time of the step that a redraw held back waits for, if one is. */
  get heldUntil() {
    return this.#heldFor;
  }

  /**
   * What a redraw took, with the frame that showed it.
   * @param {number} ms
   */
  took(ms) {
    this.#tookMs.push(ms);
    if (this.#tookMs.length > Remembered) this.#tookMs.shift();
  }
}
