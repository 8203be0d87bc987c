// A long lesson at once: the core's rules, on controls that do nothing, make
// a record of the given rows (trips between floors 1 and 11, each picked
// 500 ms after the last arrival, 800 ms a step), and a motion view of its own
// shows it, its graphs width × height CSS pixels. The page must be loaded:
// showLongRecord(page, {rows, width, height}); the view is left in the
// page's globalThis.longRecord, with the record's row count and bytes held.

import { defineStandInRules } from "./stand_in_rules.js";

/**
 * @param {import("playwright-core").Page} page
 * @param {{ rows: number, width: number, height: number }} size
 */
export async function showLongRecord(page, size) {
  await page.evaluate(defineStandInRules);
  await page.evaluate(inPage, size);
}

/**
 * @param {{ rows: number, width: number, height: number }} size
 */
async function inPage({ rows, width, height }) {
  const { core, late } = /** @type {any} */ (globalThis).lodarixPage;
  const { MotionView, facts: motionFacts } = await late("motion");
  const motion = new core.PageMotion(800);
  const { rules, controls } = /** @type {any} */ (globalThis).standInRules(core, false);
  rules.observe(motion);
  let pageMs = 0;
  motion.setPageMs(pageMs);
  rules.load();
  for (let trip = 0; motion.rowCount() < rows; ++trip) {
    motion.setPageMs((pageMs += 500));
    controls.grilleClosed = true;
    rules.pick(trip % 2 ? 0 : 10);
    for (let step = 0; step < 10 && motion.rowCount() < rows; ++step) {
      motion.setPageMs((pageMs += 800));
      rules.step();
    }
  }
  const timer = {
    active: false,
    periodMs: 800,
    setHeld() {},
    deliver: () => false,
    setPeriod() {},
  };
  const view = new MotionView(document, motion, timer, motionFacts);
  document.body.append(view.element);
  view.element.hidden = false;
  for (const canvas of [view.positionGraph, view.speedGraph]) {
    canvas.style.width = `${width}px`;
    canvas.style.height = `${height}px`;
  }
  /** @type {any} */ (globalThis).longRecord = {
    view,
    rowCount: motion.rowCount(),
    bytesHeld: motion.bytesHeld(),
  };
}
