// The form's code in the page (page_bench.mjs, group "code"): the core's
// interpreter running the form's code for the page's rules on stand-in
// controls, trips between floors 1 and 11, with the statements of each event
// taken as the code view takes them; statements a second, against half the
// native goal of 1,000,000. And with 100,000 statements kept, the time to
// choose a step in the code view's slider and draw it (its line, words and
// sketch), against a frame.

import { defineStandInRules } from "../test/support/stand_in_rules.js";
import { fixed, median } from "./figures.mjs";

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
  const [{ CodeView, texts, facts, keys }, drawing] = await Promise.all([
    page.late("code"),
    page.late("events"),
  ]);
  rules.load();
  const runner = { partWay: false, advance() {}, finish() {}, restart() {} };
  const log = { announce() {} };
  /** @type {(canvas: HTMLCanvasElement, sketch: any) => void} */
  const draw = (canvas, sketch) => drawing.drawSketch(canvas, sketch, drawing.facts.sketch);
  const view = new CodeView(document, rules, runner, log, texts, facts, keys, draw);
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
export async function codeFigures({ browser, pageUrl }) {
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
  ];
}
