// The page's first frame against a static page (the start and slow groups):
// the same controls as the page shows them once loaded, written directly
// into one static page with the same style, the same font as a style sheet
// gives it, and no script; and the time from navigation to a page's first
// contentful paint, which for both pages is the first frame with the form,
// as the page itself tells it.
import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { pathToFileURL } from "node:url";
import { closePage, freshPage } from "./figures.mjs";

/** @typedef {import("./figures.mjs").Bench} Bench */

/**
 * Writes the static page beside the table; returns its address.
 * @param {Bench} bench
 */
export async function writeStaticPage(bench) {
  const font = readFileSync(new URL("../fonts/LodarixSerif-Regular.woff2", import.meta.url));
  const fontFace = `@font-face { font-family: "Lodarix Serif"; src: url("data:font/woff2;base64,${font.toString("base64")}") format("woff2"); }`;
  const page = await freshPage(bench);
  await page.goto(bench.pageUrl);
  await page.waitForSelector("body[data-ready=true]");
  const html = await page.evaluate((fontFace) => {
    const style = document.querySelector("style")?.textContent ?? "";
    const form = document.querySelector(".form")?.outerHTML ?? "";
    return `<!doctype html><html lang="bg"><head><meta charset="utf-8"><title>${document.title}</title><style>${fontFace}${style}</style></head><body>${form}</body></html>`;
  }, fontFace);
  await closePage(page);
  mkdirSync(dirname(bench.outPath), { recursive: true });
  const path = join(dirname(bench.outPath), "static-form.html");
  writeFileSync(path, html);
  return pathToFileURL(path).href;
}

/**
 * The time a page tells of itself through its console, from an init script
 * (watch) that runs before any of its own: nothing of the driver's runs in
 * the page while it starts.
 * @param {Bench} bench
 * @param {string} url
 * @param {() => void} watch logs "lodarix-frame MS" once it has the time
 * @param {number} [throttle]
 */
export async function toldFrameMs(bench, url, watch, throttle) {
  const page = await freshPage(bench, throttle);
  /** @type {Promise<number>} */
  const told = new Promise((resolve) =>
    page.on("console", (message) => {
      const [word, ms] = message.text().split(" ");
      if (word === "lodarix-frame") resolve(Number(ms));
    }),
  );
  await page.addInitScript(watch);
  await page.goto(url, { waitUntil: "commit" });
  const frameMs = await told;
  await closePage(page);
  return frameMs;
}

// Runs in the page: its first contentful paint, told.
function watchFirstPaint() {
  new PerformanceObserver((list) => {
    const paint = list.getEntries().find((entry) => entry.name === "first-contentful-paint");
    if (paint) console.log(`lodarix-frame ${paint.startTime}`);
  }).observe({ type: "paint", buffered: true });
}

/**
 * Navigation start to the first contentful paint.
 * @param {Bench} bench
 * @param {string} url
 * @param {number} [throttle]
 */
export const firstFrameMs = (bench, url, throttle) =>
  toldFrameMs(bench, url, watchFirstPaint, throttle);
