// The repaint of each graph (1200 × 400) with 100,000 rows, whole session
// and last 60 s, with the record's bytes a row (group "graphs").
import { showLongRecord } from "../test/support/long_record.js";
import { fixed, median } from "./figures.mjs";

const GraphRows = 100_000;
const RepaintRuns = 31;

// A record of GraphRows rows, shown by a motion view of its own
// (test/support/long_record.js); each graph is drawn, and the drawing
// finished (a pixel read back), RepaintRuns times for the whole session and
// for the last 60 s.
/** @param {import("./figures.mjs").Bench} bench */
async function graphTimes({ browser, pageUrl }) {
  const context = await browser.newContext({ viewport: { width: 1400, height: 1200 } });
  const page = await context.newPage();
  await page.goto(pageUrl);
  await page.waitForSelector("body[data-ready=true]");
  await showLongRecord(page, { rows: GraphRows, width: 1200, height: 400 });
  const figures = await page.evaluate((runs) => {
    const { view, rowCount, bytesHeld } = /** @type {any} */ (globalThis).longRecord;
    /** @type {Record<string, number[]>} */
    const times = {};
    for (const whole of [true, false]) {
      view.wholeSession.checked = whole;
      for (const kind of ["position", "speed"]) {
        const canvas = kind === "position" ? view.positionGraph : view.speedGraph;
        const context2d = canvas.getContext("2d");
        const samples = [];
        for (let run = 0; run < runs + 3; ++run) {
          const start = performance.now();
          view.drawGraph(kind);
          context2d.getImageData(0, 0, 1, 1);
          if (run >= 3) samples.push(performance.now() - start);
        }
        times[`${kind} ${whole ? "whole" : "60"}`] = samples;
      }
    }
    return { times, rowCount, bytesPerRow: bytesHeld / rowCount };
  }, RepaintRuns);
  await context.close();
  return figures;
}

/**
 * @param {import("./figures.mjs").Bench} bench
 * @returns {Promise<import("./figures.mjs").Figure[]>}
 */
export async function graphsFigures(bench) {
  const graphs = await graphTimes(bench);
  return [
    ...["position", "speed"].flatMap((kind) =>
      /** @type {const} */ ([
        ["whole", "whole session", 16],
        ["60", "last 60 s", 2],
      ]).map(([span, words, goalMs]) => {
        const samples = graphs.times[`${kind} ${span}`];
        return /** @type {import("./figures.mjs").Figure} */ ([
          `repaint of the ${kind} graph, 1200 × 400, ${graphs.rowCount} rows, ${words}, median of ${samples.length}`,
          `${fixed(median(samples), 2)} ms (max ${fixed(Math.max(...samples), 2)} ms)`,
          `≤ ${goalMs} ms`,
          median(samples) <= goalMs,
        ]);
      }),
    ),
    [
      "memory per row of the motion record in the page",
      `${fixed(graphs.bytesPerRow, 1)} B`,
      "≤ 32 B",
      graphs.bytesPerRow <= 32,
    ],
  ];
}
