// The events view's table: an ARIA grid of the rows of a trace, with a row
// of column headers, that draws only the rows in view. The rows have one
// height; a spacer as tall as all of them gives the scroll bar its range,
// and the few rows drawn are laid over the part in view, their texts asked
// of the trace (rowsJson) for those rows only. The grid takes the focus
// itself and marks its current row as its active descendant, selected: the
// arrow keys move it, Page Up and Page Down by a page, Home and End to the
// first and the last row; Enter asks for the row to be read out. The newest
// row stays in view unless the user has scrolled away from it.

/**
 * @typedef {object} TraceSource what the table shows rows of
 * @property {() => number} rowCount
 * @property {(first: number, count: number) => string} rowsJson
 */

const RowHeightPx = 24;

let tables = 0;

export class EventsTable {
  #document;
  /** @type {TraceSource | null} */
  #source = null;
  #count = 0;
  #current = -1;
  /** @type {HTMLElement[]} */
  #rows = [];
  #idPrefix;
  #columns;
  #onCurrent;
  #onRead;

  /**
   * @param {Document} document
   * @param {string} name the grid's accessible name
   * @param {{ headings: string[], numbers: number[] }} columns
   * @param {{ onCurrent: (row: number) => void, onRead: () => void }} events
   */
  constructor(document, name, columns, events) {
    this.#document = document;
    this.#columns = columns;
    this.#onCurrent = events.onCurrent;
    this.#onRead = events.onRead;
    this.#idPrefix = `events-row-${++tables}-`;
    this.element = document.createElement("div");
    this.element.className = "events-grid";
    this.element.setAttribute("role", "grid");
    this.element.setAttribute("aria-label", name);
    this.element.setAttribute("aria-colcount", String(columns.headings.length));
    this.element.setAttribute("aria-readonly", "true");
    this.element.tabIndex = 0;
    this.element.style.setProperty("--row-height", `${RowHeightPx}px`);

    const head = document.createElement("div");
    head.className = "events-head";
    head.setAttribute("role", "rowgroup");
    const headings = this.#makeRow("columnheader");
    headings.setAttribute("aria-rowindex", "1");
    columns.headings.forEach((text, column) => {
      /** @type {HTMLElement} */ (headings.children[column]).textContent = text;
    });
    head.append(headings);
    this.spacer = document.createElement("div");
    this.spacer.className = "events-spacer";
    this.body = document.createElement("div");
    this.body.className = "events-body";
    this.body.setAttribute("role", "rowgroup");
    this.spacer.append(this.body);
    this.element.append(head, this.spacer);

    this.element.addEventListener("scroll", () => this.render());
    this.element.addEventListener("keydown", (event) => this.#key(event));
    this.body.addEventListener("click", (event) => {
      const row = /** @type {HTMLElement | null} */ (event.target)?.closest?.("[data-row]");
      if (row) this.select(Number(/** @type {HTMLElement} */ (row).dataset.row));
    });
    this.#setCount(0);
  }

  /** The row selected, or -1. */
  get current() {
    return this.#current;
  }

  get rowCount() {
    return this.#count;
  }

  /** The rows drawn now. */
  get drawnRows() {
    return this.#rows.filter((row) => !row.hidden).length;
  }

  /**
   * Shows another trace, from its newest row, with none selected.
   * @param {TraceSource | null} source
   */
  setSource(source) {
    this.#source = source;
    this.#current = -1;
    this.element.removeAttribute("aria-activedescendant");
    this.#setCount(source ? source.rowCount() : 0);
    this.element.scrollTop = this.element.scrollHeight;
    this.render();
  }

  /** Takes in the rows the trace has gained, keeping the newest in view if it was. */
  update() {
    const count = this.#source ? this.#source.rowCount() : 0;
    if (count === this.#count) return;
    const { scrollTop, clientHeight, scrollHeight } = this.element;
    const following = scrollTop + clientHeight >= scrollHeight - RowHeightPx / 2;
    this.#setCount(count);
    if (following) this.element.scrollTop = this.element.scrollHeight;
    this.render();
  }

  /**
   * Makes the row current and brings it into view.
   * @param {number} row
   */
  select(row) {
    if (this.#count === 0) return;
    const chosen = Math.min(this.#count - 1, Math.max(0, row));
    this.#current = chosen;
    const top = chosen * RowHeightPx;
    const view = this.element.clientHeight - this.#headHeight();
    if (top < this.element.scrollTop) this.element.scrollTop = top;
    else if (top + RowHeightPx > this.element.scrollTop + view)
      this.element.scrollTop = top + RowHeightPx - view;
    this.render();
    this.element.setAttribute("aria-activedescendant", this.#idPrefix + chosen);
    this.#onCurrent(chosen);
  }

  /** Draws the rows in view, and no others. */
  render() {
    const view = Math.max(0, this.element.clientHeight - this.#headHeight());
    const first = Math.max(0, Math.floor(this.element.scrollTop / RowHeightPx));
    const wanted = Math.min(this.#count - first, Math.ceil(view / RowHeightPx) + 1);
    const count = Math.max(0, wanted);
    /** @type {string[][]} */
    const texts = count > 0 && this.#source ? JSON.parse(this.#source.rowsJson(first, count)) : [];
    while (this.#rows.length < texts.length) {
      const row = this.#makeRow("gridcell");
      this.#rows.push(row);
      this.body.append(row);
    }
    this.body.style.transform = `translateY(${first * RowHeightPx}px)`;
    this.#rows.forEach((row, at) => {
      const cells = texts[at];
      row.hidden = !cells;
      if (!cells) {
        row.removeAttribute("id");
        return;
      }
      const index = first + at;
      row.id = this.#idPrefix + index;
      row.dataset.row = String(index);
      row.setAttribute("aria-rowindex", String(index + 2));
      row.setAttribute("aria-selected", String(index === this.#current));
      cells.forEach((text, column) => {
        const cell = /** @type {HTMLElement} */ (row.children[column]);
        if (cell.textContent !== text) cell.textContent = text;
      });
    });
    if (this.#current >= 0 && (this.#current < first || this.#current >= first + texts.length))
      this.element.removeAttribute("aria-activedescendant");
    else if (this.#current >= 0)
      this.element.setAttribute("aria-activedescendant", this.#idPrefix + this.#current);
  }

  /** @param {number} count */
  #setCount(count) {
    this.#count = count;
    this.element.setAttribute("aria-rowcount", String(count + 1));
    this.spacer.style.height = `${count * RowHeightPx}px`;
  }

  #headHeight() {
    return /** @type {HTMLElement} */ (this.element.firstElementChild).offsetHeight;
  }

  /** @param {"columnheader" | "gridcell"} role */
  #makeRow(role) {
    const row = this.#document.createElement("div");
    row.className = "events-row";
    row.setAttribute("role", "row");
    this.#columns.headings.forEach((_, column) => {
      const cell = this.#document.createElement("div");
      cell.setAttribute("role", role);
      if (this.#columns.numbers.includes(column)) cell.className = "events-number";
      row.append(cell);
    });
    return row;
  }

  /** @param {KeyboardEvent} event */
  #key(event) {
    if (event.altKey || event.ctrlKey || event.metaKey) return;
    const page = Math.max(1, Math.floor(this.element.clientHeight / RowHeightPx) - 1);
    const from = this.#current < 0 ? this.#count : this.#current;
    /** @type {Record<string, number>} */
    const moves = {
      ArrowDown: this.#current < 0 ? this.#count - 1 : from + 1,
      ArrowUp: from - 1,
      PageDown: this.#current < 0 ? this.#count - 1 : from + page,
      PageUp: from - page,
      Home: 0,
      End: this.#count - 1,
    };
    if (event.key in moves) this.select(moves[event.key]);
    else if (event.key === "Enter") this.#onRead();
    else return;
    event.preventDefault();
  }
}
