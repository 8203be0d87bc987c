// The form's code as the code view lists it: a line a list item, its number
// in the margin, its spans coloured by kind, and beside it what the line
// changed when it last ran. Lines are lit as the core tells: those that ran
// in the latest event, the one that ran last, the one to run next, the
// one whose error stopped the program, and the one where it parts from the
// reference it was compared with. The list scrolls itself, both ways,
// and keeps the line last lit in view.

/** The classes of the spans by kind, as the core numbers the kinds. */
const Kinds = ["code-keyword", "code-name", "code-literal", "code-comment"];

/**
 * @typedef {object} ListedLine
 * @property {HTMLLIElement} item
 * @property {HTMLElement} changes
 */

export class CodeListing {
  #document;
  /** @type {ListedLine[]} */
  #lines = [];

  /**
   * @param {Document} document
   * @param {string} name the list's name
   */
  constructor(document, name) {
    this.#document = document;
    this.element = document.createElement("div");
    this.element.className = "code-listing";
    this.element.tabIndex = 0;
    this.element.setAttribute("role", "region");
    this.element.setAttribute("aria-label", name);
    this.list = document.createElement("ol");
    this.list.className = "code-lines";
    this.element.append(this.list);
  }

  get lineCount() {
    return this.#lines.length;
  }

  /**
   * The lines anew, none of them lit.
   * @param {[number, string][][]} lines each line's spans: kind (-1 plain) and text
   */
  setLines(lines) {
    const document = this.#document;
    this.#lines = lines.map((spans, at) => {
      const item = document.createElement("li");
      item.className = "code-line";
      const number = document.createElement("span");
      number.className = "code-number";
      number.setAttribute("aria-hidden", "true");
      number.textContent = String(at + 1);
      const text = document.createElement("code");
      text.className = "code-text";
      for (const [kind, part] of spans) {
        if (kind < 0) {
          text.append(part);
          continue;
        }
        const span = document.createElement("span");
        span.className = Kinds[kind];
        span.textContent = part;
        text.append(span);
      }
      const changes = document.createElement("span");
      changes.className = "code-changes";
      item.append(number, text, changes);
      return { item, changes };
    });
    this.list.replaceChildren(...this.#lines.map((line) => line.item));
  }

  /** Unlights every line and forgets what they changed. */
  clear() {
    for (const { item, changes } of this.#lines) {
      item.classList.remove("ran", "error");
      item.removeAttribute("aria-current");
      delete item.dataset.next;
      changes.textContent = "";
    }
  }

  /**
   * Lights line (1 from the first) as run, with what it changed.
   * @param {number} line
   * @param {string[]} changes
   */
  ran(line, changes) {
    const listed = this.#lines[line - 1];
    if (!listed) return;
    listed.item.classList.add("ran");
    listed.changes.textContent = changes.join(", ");
  }

  /**
   * Marks the line that ran last and the one to run next (0 for none).
   * @param {number} last
   * @param {number} next
   */
  mark(last, next) {
    for (const [at, { item }] of this.#lines.entries()) {
      if (at + 1 === last) item.setAttribute("aria-current", "step");
      else item.removeAttribute("aria-current");
      if (at + 1 === next) item.dataset.next = "true";
      else delete item.dataset.next;
    }
    this.#reveal(next || last);
  }

  /** @param {number} line the line where the program parts from the reference */
  differs(line) {
    for (const { item } of this.#lines) item.classList.remove("differs");
    this.#lines[line - 1]?.item.classList.add("differs");
    this.#reveal(line);
  }

  /** @param {number} line the line whose error stopped the program */
  failed(line) {
    this.#lines[line - 1]?.item.classList.add("error");
    this.#reveal(line);
  }

  /**
   * Scrolls the list, not the page, so that line is in view.
   * @param {number} line
   */
  #reveal(line) {
    const item = this.#lines[line - 1]?.item;
    if (!item || this.element.offsetParent === null) return;
    const top = item.offsetTop;
    const bottom = top + item.offsetHeight;
    const view = this.element;
    if (top < view.scrollTop) view.scrollTop = top;
    else if (bottom > view.scrollTop + view.clientHeight)
      view.scrollTop = bottom - view.clientHeight;
  }
}
