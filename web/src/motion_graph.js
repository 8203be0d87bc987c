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

import { drawPosition } from "./position_line.js";
import { drawSpeed } from "./speed_line.js";

/** @typedef {import("./lodarix.js").DrawnGraph} DrawnGraph */
/** @typedef {import("./lodarix.js").MotionGraphFacts} MotionGraphFacts */

const Margin = { left: 44, right: 10, top: 10, bottom: 30 };
const Font = '12px "Lodarix Serif", serif';

// The widths of the texts drawn in Font, measured once each: the labels
// come back at every redraw.
/** @type {Map<string, number>} */
const widths = new Map();

/**
 * @param {CanvasRenderingContext2D} context with Font set
 * @param {string} text
 */
function widthOf(context, text) {
  let width = widths.get(text);
  if (width === undefined) {
    width = context.measureText(text).width;
    widths.set(text, width);
  }
  return width;
}

/**
 * Device pixels per unit of the drawing.
 * @param {HTMLCanvasElement} canvas
 */
function unitRatio(canvas) {
  const scale = parseFloat(getComputedStyle(canvas).fontSize) / 12 || 1;
  return (window.devicePixelRatio || 1) * scale;
}

/**
 * Where the plot lies on the canvas, in units of the drawing, and the device
 * pixels a unit spans.
 * @param {HTMLCanvasElement} canvas
 */
function plotOf(canvas) {
  const ratio = unitRatio(canvas);
  const width = canvas.width / ratio;
  const height = canvas.height / ratio;
  return {
    ratio,
    width,
    height,
    left: Margin.left,
    top: Margin.top,
    plotWidth: Math.max(1, width - Margin.left - Margin.right),
    plotHeight: Math.max(1, height - Margin.top - Margin.bottom),
  };
}

/**
 * The canvas's backing store sized to what it shows, and what the core
 * needs to lay its graph out: the plot (PageMotion.graph's plot, its width
 * in device pixels the columns it decimates to) and the width of the time
 * axis's widest label.
 * @param {HTMLCanvasElement} canvas
 * @param {MotionGraphFacts} facts
 */
export function fitCanvas(canvas, facts) {
  const screen = window.devicePixelRatio || 1;
  const width = Math.max(1, Math.round(canvas.clientWidth * screen));
  const height = Math.max(1, Math.round(canvas.clientHeight * screen));
  if (canvas.width !== width) canvas.width = width;
  if (canvas.height !== height) canvas.height = height;
  const context = /** @type {CanvasRenderingContext2D} */ (canvas.getContext("2d"));
  context.font = Font;
  const { ratio, left, top, plotWidth, plotHeight } = plotOf(canvas);
  return {
    plot: {
      left,
      top,
      width: plotWidth,
      height: plotHeight,
      ratio,
      columns: Math.max(1, Math.round(plotWidth * ratio)),
    },
    labelWidth: widthOf(context, facts.timeLabelSample),
  };
}

/**
 * @param {HTMLCanvasElement} canvas
 * @param {"position" | "speed"} kind
 * @param {DrawnGraph} graph
 * @param {MotionGraphFacts} facts
 * @param {{ TimeAxis: string, FloorAxis: string, SpeedAxis: string }} texts
 */
export function drawGraph(canvas, kind, graph, facts, texts) {
  const { ratio, width, height, plotWidth, plotHeight } = plotOf(canvas);
  const context = /** @type {CanvasRenderingContext2D} */ (canvas.getContext("2d"));
  const { colors, sizes } = facts;
  context.setTransform(ratio, 0, 0, ratio, 0, 0);
  context.fillStyle = colors.ground;
  context.fillRect(0, 0, width, height);
  const { values, times } = graph;
  const spanMs = Math.max(1, graph.toMs - graph.fromMs);
  /** @param {number} ms */
  const x = (ms) => Margin.left + ((ms - graph.fromMs) / spanMs) * plotWidth;
  /** @param {number} value */
  const y = (value) =>
    Margin.top + ((values.high - value) / (values.high - values.low)) * plotHeight;

  context.font = Font;
  context.lineWidth = sizes.rule;
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
  const unitLeft = Margin.left + plotWidth - widthOf(context, texts.TimeAxis);
  context.textAlign = "center";
  for (const tick of times.ticks) {
    const half = widthOf(context, tick.label) / 2;
    if (x(tick.value) + half > unitLeft - 6) continue;
    context.fillText(tick.label, Math.max(x(tick.value), half), labelsY);
  }
  context.textAlign = "left";
  context.fillText(kind === "position" ? texts.FloorAxis : texts.SpeedAxis, 2, 0);

  context.save();
  context.beginPath();
  context.rect(Margin.left, Margin.top, plotWidth, plotHeight);
  context.clip();
  const plot = { context, path: graph.path, graph, facts, x, y };
  if (kind === "position") drawPosition(plot);
  else drawSpeed(plot);
  context.restore();
  context.strokeStyle = colors.axis;
  context.lineWidth = sizes.rule;
  context.strokeRect(Margin.left, Margin.top, plotWidth, plotHeight);
}
