// The speed graph's lines: the zero line, the speed over time (the core's
// line, core/motion/graph_line.h), and a ring at each jump.

import { strokeLine } from "./column_line.js";
import { partsOf } from "./graph_path.js";

/** @typedef {import("./graph_path.js").Plot} Plot */

/** @param {Plot} plot */
export function drawSpeed({ context, path, graph, facts, x, y }) {
  const { colors, sizes } = facts;
  const { stretch: field, kinds } = facts.path;
  const { stretches } = partsOf(path, facts.path);
  context.strokeStyle = colors.zero;
  context.lineWidth = sizes.rule;
  context.beginPath();
  context.moveTo(x(Number.MIN_SAFE_INTEGER / 2), y(0));
  context.lineTo(x(Number.MAX_SAFE_INTEGER / 2), y(0));
  context.stroke();

  context.strokeStyle = colors.speed;
  context.lineWidth = sizes.line;
  strokeLine(context, graph.line);

  context.strokeStyle = colors.speedJump;
  context.fillStyle = colors.ground;
  context.beginPath();
  for (let at = stretches.first; at < stretches.end; at += stretches.size) {
    if (path[at + field.kind] !== kinds.jump) continue;
    context.moveTo(x(path[at + field.fromMs]) + sizes.jumpRing, y(0));
    context.arc(x(path[at + field.fromMs]), y(0), sizes.jumpRing, 0, 2 * Math.PI);
  }
  context.fill();
  context.stroke();
}
