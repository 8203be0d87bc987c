// The page's step timer on a clock the test moves: steps fall due at the
// start plus whole periods however late each timeout runs, a start while
// running starts the period anew, a stop within a step ends the steps, and
// steps that fell due while the page was held up come at once, in order.
import { test } from "node:test";
import assert from "node:assert/strict";
import { StepTimer } from "../src/step_timer.js";

/**
 * Timeouts that run only when the test moves the clock, late by lateness(n)
 * for the nth timeout.
 * @param {(n: number) => number} [lateness]
 */
function testClock(lateness = () => 0) {
  let nowMs = 1000;
  /** @type {Map<number, { atMs: number, callback: () => void }>} */
  const pending = new Map();
  let handles = 0;
  return {
    now: () => nowMs,
    setTimeout: (/** @type {() => void} */ callback, /** @type {number} */ delayMs) => {
      ++handles;
      pending.set(handles, { atMs: nowMs + delayMs + lateness(handles), callback });
      return handles;
    },
    clearTimeout: (/** @type {number} */ handle) => void pending.delete(handle),
    /** @param {number} toMs */
    runTo(toMs) {
      for (;;) {
        const next = [...pending].sort((a, b) => a[1].atMs - b[1].atMs)[0];
        if (!next || next[1].atMs > toMs) break;
        pending.delete(next[0]);
        nowMs = next[1].atMs;
        next[1].callback();
      }
      nowMs = toMs;
    },
    get pending() {
      return pending.size;
    },
  };
}

test("each step falls due at the start plus whole periods, though each timeout is late", () => {
  const clock = testClock(() => 7);
  /** @type {number[]} */
  const due = [];
  const timer = new StepTimer(800, (dueMs) => due.push(dueMs), clock);
  timer.start();
  clock.runTo(1000 + 10 * 800 + 100);
  assert.deepEqual(
    due,
    Array.from({ length: 10 }, (_, n) => 1000 + (n + 1) * 800),
  );
});

test("a start while running starts the period anew; a stop in a step ends the steps", () => {
  const clock = testClock();
  /** @type {number[]} */
  const due = [];
  const timer = new StepTimer(
    800,
    (dueMs) => {
      due.push(dueMs);
      if (due.length === 3) timer.stop();
    },
    clock,
  );
  timer.start();
  clock.runTo(1000 + 800 + 500);
  timer.start();
  assert.ok(timer.active);
  clock.runTo(2300 + 799);
  assert.deepEqual(due, [1800]);
  clock.runTo(2300 + 800);
  assert.deepEqual(due, [1800, 3100]);
  clock.runTo(10000);
  assert.deepEqual(due, [1800, 3100, 3900]);
  assert.ok(!timer.active);
  assert.equal(clock.pending, 0);
});

test("steps that fell due while the page was held up come at once, in order", () => {
  // The page stands still from the first step's due time for three and a half periods.
  const clock = testClock((n) => (n === 1 ? 2800 : 0));
  /** @type {[number, number][]} */
  const steps = [];
  const timer = new StepTimer(800, (dueMs) => steps.push([dueMs, clock.now()]), clock);
  timer.start();
  clock.runTo(5000);
  assert.deepEqual(steps, [
    [1800, 4600],
    [2600, 4600],
    [3400, 4600],
    [4200, 4600],
    [5000, 5000],
  ]);
});

test("a timeout a little early runs its step, told the step's own time", () => {
  const clock = testClock(() => -0.6);
  /** @type {number[]} */
  const due = [];
  const timer = new StepTimer(800, (dueMs) => due.push(dueMs), clock);
  timer.start();
  clock.runTo(1000 + 3 * 800 - 1);
  assert.deepEqual(due, [1800, 2600]);
  clock.runTo(1000 + 3 * 800);
  assert.deepEqual(due, [1800, 2600, 3400]);
});

test("held steps wait with the timer on; a release starts the period anew; deliver runs one", () => {
  const clock = testClock();
  /** @type {number[]} */
  const due = [];
  const timer = new StepTimer(800, (dueMs) => due.push(dueMs), clock);
  timer.start();
  clock.runTo(1000 + 800 + 100);
  timer.setHeld(true);
  clock.runTo(5000);
  assert.deepEqual(due, [1800]);
  assert.ok(timer.active, "the rules still see the timer on");
  assert.equal(clock.pending, 0);
  assert.ok(timer.deliver());
  assert.deepEqual(due, [1800, 5000]);
  timer.setHeld(false);
  clock.runTo(5000 + 799);
  assert.equal(due.length, 2);
  clock.runTo(5000 + 800);
  assert.deepEqual(due, [1800, 5000, 5800]);

  timer.setHeld(true);
  timer.stop();
  assert.ok(!timer.deliver(), "nothing to deliver with the timer off");
  timer.start();
  clock.runTo(9000);
  assert.equal(due.length, 3, "a start while held waits too");
  timer.setHeld(false);
  clock.runTo(9800);
  assert.deepEqual(due, [1800, 5000, 5800, 9800]);
});

test("the next step's due time is told while one is to come, from within a step too", () => {
  const clock = testClock(() => 5);
  /** @type {(number | undefined)[]} */
  const toldInStep = [];
  const timer = new StepTimer(800, () => toldInStep.push(timer.nextDueMs), clock);
  assert.equal(timer.nextDueMs, undefined, "the timer off");
  timer.start();
  assert.equal(timer.nextDueMs, 1800);
  clock.runTo(1000 + 2 * 800 + 100);
  assert.deepEqual(toldInStep, [2600, 3400]);
  assert.equal(timer.nextDueMs, 3400, "though the timeouts run late");
  timer.setHeld(true);
  assert.equal(timer.nextDueMs, undefined, "held");
  timer.setHeld(false);
  assert.equal(timer.nextDueMs, 2700 + 800, "the period starts anew on release");
  timer.stop();
  assert.equal(timer.nextDueMs, undefined, "stopped");
});
