// On a slow device, the CPU throttled 6× through the DevTools protocol as
// Lighthouse emulates one (group "slow"): against the static page under the
// same throttle (its first contentful paint), the page's first frame with
// the form (its first contentful paint too) and its first usable frame (the
// animation frame after its rules have loaded, the first that takes a
// click); and the step cadence at 800 ms with the motion view open.
import { fixed, median } from "./figures.mjs";
import { firstFrameMs, toldFrameMs, writeStaticPage } from "./static_page.mjs";
import { StepMs, stepErrors } from "./step_cadence.mjs";

const SlowDevice = 6;
const SlowRuns = 11;

/** @typedef {import("./figures.mjs").Bench} Bench */

// Runs in the page: the animation frame after the rules have loaded
// (body[data-ready]), the first that takes a click, told.
function watchReady() {
  new MutationObserver((_, observer) => {
    if (document.body?.dataset.ready !== "true") return;
    observer.disconnect();
    requestAnimationFrame((frameMs) => console.log(`lodarix-frame ${frameMs}`));
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ["data-ready"] });
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
  const firstFrames = [];
  /** @type {number[]} */
  const staticStarts = [];
  for (let run = 0; run < SlowRuns; ++run) {
    firstFrames.push(await firstFrameMs(bench, bench.pageUrl, SlowDevice));
    usable.push(await toldFrameMs(bench, bench.pageUrl, watchReady, SlowDevice));
    staticStarts.push(await firstFrameMs(bench, staticUrl, SlowDevice));
  }
  const firstRatio = median(firstFrames) / median(staticStarts);
  const ratio = median(usable) / median(staticStarts);
  const trips = /** @type {[number, number][]} */ ([
    [11, 10],
    [1, 10],
  ]);
  const slow = { throttle: SlowDevice, viewShown: true };
  const absolute = (await stepErrors(bench, StepMs, trips, slow)).errors.map(Math.abs);
  return [
    [
      `CPU ${SlowDevice}× slower: navigation to the first frame with the form, median of ${SlowRuns}`,
      `${fixed(median(firstFrames))} ms (${fixed(Math.min(...firstFrames))}–${fixed(Math.max(...firstFrames))}) against ${fixed(median(staticStarts))} ms static: ratio ${fixed(firstRatio, 2)}`,
      "ratio ≤ 1.3",
      firstRatio <= 1.3,
    ],
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
