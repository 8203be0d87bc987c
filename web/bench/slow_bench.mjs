// On a slow device, the CPU throttled 6× through the DevTools protocol as
// Lighthouse emulates one (group "slow"): the first usable frame against the
// static page under the same throttle, and the step cadence at 800 ms with
// the motion view open.
import { closePage, fixed, freshPage, median } from "./figures.mjs";
import { firstFrameMs, writeStaticPage } from "./static_page.mjs";
import { StepMs, stepErrors } from "./step_cadence.mjs";

const SlowDevice = 6;
const SlowRuns = 11;

/** @typedef {import("./figures.mjs").Bench} Bench */

// Navigation start to the first frame that takes a click: for the page, the
// animation frame after the rules have loaded (body[data-ready]); for the
// static page, its first contentful paint.
/** @param {Bench} bench @param {number} throttle */
async function firstUsableFrameMs(bench, throttle) {
  const page = await freshPage(bench, throttle);
  await page.addInitScript(() => {
    new MutationObserver((_, observer) => {
      if (document.body?.dataset.ready !== "true") return;
      observer.disconnect();
      requestAnimationFrame((frameMs) => {
        /** @type {any} */ (globalThis).lodarixUsableMs = frameMs;
      });
    }).observe(document, { subtree: true, attributes: true, attributeFilter: ["data-ready"] });
  });
  await page.goto(bench.pageUrl);
  const usable = await page.waitForFunction(() => /** @type {any} */ (globalThis).lodarixUsableMs);
  const usableMs = /** @type {number} */ (await usable.jsonValue());
  await closePage(page);
  return usableMs;
}

/**
 * @param {Bench} bench
 * @returns {Promise<import("./figures.mjs").Figure[]>}
 */
export async function slowFigures(bench) {
  const staticUrl = await writeStaticPage(bench);
  /** @type {number[]} */
  const usable = [];
  /** @type {number[]} */
  const staticStarts = [];
  for (let run = 0; run < SlowRuns; ++run) {
    usable.push(await firstUsableFrameMs(bench, SlowDevice));
    staticStarts.push(await firstFrameMs(bench, staticUrl, SlowDevice));
  }
  const ratio = median(usable) / median(staticStarts);
  const trips = /** @type {[number, number][]} */ ([
    [11, 10],
    [1, 10],
  ]);
  const slow = { throttle: SlowDevice, viewShown: true };
  const absolute = (await stepErrors(bench, StepMs, trips, slow)).errors.map(Math.abs);
  return [
    [
      `CPU ${SlowDevice}× slower: navigation to the first usable frame, median of ${SlowRuns}`,
      `${fixed(median(usable))} ms (${fixed(Math.min(...usable))}–${fixed(Math.max(...usable))}) against ${fixed(median(staticStarts))} ms static: ratio ${fixed(ratio, 2)}`,
      "ratio ≤ 1.5",
      ratio <= 1.5,
    ],
    [
      `CPU ${SlowDevice}× slower: step cadence at ${StepMs} ms with the motion view shown, ${absolute.length} steps`,
      `median \\|error\\| ${fixed(median(absolute), 2)} ms, max ${fixed(Math.max(...absolute), 2)} ms`,
      "median \\|error\\| ≤ 4 ms, max ≤ 16 ms",
      median(absolute) <= 4 && Math.max(...absolute) <= 16,
    ],
  ];
}
