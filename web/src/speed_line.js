// The speed graph's lines: the zero line, the speed over time through the
// stretches' ends (vertical where it changes, broken at a jump), and a ring
// at each jump.

import { ColumnLine } from "./column_line.js";
import { partsOf } from "./graph_path.js";

/** @typedef {import("./graph_path.js").Plot} Plot */

/** @param {Plot} plot */
export function drawSpeed({ context, ratio, path, facts, x, y }) {
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
  for (let at = stretches.first; at < stretches.end; at += stretches.size) {
    if (!path[at + field.hasSpeed]) {
      narrow.flush();
      pen = undefined;
      continue;
    }
    const [fromX, toX] = [x(path[at + field.fromMs]), x(path[at + field.toMs])];
    const level = y(path[at + field.kind] === kinds.rest ? 0 : path[at + field.last]);
    if (path[at + field.kind] === kinds.dense) {
      narrow.add(fromX, y(path[at + field.low]), y(path[at + field.high]));
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
  for (let at = stretches.first; at < stretches.end; at += stretches.size) {
    if (path[at + field.kind] !== kinds.jump) continue;
    context.moveTo(x(path[at + field.fromMs]) + 4, y(0));
    context.arc(x(path[at + field.fromMs]), y(0), 4, 0, 2 * Math.PI);
  }
  context.fill();
  context.stroke();
}
