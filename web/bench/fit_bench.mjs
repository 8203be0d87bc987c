// Fitted to the window, the time from a change of the window's size to the
// end of the frame that shows the page fitted anew, the motion view beside
// or below the form (group "fit").
import { fixed, median } from "./figures.mjs";

const FitRuns = 40;

// The window's size changed FitRuns times, in turn to each of a board's, a
// laptop's, a tablet's and a phone's, with the motion view shown. For each,
// the time the page's handler of the resize event takes, the time from the
// event to the end of the first frame after it, and whether that frame shows
// the form where it stays once all that follows has run.
/** @param {import("./figures.mjs").Bench} bench */
async function fitTimes({ browser, fittedUrl }) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const page = await context.newPage();
  // Before the page's own listener, which this one follows.
  await page.addInitScript(() =>
    addEventListener("resize", () => Object.assign(globalThis, { resizeBegun: performance.now() })),
  );
  await page.goto(fittedUrl);
  await page.waitForSelector("body[data-ready=true]");
  await page.keyboard.press("F2");
  await page.evaluate(() => {
    /** @type {object[]} */
    const fits = [];
    Object.assign(globalThis, { fits });
    addEventListener("resize", (event) => {
      const begun = event.timeStamp;
      const handled = performance.now() - /** @type {any} */ (globalThis).resizeBegun;
      requestAnimationFrame(() => {
        const box = /** @type {HTMLElement} */ (
          document.querySelector(".form")
        ).getBoundingClientRect();
        const at = [box.x, box.y, box.width, box.height];
        setTimeout(() => fits.push({ handled, framed: performance.now() - begun, at }));
      });
    });
  });
  /** The form's place two frames later, once all that follows has run. */
  const settled = () =>
    page.evaluate(
      () =>
        new Promise((done) =>
          requestAnimationFrame(() =>
            requestAnimationFrame(() => {
              const box = /** @type {HTMLElement} */ (
                document.querySelector(".form")
              ).getBoundingClientRect();
              done([box.x, box.y, box.width, box.height]);
            }),
          ),
        ),
    );
  /** @type {{ handled: number, framed: number, filled: boolean }[]} */
  const results = [];
  const sizes = [
    [1920, 1080],
    [1366, 768],
    [810, 1080],
    [360, 740],
  ];
  for (let run = 0; run < FitRuns; ++run) {
    const [width, height] = sizes[run % sizes.length];
    const count = run + 1;
    await page.setViewportSize({ width, height });
    await page.waitForFunction(
      (count) => /** @type {any} */ (globalThis).fits.length >= count,
      count,
    );
    const now = await settled();
    /** @type {{ handled: number, framed: number, at: number[] }} */
    const fit = await page.evaluate((run) => /** @type {any} */ (globalThis).fits[run], run);
    results.push({ ...fit, filled: fit.at.every((value, at) => Math.abs(value - now[at]) < 0.5) });
  }
  await context.close();
  return results;
}

/**
 * @param {import("./figures.mjs").Bench} bench
 * @returns {Promise<import("./figures.mjs").Figure[]>}
 */
export async function fitFigures(bench) {
  const fits = await fitTimes(bench);
  const framed = fits.map((fit) => fit.framed);
  const filled = fits.filter((fit) => fit.filled).length;
  return [
    [
      `a change of the window's size, fitted anew with the motion view shown, ${fits.length} changes`,
      `the page's handler ${fixed(median(fits.map((fit) => fit.handled)), 2)} ms (max ${fixed(Math.max(...fits.map((fit) => fit.handled)), 2)} ms); from the event to the end of the next frame ${fixed(median(framed), 2)} ms (max ${fixed(Math.max(...framed), 2)} ms); that frame fitted in ${filled} of ${fits.length}`,
      "the next frame fitted",
      filled === fits.length,
    ],
  ];
}
