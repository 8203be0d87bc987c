// The numbers of a graph (PageMotion.graph's path) read by the names the
// build-time facts give their fields: the header, then each stretch and
// each step point as a view of its own fields.

/** @typedef {import("./lodarix.js").MotionGraph} MotionGraph */
/** @typedef {import("./lodarix.js").MotionGraphFacts} MotionGraphFacts */

/**
 * The stretches and step points of a path, each a view of its fields.
 * @param {Float64Array} path
 * @param {MotionGraphFacts["path"]} layout
 */
export function partsOf(path, layout) {
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
 * What a trace is drawn with: the canvas's context at its device-pixel
 * ratio, the graph and its facts, and the plot's scales.
 * @typedef {object} Plot
 * @property {CanvasRenderingContext2D} context
 * @property {number} ratio
 * @property {Float64Array} path
 * @property {MotionGraph} graph
 * @property {MotionGraphFacts} facts
 * @property {(ms: number) => number} x
 * @property {(value: number) => number} y
 */
