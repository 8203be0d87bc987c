// A graph's line as the core lays it out in the plot (PageMotion.graph's
// line, core/motion/column_line.h): the segments as they are while they are
// few, else the line thinned to the canvas's pixel columns.

/**
 * Strokes the line: for each polyline, its count of points, then each
 * point's x and y.
 * @param {CanvasRenderingContext2D} context
 * @param {Float64Array} line
 */
export function strokeLine(context, line) {
  context.beginPath();
  for (let at = 0; at < line.length;) {
    const end = at + 1 + 2 * line[at];
    context.moveTo(line[at + 1], line[at + 2]);
    for (let point = at + 3; point < end; point += 2) context.lineTo(line[point], line[point + 1]);
    at = end;
  }
  context.stroke();
}
