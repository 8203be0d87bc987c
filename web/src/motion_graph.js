// Draws one of the motion view's graphs on its canvas from what the core
// computes for it (PageMotion.graph): the span, the present, the axes with
// their ticks and labels, and the path of the record as numbers laid out as
// the build-time facts name them (stretches of rest, motion and jumps, with
// their speeds, and the step points to mark). The position graph shows the
// floors over time, a jump dashed and the running trip's final stop as a
// dashed level up to the present; the speed graph the speed over time, with
// its zero line and a ring at each jump. The colours are the core's too. The
// canvas has as many pixels as the screen shows of it (devicePixelRatio), so
// it stays sharp at any zoom; the graph is drawn in units of a twelfth of
// the canvas's font size, so that its labels and margins grow with the page.

/** @typedef {import("./lodarix.js").MotionGraph} MotionGraph */
/** @typedef {import("./lodarix.js").MotionGraphFacts} MotionGraphFacts */
/** @typedef {import("./lodarix.js").GraphAxis} GraphAxis */

const Margin = { left: 44, right: 10, top: 10, bottom: 30 };
const Font = '12px "Lodarix Serif", serif';

/**
 * Device pixels per unit of the drawing.
 * @param {HTMLCanvasElement} canvas
 */
function unitRatio(canvas) {
  const scale = parseFloat(getComputedStyle(canvas).fontSize) / 12 || 1;
  return (window.devicePixelRatio || 1) * scale;
}

/**
 * The canvas's backing store sized to what it shows, and what the core
 * needs to lay its graph out: the plot's width in device pixels (the columns
 * it decimates to) and in units of the drawing, and the width of the time
 * axis's widest label.
 * @param {HTMLCanvasElement} canvas
 * @param {MotionGraphFacts} facts
 */
export function fitCanvas(canvas, facts) {
  const screen = window.devicePixelRatio || 1;
  const ratio = unitRatio(canvas);
  const width = Math.max(1, Math.round(canvas.clientWidth * screen));
  const height = Math.max(1, Math.round(canvas.clientHeight * screen));
  if (canvas.width !== width) canvas.width = width;
  if (canvas.height !== height) canvas.height = height;
  const context = /** @type {CanvasRenderingContext2D} */ (canvas.getContext("2d"));
  context.font = Font;
  const plotWidth = Math.max(1, (canvas.clientWidth * screen) / ratio - Margin.left - Margin.right);
  return {
    columns: Math.max(1, Math.round(plotWidth * ratio)),
    plotWidth,
    labelWidth: context.measureText(facts.timeLabelSample).width,
  };
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
 * The stretches and step points of a path, each a view of its fields.
 * @param {Float64Array} path
 * @param {MotionGraphFacts["path"]} layout
 */
function partsOf(path, layout) {
  const { header, stretch, point } = layout;
  const stretchCount = path[header.stretchCount];
  const pointCount = path[header.pointCount];
  const stretches = [];
  for (let at = header.size; at < header.size + stretchCount * stretch.size; at += stretch.size)
    stretches.push(path.subarray(at, at + stretch.size));
  const pointsFrom = header.size + stretchCount * stretch.size;
  const points = [];
  for (let at = pointsFrom; at < pointsFrom + pointCount * point.size; at += point.size)
    points.push(path.subarray(at, at + point.size));
  return { stretches, points };
}

/**
 * @typedef {object} Plot
 * @property {CanvasRenderingContext2D} context
 * @property {number} ratio
 * @property {Float64Array} path
 * @property {MotionGraph} graph
 * @property {MotionGraphFacts} facts
 * @property {(ms: number) => number} x
 * @property {(value: number) => number} y
 */

/**
 * @param {HTMLCanvasElement} canvas
 * @param {"position" | "speed"} kind
 * @param {MotionGraph} graph
 * @param {MotionGraphFacts} facts
 * @param {{ TimeAxis: string, FloorAxis: string, SpeedAxis: string }} texts
 */
export function drawGraph(canvas, kind, graph, facts, texts) {
  const ratio = unitRatio(canvas);
  const context = /** @type {CanvasRenderingContext2D} */ (canvas.getContext("2d"));
  const width = canvas.width / ratio;
  const height = canvas.height / ratio;
  const { colors } = facts;
  context.setTransform(ratio, 0, 0, ratio, 0, 0);
  context.fillStyle = "white";
  context.fillRect(0, 0, width, height);
  const plotWidth = Math.max(1, width - Margin.left - Margin.right);
  const plotHeight = Math.max(1, height - Margin.top - Margin.bottom);
  const { values, times } = graph;
  const spanMs = Math.max(1, graph.toMs - graph.fromMs);
  /** @param {number} ms */
  const x = (ms) => Margin.left + ((ms - graph.fromMs) / spanMs) * plotWidth;
  /** @param {number} value */
  const y = (value) =>
    Margin.top + ((values.high - value) / (values.high - values.low)) * plotHeight;

  context.font = Font;
  context.lineWidth = 1;
  context.setLineDash([]);
  context.strokeStyle = colors.grid;
  context.beginPath();
  for (const tick of values.ticks) {
    context.moveTo(Margin.left, y(tick.value));
    context.lineTo(Margin.left + plotWidth, y(tick.value));
  }
  for (const tick of times.ticks) {
    context.moveTo(x(tick.value), Margin.top);
    context.lineTo(x(tick.value), Margin.top + plotHeight);
  }
  context.stroke();

  context.fillStyle = colors.text;
  context.textAlign = "right";
  context.textBaseline = "middle";
  for (const tick of values.ticks) context.fillText(tick.label, Margin.left - 4, y(tick.value));
  // The unit stands at the right end of the labels' row, in place of the
  // labels it would cover.
  const labelsY = height - Margin.bottom + 4;
  context.textBaseline = "top";
  context.fillText(texts.TimeAxis, Margin.left + plotWidth, labelsY);
  const unitLeft = Margin.left + plotWidth - context.measureText(texts.TimeAxis).width;
  context.textAlign = "center";
  for (const tick of times.ticks) {
    const half = context.measureText(tick.label).width / 2;
    if (x(tick.value) + half > unitLeft - 6) continue;
    context.fillText(tick.label, Math.max(x(tick.value), half), labelsY);
  }
  context.textAlign = "left";
  context.fillText(kind === "position" ? texts.FloorAxis : texts.SpeedAxis, 2, 0);

  context.save();
  context.beginPath();
  context.rect(Margin.left, Margin.top, plotWidth, plotHeight);
  context.clip();
  const plot = { context, ratio, path: graph.path, graph, facts, x, y };
  if (kind === "position") drawPosition(plot);
  else drawSpeed(plot);
  context.restore();
  context.strokeStyle = colors.axis;
  context.lineWidth = 1;
  context.strokeRect(Margin.left, Margin.top, plotWidth, plotHeight);
}

/** @param {Plot} plot */
function drawPosition({ context, ratio, path, graph, facts, x, y }) {
  const { colors } = facts;
  const { header, stretch: field, point: pointField, kinds } = facts.path;
  const { stretches, points } = partsOf(path, facts.path);
  const finalStop = path[header.finalStop];
  if (finalStop) {
    context.setLineDash([6, 4]);
    context.strokeStyle = colors.target;
    context.lineWidth = 2;
    context.beginPath();
    context.moveTo(x(path[header.finalStopFromMs]), y(finalStop));
    context.lineTo(x(graph.nowMs), y(finalStop));
    context.stroke();
  }
  context.setLineDash([]);
  context.strokeStyle = colors.position;
  context.lineWidth = 2;
  context.lineCap = "round";
  context.beginPath();
  const narrow = new ColumnLine(context, ratio);
  for (const stretch of stretches) {
    if (stretch[field.kind] === kinds.jump) continue;
    const [fromX, toX] = [x(stretch[field.fromMs]), x(stretch[field.toMs])];
    if (narrow.fits(fromX, toX)) {
      narrow.add(fromX, y(stretch[field.fromFloor]), y(stretch[field.toFloor]));
      continue;
    }
    narrow.flush();
    context.moveTo(fromX, y(stretch[field.fromFloor]));
    context.lineTo(toX, y(stretch[field.toFloor]));
  }
  narrow.flush();
  context.stroke();
  context.lineCap = "butt";

  context.setLineDash([6, 4]);
  context.strokeStyle = colors.positionJump;
  context.beginPath();
  for (const stretch of stretches) {
    if (stretch[field.kind] !== kinds.jump) continue;
    context.moveTo(x(stretch[field.fromMs]), y(stretch[field.fromFloor]));
    context.lineTo(x(stretch[field.fromMs]), y(stretch[field.toFloor]));
  }
  context.stroke();
  context.setLineDash([]);

  context.fillStyle = colors.position;
  context.beginPath();
  for (const point of points) {
    const [pointX, pointY] = [x(point[pointField.ms]), y(point[pointField.floor])];
    context.moveTo(pointX + 2.5, pointY);
    context.arc(pointX, pointY, 2.5, 0, 2 * Math.PI);
  }
  context.fill();
}

/** @param {Plot} plot */
function drawSpeed({ context, ratio, path, facts, x, y }) {
  const { colors } = facts;
  const { stretch: field, kinds } = facts.path;
  const { stretches } = partsOf(path, facts.path);
  context.strokeStyle = colors.zero;
  context.lineWidth = 1;
  context.beginPath();
  context.moveTo(x(Number.MIN_SAFE_INTEGER / 2), y(0));
  context.lineTo(x(Number.MAX_SAFE_INTEGER / 2), y(0));
  context.stroke();

  context.strokeStyle = colors.speed;
  context.lineWidth = 2;
  context.beginPath();
  const narrow = new ColumnLine(context, ratio);
  // Where the line goes on from: the end of the stretch before, if it had a
  // speed; joined while the path's own pen is still there.
  /** @type {[number, number] | undefined} */
  let pen;
  let joined = false;
  for (const stretch of stretches) {
    if (!stretch[field.hasSpeed]) {
      narrow.flush();
      pen = undefined;
      continue;
    }
    const [fromX, toX] = [x(stretch[field.fromMs]), x(stretch[field.toMs])];
    const level = y(stretch[field.kind] === kinds.rest ? 0 : stretch[field.last]);
    if (stretch[field.kind] === kinds.dense) {
      narrow.add(fromX, y(stretch[field.low]), y(stretch[field.high]));
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

  context.strokeStyle = colors.speedJump;
  context.fillStyle = "white";
  context.beginPath();
  for (const stretch of stretches) {
    if (stretch[field.kind] !== kinds.jump) continue;
    context.moveTo(x(stretch[field.fromMs]) + 4, y(0));
    context.arc(x(stretch[field.fromMs]), y(0), 4, 0, 2 * Math.PI);
  }
  context.fill();
  context.stroke();
}
