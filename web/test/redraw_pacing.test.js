// The motion view's redraws against the step timer: a redraw that would
// still run, taking as long as the longest of late, when the next step falls
// due waits for that step, once; with no step to come, or no room between
// two steps, it never waits; only the latest redraws' times count.
import { test } from "node:test";
import assert from "node:assert/strict";
import { RedrawPacing } from "../src/redraw_pacing.js";

/**
 * Pacing against a step timer as it sees one, which the test moves on.
 * @param {number | undefined} nextDueMs
 * @param {number} [periodMs]
 */
function paced(nextDueMs, periodMs = 800) {
  const timer = { nextDueMs, periodMs };
  return { timer, pacing: new RedrawPacing(/** @type {any} */ (timer)) };
}

test("a redraw that would run into the next step waits for it, once", () => {
  assert.ok(paced(undefined).pacing.mayStart(1790), "no step to come");
  const { timer, pacing } = paced(1800);
  pacing.took(30);
  assert.ok(pacing.mayStart(1800 - 34), "room for it and the margin");
  assert.ok(!pacing.mayStart(1800 - 33));
  assert.equal(pacing.heldUntil, 1800);
  assert.ok(!pacing.mayStart(1790), "still before the step");
  // The step has run, and the next comes soon after it.
  timer.nextDueMs = 1810;
  assert.ok(pacing.mayStart(1801), "after the step it waited for, it runs whatever comes next");
  assert.equal(pacing.heldUntil, undefined);
  assert.ok(!pacing.mayStart(1802), "and the next redraw is paced again");
});

test("where no redraw fits between two steps, none waits", () => {
  const { pacing } = paced(1200, 200);
  pacing.took(250);
  assert.ok(pacing.mayStart(1199));
});

test("only the latest redraws' times count", () => {
  const { pacing } = paced(1800);
  pacing.took(300);
  assert.ok(!pacing.mayStart(1600));
  for (let n = 0; n < 8; ++n) pacing.took(10);
  assert.ok(pacing.mayStart(1801), "after the step it waited for");
  assert.ok(pacing.mayStart(1780), "the long redraw forgotten");
  assert.ok(!pacing.mayStart(1790));
});
