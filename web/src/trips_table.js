// The motion view's table of trips: a caption, the core's column headings,
// and a row of the core's texts a trip, the note at the left. Rows are kept
// and only the cells whose text changed are written again.

import { make } from "./elements.js";

/** @typedef {import("./lodarix.js").MotionGraphFacts["tripColumns"]} TripColumns */

export class TripsTable {
  #document;
  #columns;

  /**
   * @param {Document} document
   * @param {string} caption
   * @param {TripColumns} columns
   */
  constructor(document, caption, columns) {
    this.#document = document;
    this.#columns = columns;
    const table = make(document, "table", undefined, "motion-trips");
    const head = make(document, "thead");
    const headings = make(document, "tr");
    for (const column of columns.headings) {
      const cell = make(document, "th", column.replace("\n", " "));
      cell.setAttribute("scope", "col");
      headings.append(cell);
    }
    head.append(headings);
    this.rows = /** @type {HTMLTableSectionElement} */ (make(document, "tbody"));
    table.append(make(document, "caption", caption), head, this.rows);
    this.element = make(document, "div", undefined, "motion-trips-box");
    this.element.append(table);
  }

  /** @param {string[][]} trips a row of texts a trip, column by column */
  fill(trips) {
    while (this.rows.rows.length > trips.length) this.rows.lastElementChild?.remove();
    trips.forEach((texts, at) => {
      const row = this.rows.rows[at] ?? this.#newRow();
      texts.forEach((text, cell) => {
        if (row.cells[cell].textContent !== text) row.cells[cell].textContent = text;
      });
    });
  }

  #newRow() {
    const row = /** @type {HTMLTableRowElement} */ (make(this.#document, "tr"));
    this.#columns.headings.forEach((_, column) => {
      row.append(
        make(this.#document, "td", undefined, column === this.#columns.note ? "motion-note" : ""),
      );
    });
    this.rows.append(row);
    return row;
  }
}
