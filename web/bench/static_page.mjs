// The page's first frame against a static page (the start and slow groups):
// the same controls as the page shows them once loaded, written directly
// into one static page with the same style, the same font as a style sheet
// gives it, and no script; and the time from navigation to a page's first
// contentful paint, which for both pages is the first frame with the form.
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
 * Navigation start to the first contentful paint.
 * @param {Bench} bench
 * @param {string} url
 * @param {number} [throttle]
 */
export async function firstFrameMs(bench, url, throttle) {
  const page = await freshPage(bench, throttle);
  await page.goto(url, { waitUntil: "load" });
  const paintMs = await page.evaluate(
    () =>
      new Promise((resolve) => {
        new PerformanceObserver((list) => {
          const paint = list.getEntries().find((entry) => entry.name === "first-contentful-paint");
          if (paint) resolve(paint.startTime);
        }).observe({ type: "paint", buffered: true });
      }),
  );
  await closePage(page);
  return /** @type {number} */ (paintMs);
}
