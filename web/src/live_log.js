// A polite live region that a screen reader announces: each new line of the
// status box, once, in the order written. It is a log, so lines written at
// the same moment are all read; only the newest few are kept in it, and the
// removal of old ones is not announced.

const KeptLines = 12;

export class LiveLog {
  /** @param {Document} document */
  constructor(document) {
    this.element = document.createElement("div");
    this.element.className = "visually-hidden";
    this.element.setAttribute("role", "log");
    this.element.setAttribute("aria-live", "polite");
    this.element.setAttribute("aria-relevant", "additions");
  }

  /**
   * Announces each line of text that has something to say.
   * @param {string} text lines ended by line feeds
   */
  announce(text) {
    const document = /** @type {Document} */ (this.element.ownerDocument);
    for (const line of text.split("\n")) {
      if (line.trim() === "") continue;
      const entry = document.createElement("p");
      entry.textContent = line;
      this.element.append(entry);
    }
    while (this.element.childElementCount > KeptLines) this.element.firstElementChild?.remove();
  }
}
