// The form's input held unapplied while the form's code stands part-way
// through a procedure: a click on a control of the form (a floor button, a
// grille button, by the mouse or by a key) is kept with the time it was
// made, and the grille button does not change its selection yet; an edit of
// a text box is refused. Of the step timer's ticks, one waits at most. What
// was kept is let go in order (release), until what it starts is held
// again. A "change" event tells when holding begins or ends.

/**
 * @typedef {object} HeldEvent
 * @property {string} control the control's key (data-control), or "" for a tick
 * @property {number} detail a click's count in a series
 * @property {number} timeMs when it was made, or a tick's due time, on the page's clock
 */

export class HeldInput extends EventTarget {
  #document;
  /** @type {HeldEvent[]} */
  #kept = [];
  #holding = false;

  /** @param {Document} document */
  constructor(document) {
    super();
    this.#document = document;
  }

  get holding() {
    return this.#holding;
  }

  hold() {
    if (this.#holding) return;
    this.#holding = true;
    this.#document.addEventListener("click", this.#onClick, true);
    this.#document.addEventListener("beforeinput", this.#onEdit, true);
    this.dispatchEvent(new Event("change"));
  }

  /**
   * Keeps a tick of the step timer, unless one waits already.
   * @param {number} dueMs
   */
  keepTick(dueMs) {
    if (!this.#kept.some((kept) => kept.control === "")) {
      this.#kept.push({ control: "", detail: 0, timeMs: dueMs });
    }
  }

  /**
   * Stops holding and hands apply what was kept, in order, until apply
   * holds again; the rest stays kept.
   * @param {(kept: HeldEvent) => void} apply
   */
  release(apply) {
    if (!this.#holding) return;
    this.#holding = false;
    this.#document.removeEventListener("click", this.#onClick, true);
    this.#document.removeEventListener("beforeinput", this.#onEdit, true);
    let next;
    while (!this.#holding && (next = this.#kept.shift())) apply(next);
    if (!this.#holding) this.dispatchEvent(new Event("change"));
  }

  /** @param {MouseEvent} event */
  #onClick = (event) => {
    const target = /** @type {Element | null} */ (event.target);
    const control = target?.closest(".form [data-control]");
    if (!control) return;
    event.preventDefault();
    event.stopPropagation();
    this.#kept.push({
      control: control.getAttribute("data-control") ?? "",
      detail: event.detail,
      timeMs: event.timeStamp,
    });
  };

  /** @param {Event} event */
  #onEdit = (event) => {
    const target = /** @type {Element | null} */ (event.target);
    if (target?.closest(".form")) event.preventDefault();
  };
}
