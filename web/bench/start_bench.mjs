// The time from navigation to the first frame with the form, against the
// same controls written directly as one static page, in turns (group
// "start").
import { fixed, median } from "./figures.mjs";
import { firstFrameMs, writeStaticPage } from "./static_page.mjs";

const StartRuns = 21;

/**
 * @param {import("./figures.mjs").Bench} bench
 * @returns {Promise<import("./figures.mjs").Figure[]>}
 */
export async function startFigures(bench) {
  const staticUrl = await writeStaticPage(bench);
  /** @type {number[]} */
  const pageStarts = [];
  /** @type {number[]} */
  const staticStarts = [];
  for (let run = 0; run < StartRuns; ++run) {
    pageStarts.push(await firstFrameMs(bench, bench.pageUrl));
    staticStarts.push(await firstFrameMs(bench, staticUrl));
  }
  const ratio = median(pageStarts) / median(staticStarts);
  return [
    [
      `navigation to the first frame with the form, median of ${StartRuns}`,
      `${fixed(median(pageStarts))} ms against ${fixed(median(staticStarts))} ms static: ratio ${fixed(ratio, 2)}`,
      "ratio ≤ 1.2",
      ratio <= 1.2,
    ],
  ];
}
