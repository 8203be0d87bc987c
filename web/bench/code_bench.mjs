// The form's code in the page (page_bench.mjs, group "code"): the core's
// interpreter running the form's code for the page's rules on stand-in
// controls, trips between floors 1 and 11, with the statements of each event
// taken as the code view takes them; statements a second, against half the
// native goal of 1,000,000.

import { defineStandInRules } from "../test/support/stand_in_rules.js";
import { fixed, median } from "./figures.mjs";

const Events = 20_000;
const Runs = 5;

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
  await context.close();
  const rate = median(rates) / 1e6;
  return [
    [
      `statements a second of the form's code in the page, ${Events} events, median of ${Runs}`,
      `${fixed(rate, 2)} million`,
      "≥ 0.5 million",
      rate >= 0.5,
    ],
  ];
}
