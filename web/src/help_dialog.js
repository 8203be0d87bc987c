// The short help in a modal dialog, in the core's words (core/form/help.h):
// the floor buttons' colours, each beside a swatch of it, the grille's rule
// and the keys. Escape or its button closes it, and the focus goes back
// where it was; the page's keys do nothing behind it meanwhile.

/** @typedef {import("./lodarix.js").HelpFacts} HelpFacts */

/**
 * @param {Document} document
 * @param {string} tag
 * @param {string} [text]
 */
function make(document, tag, text) {
  const element = document.createElement(tag);
  if (text !== undefined) element.textContent = text;
  return element;
}

export class HelpDialog {
  /** @type {HTMLElement | null} */
  #returnTo = null;

  /**
   * @param {Document} document
   * @param {HelpFacts} help
   */
  constructor(document, help) {
    this.element = /** @type {HTMLDialogElement} */ (make(document, "dialog"));
    this.element.className = "help";
    const heading = make(document, "h2", help.title);
    heading.id = "help-title";
    this.element.setAttribute("aria-labelledby", heading.id);
    const colours = make(document, "ul");
    for (const { color, name, meaning } of help.colours) {
      const item = make(document, "li");
      const swatch = make(document, "span");
      swatch.className = "help-swatch";
      swatch.style.setProperty("--swatch", color);
      item.append(swatch, `${name}: ${meaning}`);
      colours.append(item);
    }
    const keys = make(document, "dl");
    for (const key of help.keys)
      keys.append(make(document, "dt", key.keys), make(document, "dd", key.does));
    const close = /** @type {HTMLButtonElement} */ (make(document, "button", help.close));
    close.type = "button";
    close.addEventListener("click", () => this.element.close());
    this.element.append(
      heading,
      make(document, "h3", help.coloursHeading),
      colours,
      make(document, "p", help.grilleRule),
      make(document, "h3", help.keysHeading),
      keys,
      close,
    );
    this.element.addEventListener("keydown", (event) => event.stopPropagation());
    this.element.addEventListener("close", () => {
      this.#returnTo?.focus();
      this.#returnTo = null;
    });
  }

  get shown() {
    return this.element.open;
  }

  show() {
    if (this.shown) return;
    const focused = this.element.ownerDocument.activeElement;
    this.#returnTo = focused instanceof HTMLElement ? focused : null;
    this.element.showModal();
  }
}
