// A long record puts many stretches into one pixel column; drawn one by
// one, each would cover the same pixels again. ColumnLine draws them as one
// vertical line a column, over all they reach.

export class ColumnLine {
  #context;
  #ratio;
  /** @type {number | undefined} */
  #column;
  #top = 0;
  #bottom = 0;

  /** @param {CanvasRenderingContext2D} context @param {number} ratio */
  constructor(context, ratio) {
    this.#context = context;
    this.#ratio = ratio;
  }

  /**
   * Whether a stretch from x to toX is narrower than a pixel column.
   * @param {number} x @param {number} toX
   */
  fits(x, toX) {
    return (toX - x) * this.#ratio < 1;
  }

  /** @param {number} x @param {number} y @param {number} toY */
  add(x, y, toY) {
    const column = Math.floor(x * this.#ratio);
    if (column !== this.#column) {
      this.flush();
      this.#column = column;
      this.#top = Math.min(y, toY);
      this.#bottom = Math.max(y, toY);
      return;
    }
    this.#top = Math.min(this.#top, y, toY);
    this.#bottom = Math.max(this.#bottom, y, toY);
  }

  /** Draws the column's line, if one is open; says whether one was. */
  flush() {
    if (this.#column === undefined) return false;
    const left = this.#column / this.#ratio;
    const pixel = 1 / this.#ratio;
    if (this.#bottom - this.#top < pixel) {
      this.#context.moveTo(left, this.#top);
      this.#context.lineTo(left + pixel, this.#bottom);
    } else {
      this.#context.moveTo(left + pixel / 2, this.#top);
      this.#context.lineTo(left + pixel / 2, this.#bottom);
    }
    this.#column = undefined;
    return true;
  }
}
