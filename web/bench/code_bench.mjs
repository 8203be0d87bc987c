// The form's code in the page (page_bench.mjs, group "code"): the core's
// interpreter running the form's code for the page's rules on stand-in
// controls, trips between floors 1 and 11, with the statements of each event
// taken as the code view takes them; statements a second, against half the
// native goal of 1,000,000. And with 100,000 statements kept, the time to
// choose a step in the code view's slider and draw it (its line, words and
// sketch), against a frame. And the step cadence of two trips after a
// program with an endless loop was stopped and the form's code runs again.

import { defineStandInRules } from "../test/support/stand_in_rules.js";
import { fixed, median } from "./figures.mjs";
import { StepMs, stepErrors } from "./step_cadence.mjs";

const Events = 20_000;
const Runs = 5;
const Kept = 100_000;
const Choices = 40;

/**
 * Runs in the loaded page: the statements a second of each run.
 * @param {{ events: number, runs: number }} settings
 */
function inPage({ events, runs }) {
  const { core } = /** @type {any} */ (globalThis).lodarixPage;
  const { rules, controls } = /** @type {any} */ (globalThis).standInRules(core, true);
  rules.load();
  rules.runFormCode();
  let trip = 0;
  let steps = 0;
  /** @type {number[]} */
  const rates = [];
  for (let run = 0; run < runs; ++run) {
    let statements = 0;
    const start = performance.now();
    for (let event = 0; event < events; ++event) {
      if (steps === 0) {
        controls.grilleClosed = true;
        rules.grilleClicked();
        rules.pick(trip++ % 2 ? 0 : 10);
        steps = 10;
      } else {
        rules.step();
        --steps;
      }
      statements += JSON.parse(rules.takeRanJson()).ran.length;
    }
    rates.push(statements / ((performance.now() - start) / 1000));
  }
  return rates;
}

/**
 * Runs in the loaded page: the milliseconds of each choice of a step, drawn
 * by a code view on the stand-in rules once they keep `kept` statements.
 * @param {{ kept: number, choices: number }} settings
 */
async function choosingInPage({ kept, choices }) {
  const page = /** @type {any} */ (globalThis).lodarixPage;
  const { rules, controls } = /** @type {any} */ (globalThis).standInRules(page.core, true);
  const [{ CodeView, texts, editingTexts, facts, keys }, drawing] = await Promise.all([
    page.late("code"),
    page.late("events"),
  ]);
  rules.load();
  const runner = { partWay: false, advance() {}, finish() {}, restart() {} };
  const log = { announce() {} };
  const lesson = { core: page.core, rules, runner, log, resetForm() {} };
  /** @type {(canvas: HTMLCanvasElement, sketch: any) => void} */
  const draw = (canvas, sketch) => drawing.drawSketch(canvas, sketch, drawing.facts.sketch);
  const view = new CodeView(document, lesson, texts, editingTexts, facts, keys, draw);
  document.body.append(view.element);
  for (let trip = 0; JSON.parse(rules.historyJson()).count < kept; ++trip) {
    controls.grilleClosed = true;
    rules.grilleClicked();
    rules.pick(trip % 2 ? 0 : 10);
    for (let step = 0; step < 10; ++step) rules.step();
    rules.takeRanJson();
  }
  view.setShown(true);
  const slider = view.steps.slider;
  /** @type {number[]} */
  const times = [];
  for (let choice = 0; choice < choices; ++choice) {
    const start = performance.now();
    slider.value = String(Math.floor(((choice * 7919) % kept) + 1));
    slider.dispatchEvent(new Event("input"));
    times.push(performance.now() - start);
  }
  return times;
}

/**
 * @param {import("./figures.mjs").Bench} bench
 * @returns {Promise<import("./figures.mjs").Figure[]>}
 */
export async function codeFigures(bench) {
  const { browser, pageUrl } = bench;
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(pageUrl);
  await page.waitForSelector("body[data-ready=true]");
  await page.evaluate(defineStandInRules);
  const rates = await page.evaluate(inPage, { events: Events, runs: Runs });
  await page.reload();
  await page.waitForSelector("body[data-ready=true]");
  await page.evaluate(defineStandInRules);
  const times = await page.evaluate(choosingInPage, { kept: Kept, choices: Choices });
  await context.close();
  const after = (
    await stepErrors(
      bench,
      StepMs,
      [
        [11, 10],
        [1, 10],
      ],
      { afterEndlessLoop: true },
    )
  ).errors.map(Math.abs);
  const rate = median(rates) / 1e6;
  const choosing = median(times);
  return [
    [
      `statements a second of the form's code in the page, ${Events} events, median of ${Runs}`,
      `${fixed(rate, 2)} million`,
      "≥ 0.5 million",
      rate >= 0.5,
    ],
    [
      `a step chosen and drawn in the code view, ${Kept} statements kept, median of ${Choices}`,
      `${fixed(choosing, 1)} ms`,
      "≤ 16 ms",
      choosing <= 16,
    ],
    [
      `step cadence after a program's endless loop was stopped, ${after.length} steps`,
      `median \\|error\\| ${fixed(median(after), 2)} ms, max ${fixed(Math.max(...after), 2)} ms`,
      "median \\|error\\| ≤ 2 ms",
      median(after) <= 2,
    ],
  ];
}
