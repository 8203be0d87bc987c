// A polite live region that a screen reader announces: each new line of the
// status box, once, in the order written. It is a log, so every entry added
// is read; only the newest few are kept in it, and the removal of old ones is
// not announced. What is announced in one turn of the event loop (a click, a
// step) becomes one entry, its lines joined by spaces, because a screen
// reader may read entries added at the same moment in any order.

const KeptLines = 12;

export class LiveLog {
  /** @type {string[]} */
  #pending = [];

  /** @param {Document} document */
  constructor(document) {
    this.element = document.createElement("div");
    this.element.className = "visually-hidden";
    this.element.setAttribute("role", "log");
    this.element.setAttribute("aria-live", "polite");
    this.element.setAttribute("aria-relevant", "additions");
  }

  /**
   * Announces each line of text that has something to say, after what this
   * turn has announced before.
   * @param {string} text lines ended by line feeds
   */
  announce(text) {
    const lines = text.split("\n").filter((line) => line.trim() !== "");
    if (lines.length === 0) return;
    if (this.#pending.length === 0) queueMicrotask(() => this.#addEntry());
    this.#pending.push(...lines);
  }

  #addEntry() {
    const document = /** @type {Document} */ (this.element.ownerDocument);
    const entry = document.createElement("p");
    entry.textContent = this.#pending.join(" ");
    this.#pending = [];
    this.element.append(entry);
    while (this.element.childElementCount > KeptLines) this.element.firstElementChild?.remove();
  }
}
