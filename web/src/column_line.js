// A graph's line as the core lays it out in the plot (PageMotion.graph's
// line, core/motion/column_line.h): the segments as they are while they are
// few, else the line thinned to the canvas's pixel columns, which is drawn
// as one vertical a column over the column's values.

/**
 * Strokes the line: whether it is thinned (1 or 0), then for each polyline
 * its count of points, then each point's x and y.
 * @param {CanvasRenderingContext2D} context
 * @param {Float64Array} line
 */
export function strokeLine(context, line) {
  const thinned = line[0] === 1;
  context.lineCap = thinned ? "square" : "butt";
  context.beginPath();
  for (let at = 1; at < line.length;) {
    const end = at + 1 + 2 * line[at];
    if (thinned) columns(context, line, at + 1, end);
    else {
      context.moveTo(line[at + 1], line[at + 2]);
      for (let point = at + 3; point < end; point += 2)
        context.lineTo(line[point], line[point + 1]);
    }
    at = end;
  }
  context.stroke();
  context.lineCap = "butt";
}

/**
 * The points from first to end as one vertical a column.
 * @param {CanvasRenderingContext2D} context
 * @param {Float64Array} line
 * @param {number} first
 * @param {number} end
 */
function columns(context, line, first, end) {
  for (let point = first; point < end;) {
    const x = line[point];
    let top = line[point + 1];
    let bottom = top;
    for (point += 2; point < end && line[point] === x; point += 2) {
      top = Math.min(top, line[point + 1]);
      bottom = Math.max(bottom, line[point + 1]);
    }
    context.moveTo(x, top);
    context.lineTo(x, bottom);
  }
}
