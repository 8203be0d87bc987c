// node page_bench.mjs PAGE.html OUT.md: the browser page's figures in Debian's
// Chromium, written as one Markdown table (and printed): the file's size; the
// time from navigation to the first frame with the form shown, against the
// same controls written directly as one static page, in turns; the step
// cadence of three trips on the page's real timer; and the time of a pick
// that appends one line to a status text of 8 MiB. Figures, not tests: keep
// the machine otherwise idle.
import { mkdirSync, mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { gzipSync } from "node:zlib";
import { chromium } from "playwright-core";

const [pagePath, outPath] = process.argv.slice(2).map((path) => resolve(path));
const StepMs = 800;
const StartRuns = 21;
const StatusBytes = 8 * 1024 * 1024;

/** @param {number[]} values */
const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
/** @param {number} value @param {number} [digits] */
const fixed = (value, digits = 1) => value.toFixed(digits);

const profiles = mkdtempSync(join(tmpdir(), "lodarix-bench-"));
process.env.TMPDIR = profiles;
const browser = await chromium.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--disable-background-networking"],
});
const pageUrl = pathToFileURL(pagePath).href;

/** @returns {Promise<import("playwright-core").Page>} */
async function freshPage() {
  const context = await browser.newContext({ viewport: { width: 520, height: 400 } });
  return context.newPage();
}

/** @param {import("playwright-core").Page} page */
async function closePage(page) {
  await page.context().close();
}

// The same controls as the page shows them once loaded, written directly
// into one static page with the same style, the same font as a style sheet
// gives it, and no script.
async function writeStaticPage() {
  const font = readFileSync(new URL("../fonts/LodarixSerif-Regular.woff2", import.meta.url));
  const fontFace = `@font-face { font-family: "Lodarix Serif"; src: url("data:font/woff2;base64,${font.toString("base64")}") format("woff2"); }`;
  const page = await freshPage();
  await page.goto(pageUrl);
  await page.waitForSelector("body[data-ready=true]");
  const html = await page.evaluate((fontFace) => {
    const style = document.querySelector("style")?.textContent ?? "";
    const form = document.querySelector(".form")?.outerHTML ?? "";
    return `<!doctype html><html lang="bg"><head><meta charset="utf-8"><title>${document.title}</title><style>${fontFace}${style}</style></head><body>${form}</body></html>`;
  }, fontFace);
  await closePage(page);
  const path = join(dirname(outPath), "static-form.html");
  writeFileSync(path, html);
  return pathToFileURL(path).href;
}

// Navigation start to the first contentful paint, which for both pages is
// the first frame with the form.
/** @param {string} url */
async function firstFrameMs(url) {
  const page = await freshPage();
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

// Three trips on the real timer, each step's time taken when its lines reach
// the log: the first step's from the click, which holds the pick's and the
// step's own work, and each later one's from the first, as the timer has them
// due (start + n periods), and from the step before.
async function stepErrors() {
  const page = await freshPage();
  await page.goto(pageUrl);
  await page.waitForSelector("body[data-ready=true]");
  /** @type {number[]} */
  const errors = [];
  /** @type {number[]} */
  const intervals = [];
  /** @type {number[]} */
  const firsts = [];
  for (const [floor, steps] of [
    [11, 10],
    [1, 10],
    [11, 10],
  ]) {
    await page.getByRole("radio", { name: "Предпазната решетка е затворена" }).click();
    const times = await page.evaluate(
      ({ floor, steps }) =>
        new Promise((resolve) => {
          const log = /** @type {Element} */ (document.querySelector("[role=log]"));
          /** @type {number[]} */
          const times = [];
          const observer = new MutationObserver(() => {
            times.push(performance.now());
            if (times.length === steps + 2) {
              observer.disconnect();
              resolve(times);
            }
          });
          observer.observe(log, { childList: true });
          times.push(performance.now());
          const button = [...document.querySelectorAll("[role=radio]")].find((radio) =>
            radio.getAttribute("aria-label")?.startsWith(`Етаж ${floor},`),
          );
          /** @type {HTMLElement} */ (button).click();
        }),
      { floor, steps },
    );
    // the moment of the click, then the pick's own lines, then one entry a step
    const [picked, , ...stepTimes] = /** @type {number[]} */ (times);
    firsts.push(stepTimes[0] - picked - StepMs);
    stepTimes.forEach((at, n) => {
      if (n > 0) errors.push(at - stepTimes[0] - n * StepMs);
      if (n > 0) intervals.push(at - stepTimes[n - 1] - StepMs);
    });
  }
  await closePage(page);
  return { errors, intervals, firsts };
}

// The status text laid out as the box lays out what the rules write (blocks
// of 64 lines), then changed as by the user, so that the core reads it anew
// at the first pick; each pick of the cabin's floor appends one line. Each is
// timed from the click to the end of its handler, and then the work of the
// frame that shows it (from its animation frame to the task after it, which
// runs once it is drawn), leaving out the wait for the frame to begin.
async function appendTimes() {
  const page = await freshPage();
  await page.goto(pageUrl);
  await page.waitForSelector("body[data-ready=true]");
  await page.getByRole("radio", { name: "Предпазната решетка е затворена" }).click();
  return page.evaluate(async (bytes) => {
    const box = /** @type {HTMLElement} */ (document.querySelector("[role=textbox]"));
    const names = ["Етаж I", "Етаж II", "Етаж III", "Етаж IV", "Етаж V", "Етаж VI"];
    const encoder = new TextEncoder();
    /** @type {HTMLElement[]} */
    const blocks = [];
    let size = 0;
    let lines = [];
    for (let i = 0; ; ++i) {
      const line = `${names[i % names.length]}\n`;
      const lineBytes = encoder.encode(line).length + 1; // CR LF as the rules read it
      if (size + lineBytes > bytes) break;
      size += lineBytes;
      lines.push(line);
      if (lines.length === 64) {
        const block = document.createElement("div");
        block.textContent = lines.join("");
        blocks.push(block);
        lines = [];
      }
    }
    const last = document.createElement("div");
    last.append(lines.join(""), document.createElement("br"));
    box.replaceChildren(...blocks, last);
    box.dispatchEvent(new InputEvent("input"));
    /** @returns {Promise<number>} the frame's own time */
    const frameDone = () =>
      new Promise((resolve) =>
        requestAnimationFrame(() => {
          const begun = performance.now();
          setTimeout(() => resolve(performance.now() - begun), 0);
        }),
      );
    await frameDone();
    const cabin = /** @type {HTMLElement} */ (
      [...document.querySelectorAll("[role=radio]")].find((radio) =>
        radio.getAttribute("aria-label")?.startsWith("Етаж 1,"),
      )
    );
    /** @type {[number, number][]} */
    const times = [];
    for (let pick = 0; pick < 18; ++pick) {
      const start = performance.now();
      cabin.click();
      const handled = performance.now() - start;
      const frame = await frameDone();
      if (pick >= 3) times.push([handled, handled + frame]);
    }
    return { times, statusBytes: size };
  }, StatusBytes);
}

const staticUrl = await (async () => {
  mkdirSync(dirname(outPath), { recursive: true });
  return writeStaticPage();
})();
/** @type {number[]} */
const pageStarts = [];
/** @type {number[]} */
const staticStarts = [];
for (let run = 0; run < StartRuns; ++run) {
  pageStarts.push(await firstFrameMs(pageUrl));
  staticStarts.push(await firstFrameMs(staticUrl));
}
const { errors, intervals, firsts } = await stepErrors();
const appended = await appendTimes();
await browser.close();
rmSync(profiles, { recursive: true, force: true });

const bytes = statSync(pagePath).size;
const gzipped = gzipSync(readFileSync(pagePath), { level: 9 }).length;
const ratio = median(pageStarts) / median(staticStarts);
const absErrors = errors.map(Math.abs);
const handled = appended.times.map(([handler]) => handler);
const framed = appended.times.map(([, frame]) => frame);
/** @type {[string, string, string, boolean][]} */
const rows = [
  [
    "size of lodarix.html",
    `${fixed(bytes / 1000)} KB (${fixed(gzipped / 1000)} KB gzipped)`,
    "≤ 300 KB",
    bytes <= 300_000,
  ],
  [
    `navigation to the first frame with the form, median of ${StartRuns}`,
    `${fixed(median(pageStarts))} ms against ${fixed(median(staticStarts))} ms static: ratio ${fixed(ratio, 2)}`,
    "ratio ≤ 1.5",
    ratio <= 1.5,
  ],
  [
    `step cadence, ${errors.length + firsts.length} steps of ${StepMs} ms in ${firsts.length} trips`,
    `each step against the trip's first + n × ${StepMs} ms: median \\|error\\| ${fixed(median(absErrors), 2)} ms, max ${fixed(Math.max(...absErrors), 2)} ms; ` +
      `step to step: median \\|error\\| ${fixed(median(intervals.map(Math.abs)), 2)} ms; ` +
      `the first step ${fixed(median(firsts), 2)} ms after its time from the click`,
    "median \\|error\\| ≤ 2 ms, max ≤ 8 ms",
    median(absErrors) <= 2 && Math.max(...absErrors) <= 8,
  ],
  [
    `a pick appending one line to ${fixed(appended.statusBytes / 1048576)} MiB, median of ${appended.times.length}`,
    `${fixed(median(handled), 2)} ms handler, ${fixed(median(framed), 2)} ms with its frame (max ${fixed(Math.max(...framed), 2)} ms)`,
    "≤ 16 ms",
    median(framed) <= 16,
  ],
];
const table = [
  "| figure | value | goal | met |",
  "|---|---|---|---|",
  ...rows.map(
    ([figure, value, goal, met]) => `| ${figure} | ${value} | ${goal} | ${met ? "yes" : "no"} |`,
  ),
].join("\n");
writeFileSync(outPath, `${table}\n`);
console.log(table);
