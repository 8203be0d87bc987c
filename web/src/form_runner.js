// The form's events on their way to the rules (the core's PageWindow): a
// floor button's click, a grille button's, the step timer's ticks, and,
// line by line, the next line of the form's code; each at its time on the
// page's clock, which the motion record takes. While a procedure of the
// form's code stands part-way, the form's own input is held (held_input.js)
// and, once the procedure ends, applied in order, each at the time it was
// made, until one begins a procedure that stops part-way again; a tick kept
// runs only while the timer is on and not paused. An error of the form's
// code drops what was held, as the program it was meant for has stopped.

import { isRepeatClick } from "./radio_group.js";

/** @typedef {import("./held_input.js").HeldInput} HeldInput */
/** @typedef {import("./held_input.js").HeldEvent} HeldEvent */

export class FormRunner {
  #rules;
  #motion;
  #held;
  #click;
  #ran;
  #timer;
  /** @type {number | undefined} */
  #keptMs;

  /**
   * @param {import("./lodarix.js").PageWindow} rules
   * @param {import("./lodarix.js").PageMotion} motion
   * @param {HeldInput} held
   * @param {(control: string) => void} click an option button's click, as the user makes it
   * @param {() => void} ran after each call into the rules
   * @param {{ readonly active: boolean, readonly held: boolean }} timer the step timer
   */
  constructor(rules, motion, held, click, ran, timer) {
    this.#rules = rules;
    this.#motion = motion;
    this.#held = held;
    this.#click = click;
    this.#ran = ran;
    this.#timer = timer;
  }

  /** The time of the event at hand: a kept one's while it is applied, else now. */
  eventMs() {
    return this.#keptMs ?? performance.now();
  }

  /**
   * Does what an event made at timeMs does, at that time.
   * @param {number} timeMs
   * @param {() => void} act
   */
  at(timeMs, act) {
    const outer = this.#keptMs;
    this.#keptMs = timeMs;
    try {
      act();
    } finally {
      this.#keptMs = outer;
    }
  }

  get partWay() {
    return this.#rules.partWay();
  }

  /** @param {number} floor a floor button was clicked and selected */
  pick(floor) {
    this.#motion.setPageMs(this.eventMs());
    this.#after(this.#rules.pick(floor));
  }

  /** @param {number} dueMs the step timer fired */
  step(dueMs) {
    if (this.#held.holding) return this.#held.keepTick(dueMs);
    this.#motion.setPageMs(dueMs);
    this.#after(this.#rules.step());
  }

  /** A grille button was clicked and selected. */
  grille() {
    this.#motion.setPageMs(this.eventMs());
    this.#after(this.#rules.grilleClicked());
  }

  /** The next line of the procedure part-way. */
  advance() {
    if (this.partWay) this.#after(this.#rules.advance());
  }

  /** The rest of the procedure part-way, at once. */
  finish() {
    if (this.partWay) this.#after(this.#rules.finishProcedure());
  }

  /** The program anew from its Form_Load, unless a procedure is part-way. */
  restart() {
    if (this.partWay) return;
    this.#motion.setPageMs(this.eventMs());
    this.#after(this.#rules.restartProgram());
  }

  /**
   * The program read last runs afresh: the window back to its description
   * (reset), then its Form_Load; input held for the program before is dropped.
   * @param {() => void} reset
   */
  startAfresh(reset) {
    this.#held.release(() => {});
    this.#motion.setPageMs(this.eventMs());
    reset();
    this.#after(this.#rules.startProgram());
  }

  /** @param {boolean} goesOn whether the page goes on */
  #after(goesOn) {
    this.#ran();
    if (!goesOn) return;
    if (this.#rules.codeFailed()) this.#held.release(() => {});
    else if (this.#rules.partWay()) this.#held.hold();
    else this.#held.release((kept) => this.#apply(kept));
  }

  /** @param {HeldEvent} kept */
  #apply(kept) {
    if (kept.control === "") {
      if (!this.#timer.active || this.#timer.held) return;
      this.#motion.setPageMs(kept.timeMs);
      this.#after(this.#rules.step());
    } else if (!isRepeatClick(kept)) {
      this.at(kept.timeMs, () => this.#click(kept.control));
    }
  }
}
