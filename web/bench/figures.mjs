// What every group of the page's figures shares: the browser and the page
// under measure (a Bench), a fresh page in a context of its own, its CPU
// throttled where a group asks for a slow device, and the figures' medians
// and decimals. Each group's module measures one group and returns its rows
// of the table (Figure).

/** @typedef {[string, string, string, boolean]} Figure figure, value, goal, met */

/**
 * @typedef {object} Bench
 * @property {import("playwright-core").Browser} browser
 * @property {string} pagePath lodarix.html on disk
 * @property {string} outPath the table's file; the groups write beside it
 * @property {string} pageUrl the page at its original size (?zoom=1)
 * @property {string} fittedUrl the page fitted to the window
 */

/** @param {number[]} values */
export const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

/** @param {number} value @param {number} [digits] */
export const fixed = (value, digits = 1) => value.toFixed(digits);

/**
 * A page of a new context; its CPU throttled by the given factor, as on a
 * slow device.
 * @param {Bench} bench
 * @param {number} [throttle]
 * @returns {Promise<import("playwright-core").Page>}
 */
export async function freshPage(bench, throttle = 1) {
  const context = await bench.browser.newContext({ viewport: { width: 520, height: 400 } });
  const page = await context.newPage();
  if (throttle !== 1) {
    const session = await context.newCDPSession(page);
    await session.send("Emulation.setCPUThrottlingRate", { rate: throttle });
  }
  return page;
}

/** @param {import("playwright-core").Page} page */
export async function closePage(page) {
  await page.context().close();
}
