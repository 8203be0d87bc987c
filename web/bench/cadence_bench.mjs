// The step cadence of three trips on the page's real timer, and of two trips
// at an interval of 200, 800 and 2000 ms set in the motion view (group
// "cadence").
import { fixed, median } from "./figures.mjs";
import { StepMs, stepErrors } from "./step_cadence.mjs";

/**
 * @param {import("./figures.mjs").Bench} bench
 * @returns {Promise<import("./figures.mjs").Figure[]>}
 */
export async function cadenceFigures(bench) {
  const { errors, intervals, firsts } = await stepErrors(bench);
  const absErrors = errors.map(Math.abs);
  /** @type {import("./figures.mjs").Figure[]} */
  const figures = [
    [
      `step cadence, ${errors.length + firsts.length} steps of ${StepMs} ms in ${firsts.length} trips`,
      `each step against the trip's first + n × ${StepMs} ms: median \\|error\\| ${fixed(median(absErrors), 2)} ms, max ${fixed(Math.max(...absErrors), 2)} ms; ` +
        `step to step: median \\|error\\| ${fixed(median(intervals.map(Math.abs)), 2)} ms; ` +
        `the first step ${fixed(median(firsts), 2)} ms after its time from the click`,
      "median \\|error\\| ≤ 2 ms, max ≤ 8 ms",
      median(absErrors) <= 2 && Math.max(...absErrors) <= 8,
    ],
  ];
  for (const intervalMs of [200, 800, 2000]) {
    const trips = /** @type {[number, number][]} */ ([
      [11, 10],
      [1, 10],
    ]);
    const absolute = (await stepErrors(bench, intervalMs, trips)).errors.map(Math.abs);
    figures.push([
      `step cadence at ${intervalMs} ms set in the motion view, ${absolute.length} steps`,
      `median \\|error\\| ${fixed(median(absolute), 2)} ms, max ${fixed(Math.max(...absolute), 2)} ms`,
      "median \\|error\\| ≤ 2 ms",
      median(absolute) <= 2,
    ]);
  }
  return figures;
}
