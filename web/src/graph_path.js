// The numbers of a graph (PageMotion.graph's path) read by the names the
// build-time facts give their fields: the header, then each stretch and
// each step point as a run of its fields.

/** @typedef {import("./lodarix.js").DrawnGraph} DrawnGraph */
/** @typedef {import("./lodarix.js").MotionGraphFacts} MotionGraphFacts */

/**
 * Where a path's stretches and step points lie in it: each part's fields
 * start at a multiple of its size from its first, up to its end.
 * @param {Float64Array} path
 * @param {MotionGraphFacts["path"]} layout
 */
export function partsOf(path, layout) {
  const { header, stretch, point } = layout;
  const stretchesEnd = header.size + path[header.stretchCount] * stretch.size;
  return {
    stretches: { first: header.size, end: stretchesEnd, size: stretch.size },
    points: {
      first: stretchesEnd,
      end: stretchesEnd + path[header.pointCount] * point.size,
      size: point.size,
    },
  };
}

/**
 * What a graph's line is drawn with: the canvas's context, the graph and its
 * facts, and the plot's scales.
 * @typedef {object} Plot
 * @property {CanvasRenderingContext2D} context
 * @property {Float64Array} path
 * @property {DrawnGraph} graph
 * @property {MotionGraphFacts} facts
 * @property {(ms: number) => number} x
 * @property {(value: number) => number} y
 */
