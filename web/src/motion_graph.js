// Draws one of the motion view's graphs on its canvas from the path the core
// computes (web/page_motion.h: the stretches of rest, motion and jumps, with
// their speeds): the position graph as floors over time, a jump dashed and
// the running trip's final stop as a dashed level; the speed graph as the
// speed over time, a ring at a jump. The canvas has as many pixels as the
// screen shows of it (devicePixelRatio), so it stays sharp at any zoom.

const PathHeader = 2;
const PathFields = 9;
const Kind = { Rest: 0, Motion: 1, Jump: 2, Dense: 3 };
const Margin = { left: 44, right: 10, top: 10, bottom: 30 };
const Line = "#1f4fa8";
const Grid = "#e1e1e1";
const Axis = "#5a5a5a";
const Ink = "#1e1e1e";

/**
 * @typedef {object} Span
 * @property {number} fromMs
 * @property {number} toMs
 */

/**
 * A number with a decimal comma.
 * @param {number} value
 * @param {number} decimals
 */
export function decimalText(value, decimals) {
  return value
    .toFixed(decimals)
    .replace(".", ",")
    .replace(/^-(0,?0*)$/, "$1");
}

/** @param {number} roughly */
function niceStep(roughly) {
  if (!(roughly > 0)) return 1;
  const power = 10 ** Math.floor(Math.log10(roughly));
  for (const factor of [1, 2, 5]) if (factor * power >= roughly) return factor * power;
  return 10 * power;
}

/**
 * The canvas's backing store sized to what it shows, and its plot's width in
 * device pixels (the columns the core decimates to).
 * @param {HTMLCanvasElement} canvas
 */
export function fitCanvas(canvas) {
  const ratio = window.devicePixelRatio || 1;
  const width = Math.max(1, Math.round(canvas.clientWidth * ratio));
  const height = Math.max(1, Math.round(canvas.clientHeight * ratio));
  if (canvas.width !== width) canvas.width = width;
  if (canvas.height !== height) canvas.height = height;
  const plotWidth = canvas.clientWidth - Margin.left - Margin.right;
  return { ratio, columns: Math.max(1, Math.round(plotWidth * ratio)) };
}

// A long record puts many stretches into one pixel column; drawn one by
// one, each would cover the same pixels again. They are drawn as one
// vertical line a column, over all they reach.
class ColumnLine {
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

/**
 * @param {HTMLCanvasElement} canvas
 * @param {"position" | "speed"} kind
 * @param {Float64Array} path
 * @param {Span} span
 * @param {{ TimeAxis: string, FloorAxis: string, SpeedAxis: string }} texts
 */
export function drawGraph(canvas, kind, path, span, texts) {
  const ratio = window.devicePixelRatio || 1;
  const context = /** @type {CanvasRenderingContext2D} */ (canvas.getContext("2d"));
  const width = canvas.width / ratio;
  const height = canvas.height / ratio;
  context.setTransform(ratio, 0, 0, ratio, 0, 0);
  context.fillStyle = "white";
  context.fillRect(0, 0, width, height);
  const plotWidth = width - Margin.left - Margin.right;
  const plotHeight = height - Margin.top - Margin.bottom;
  const count = path[0];
  let low = 1;
  let high = 11;
  if (kind === "speed") {
    let most = 1;
    for (let at = PathHeader; at < PathHeader + count * PathFields; at += PathFields)
      if (path[at + 5]) most = Math.max(most, Math.abs(path[at + 6]), Math.abs(path[at + 7]));
    high = Math.ceil(most);
    low = -high;
  }
  const spanMs = Math.max(1, span.toMs - span.fromMs);
  const x = (/** @type {number} */ ms) => Margin.left + ((ms - span.fromMs) / spanMs) * plotWidth;
  const y = (/** @type {number} */ value) =>
    Margin.top + ((high - value) / (high - low)) * plotHeight;

  context.font = '12px "Lodarix Serif", serif';
  context.lineWidth = 1;
  context.strokeStyle = Grid;
  context.fillStyle = Ink;
  context.textAlign = "right";
  context.textBaseline = "middle";
  const valueStep = kind === "position" ? 1 : niceStep((high - low) / 6);
  context.beginPath();
  for (let value = low; value <= high + 1e-9; value += valueStep) {
    context.moveTo(Margin.left, y(value));
    context.lineTo(Margin.left + plotWidth, y(value));
    context.fillText(
      kind === "position" ? String(value) : decimalText(value, valueStep < 1 ? 1 : 0),
      Margin.left - 4,
      y(value),
    );
  }
  const timeStep = niceStep(spanMs / 1000 / 8) * 1000;
  context.textAlign = "center";
  context.textBaseline = "top";
  for (let ms = Math.ceil(span.fromMs / timeStep) * timeStep; ms <= span.toMs; ms += timeStep) {
    context.moveTo(x(ms), Margin.top);
    context.lineTo(x(ms), Margin.top + plotHeight);
    context.fillText(decimalText(ms / 1000, timeStep < 1000 ? 1 : 0), x(ms), height - 26);
  }
  context.stroke();
  context.strokeStyle = Axis;
  context.strokeRect(Margin.left, Margin.top, plotWidth, plotHeight);
  context.textAlign = "right";
  context.fillText(texts.TimeAxis, width - Margin.right, height - 14);
  context.textAlign = "left";
  context.fillText(kind === "position" ? texts.FloorAxis : texts.SpeedAxis, 2, 0);

  context.save();
  context.beginPath();
  context.rect(Margin.left, Margin.top, plotWidth, plotHeight);
  context.clip();
  if (kind === "position") drawPosition(context, ratio, path, x, y);
  else drawSpeed(context, ratio, path, x, y);
  context.restore();
}

/**
 * @param {CanvasRenderingContext2D} context
 * @param {number} ratio
 * @param {Float64Array} path
 * @param {(ms: number) => number} x
 * @param {(value: number) => number} y
 */
function drawPosition(context, ratio, path, x, y) {
  const count = path[0];
  const end = PathHeader + count * PathFields;
  context.strokeStyle = Line;
  context.lineWidth = 2;
  context.setLineDash([]);
  context.beginPath();
  const narrow = new ColumnLine(context, ratio);
  for (let at = PathHeader; at < end; at += PathFields) {
    if (path[at + 4] === Kind.Jump) continue;
    const [fromX, toX] = [x(path[at]), x(path[at + 1])];
    if (narrow.fits(fromX, toX)) {
      narrow.add(fromX, y(path[at + 2]), y(path[at + 3]));
      continue;
    }
    narrow.flush();
    context.moveTo(fromX, y(path[at + 2]));
    context.lineTo(toX, y(path[at + 3]));
  }
  narrow.flush();
  context.stroke();
  context.setLineDash([5, 4]);
  context.beginPath();
  for (let at = PathHeader; at < end; at += PathFields) {
    if (path[at + 4] !== Kind.Jump) continue;
    context.moveTo(x(path[at]), y(path[at + 2]));
    context.lineTo(x(path[at]), y(path[at + 3]));
  }
  const finalStop = path[1];
  if (finalStop) {
    context.moveTo(x(Number.MIN_SAFE_INTEGER / 2), y(finalStop));
    context.lineTo(x(Number.MAX_SAFE_INTEGER / 2), y(finalStop));
  }
  context.strokeStyle = "#c03030";
  context.lineWidth = 1.5;
  context.stroke();
  context.setLineDash([]);
}

/**
 * @param {CanvasRenderingContext2D} context
 * @param {number} ratio
 * @param {Float64Array} path
 * @param {(ms: number) => number} x
 * @param {(value: number) => number} y
 */
function drawSpeed(context, ratio, path, x, y) {
  const count = path[0];
  const end = PathHeader + count * PathFields;
  context.strokeStyle = Line;
  context.lineWidth = 2;
  context.beginPath();
  const narrow = new ColumnLine(context, ratio);
  // Where the line goes on from: the end of the stretch before, if it had a
  // speed; joined while the path's own pen is still there.
  /** @type {[number, number] | undefined} */
  let pen;
  let joined = false;
  for (let at = PathHeader; at < end; at += PathFields) {
    if (!path[at + 5]) {
      narrow.flush();
      pen = undefined;
      continue;
    }
    const [fromX, toX] = [x(path[at]), x(path[at + 1])];
    const level = y(path[at + 4] === Kind.Rest ? 0 : path[at + 8]);
    if (path[at + 4] === Kind.Dense) {
      narrow.add(fromX, y(path[at + 6]), y(path[at + 7]));
      if (!narrow.fits(fromX, toX)) narrow.flush();
      pen = [toX, level];
      joined = false;
      continue;
    }
    if (narrow.fits(fromX, toX)) {
      narrow.add(fromX, pen ? pen[1] : level, level);
      pen = [toX, level];
      joined = false;
      continue;
    }
    if (narrow.flush()) joined = false;
    if (pen && joined) context.lineTo(fromX, level);
    else if (pen) {
      context.moveTo(pen[0], pen[1]);
      context.lineTo(fromX, level);
    } else context.moveTo(fromX, level);
    context.lineTo(toX, level);
    pen = [toX, level];
    joined = true;
  }
  narrow.flush();
  context.stroke();
  context.lineWidth = 1.5;
  context.beginPath();
  for (let at = PathHeader; at < end; at += PathFields) {
    if (path[at + 4] !== Kind.Jump) continue;
    context.moveTo(x(path[at]) + 4, y(0));
    context.arc(x(path[at]), y(0), 4, 0, 2 * Math.PI);
  }
  context.stroke();
}
