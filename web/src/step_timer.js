// The step timer: once started, step n falls due at the start plus n periods,
// so that the steps do not drift however late each timeout runs. Starting a
// running timer starts its period anew, as the desktop's timer does. Steps
// that fell due while the page was held up run at once, in order, each told
// its due time. The steps can be held (the teacher's pause) without the
// rules knowing: the timer stays on, no step runs, and on release the period
// starts anew, so the next step comes one full period later; deliver() runs
// one step at once, as a step by hand does. Others may ask when the next step
// falls due, to keep their own work out of its way.

/**
 * @typedef {object} Clock
 * @property {() => number} now milliseconds
 * @property {(callback: () => void, delayMs: number) => number} setTimeout
 * @property {(handle: number) => void} clearTimeout
 */

// A browser may run a timeout up to a millisecond before its time, and one
// set again for what is left can be held back by several: a step that is
// that close runs at once.
const EarlyMs = 1;

/** @type {Clock} */
const pageClock = {
  now: () => performance.now(),
  setTimeout: (callback, delayMs) => window.setTimeout(callback, delayMs),
  clearTimeout: (handle) => window.clearTimeout(handle),
};

export class StepTimer {
  #periodMs;
  #onStep;
  #clock;
  #startMs = 0;
  #steps = 0;
  /** @type {number | undefined} */
  #pending;
  #running = false;
  #held = false;
  // Changes with every start and stop, so that a step that stops or restarts
  // the timer ends the steps due from before.
  #generation = 0;

  /**
   * @param {number} periodMs
   * @param {(dueMs: number) => void} onStep
   * @param {Clock} [clock]
   */
  constructor(periodMs, onStep, clock = pageClock) {
    this.#periodMs = periodMs;
    this.#onStep = onStep;
    this.#clock = clock;
  }

  /** Whether the timer is on, as the rules set it, held or not. */
  get active() {
    return this.#running;
  }

  get held() {
    return this.#held;
  }

  get periodMs() {
    return this.#periodMs;
  }

  /**
   * When the next step falls due, on the clock's time; undefined while no
   * step is to come (the timer off or held).
   */
  get nextDueMs() {
    return this.#running && !this.#held ? this.#nextDueMs() : undefined;
  }

  /**
   * Starts the timer, or starts a running timer's period anew, from startMs
   * on the clock's time (now, unless an event kept from before says when).
   * @param {number} [startMs]
   */
  start(startMs = this.#clock.now()) {
    this.stop();
    this.#running = true;
    this.#startMs = startMs;
    this.#steps = 0;
    if (!this.#held) this.#schedule();
  }

  stop() {
    this.#cancel();
    this.#running = false;
  }

  /**
   * Holds the steps or lets them go on; a release starts a running timer's period anew.
   * @param {boolean} held
   */
  setHeld(held) {
    if (held === this.#held) return;
    this.#held = held;
    if (held) this.#cancel();
    else if (this.#running) this.start();
  }

  /**
   * One step at once, held or not, if the timer is on; says whether one ran.
   * The steps due after it keep their times.
   */
  deliver() {
    if (!this.#running) return false;
    this.#onStep(this.#clock.now());
    return true;
  }

  #cancel() {
    if (this.#pending !== undefined) this.#clock.clearTimeout(this.#pending);
    this.#pending = undefined;
    ++this.#generation;
  }

  /**
   * A new period; a running timer starts it anew.
   * @param {number} periodMs
   */
  setPeriod(periodMs) {
    this.#periodMs = periodMs;
    if (this.active) this.start();
  }

  #nextDueMs() {
    return this.#startMs + (this.#steps + 1) * this.#periodMs;
  }

  #schedule() {
    const delayMs = Math.max(0, this.#nextDueMs() - this.#clock.now());
    this.#pending = this.#clock.setTimeout(() => this.#fire(), delayMs);
  }

  #fire() {
    const generation = this.#generation;
    const nowMs = this.#clock.now();
    while (generation === this.#generation && this.#nextDueMs() <= nowMs + EarlyMs) {
      const dueMs = this.#nextDueMs();
      ++this.#steps;
      this.#onStep(dueMs);
    }
    if (generation === this.#generation) this.#schedule();
  }
}
