// The position graph's line: the cabin's floor over time, each step's
// point while they stand apart, a jump dashed, and the running trip's final
// stop as a dashed level from its pick to the present.

import { strokeLine } from "./column_line.js";
import { partsOf } from "./graph_path.js";

/** @typedef {import("./graph_path.js").Plot} Plot */

/** @param {Plot} plot */
export function drawPosition({ context, path, graph, facts, x, y }) {
  const { colors, sizes } = facts;
  const { header, stretch: field, point: pointField, kinds } = facts.path;
  const { stretches, points } = partsOf(path, facts.path);
  const finalStop = path[header.finalStop];
  if (finalStop) {
    context.setLineDash([6, 4]);
    context.strokeStyle = colors.target;
    context.lineWidth = sizes.line;
    context.beginPath();
    context.moveTo(x(path[header.finalStopFromMs]), y(finalStop));
    context.lineTo(x(graph.nowMs), y(finalStop));
    context.stroke();
  }
  context.setLineDash([]);
  context.strokeStyle = colors.position;
  context.lineWidth = sizes.line;
  strokeLine(context, graph.line);

  context.setLineDash([6, 4]);
  context.strokeStyle = colors.positionJump;
  context.beginPath();
  for (let at = stretches.first; at < stretches.end; at += stretches.size) {
    if (path[at + field.kind] !== kinds.jump) continue;
    context.moveTo(x(path[at + field.fromMs]), y(path[at + field.fromFloor]));
    context.lineTo(x(path[at + field.fromMs]), y(path[at + field.toFloor]));
  }
  context.stroke();
  context.setLineDash([]);

  context.fillStyle = colors.position;
  context.beginPath();
  for (let at = points.first; at < points.end; at += points.size) {
    const [pointX, pointY] = [x(path[at + pointField.ms]), y(path[at + pointField.floor])];
    context.moveTo(pointX + sizes.stepPoint, pointY);
    context.arc(pointX, pointY, sizes.stepPoint, 0, 2 * Math.PI);
  }
  context.fill();
}
