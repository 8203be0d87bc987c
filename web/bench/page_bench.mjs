// node page_bench.mjs PAGE.html OUT.md [--only GROUP,...]: the browser
// page's figures in Debian's Chromium, written as one Markdown table (and
// printed), by group: the file's size (size); the time from navigation to the
// first frame with the form shown, against the same controls written directly
// as one static page, in turns (start); the step cadence of three trips on the
// page's real timer, and of two trips at an interval of 200, 800 and 2000 ms
// set in the motion view (cadence); the time of a pick that appends one line
// to a status text of 8 MiB (append); and the repaint of each graph
// (1200 × 400) with 100,000 rows, whole session and last 60 s, with the
// record's bytes a row (graphs); fitted to the window, the time from a
// change of the window's size to the end of the frame that shows the page
// fitted anew, the motion view beside or below the form (fit); the events
// view at 100,000 events and a script of 10,000 lines run in it (events,
// events_bench.mjs); and on a slow device, the CPU throttled 6× through the
// DevTools protocol as Lighthouse emulates one, the first usable frame
// against the static page under the same throttle, and the step cadence at
// 800 ms with the motion view open (slow). All but fit at the original size.
// Figures, not tests:
// keep the machine otherwise idle.
import { mkdirSync, mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { gzipSync } from "node:zlib";
import { chromium } from "playwright-core";
import { showLongRecord } from "../test/support/long_record.js";
import { eventsFigures } from "./events_bench.mjs";

const [pagePath, outPath] = process.argv.slice(2, 4).map((path) => resolve(path));
const onlyGroups = process.argv[4] === "--only" ? process.argv[5] : undefined;
const StepMs = 800;
const StartRuns = 21;
const SlowRuns = 11;
const StatusBytes = 8 * 1024 * 1024;
const GraphRows = 100_000;
const RepaintRuns = 31;

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
const fittedUrl = pathToFileURL(pagePath).href;
const pageUrl = `${fittedUrl}?zoom=1`;
const FitRuns = 40;

const SlowDevice = 6;

/**
 * A page of a new context; its CPU throttled by the given factor, as on a
 * slow device.
 * @param {number} [throttle]
 * @returns {Promise<import("playwright-core").Page>}
 */
async function freshPage(throttle = 1) {
  const context = await browser.newContext({ viewport: { width: 520, height: 400 } });
  const page = await context.newPage();
  if (throttle !== 1) {
    const session = await context.newCDPSession(page);
    await session.send("Emulation.setCPUThrottlingRate", { rate: throttle });
  }
  return page;
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
/** @param {string} url @param {number} [throttle] */
async function firstFrameMs(url, throttle) {
  const page = await freshPage(throttle);
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

// Navigation start to the first frame that takes a click: for the page, the
// animation frame after the rules have loaded (body[data-ready]); for the
// static page, its first contentful paint.
/** @param {number} throttle */
async function firstUsableFrameMs(throttle) {
  const page = await freshPage(throttle);
  await page.addInitScript(() => {
    new MutationObserver((_, observer) => {
      if (document.body?.dataset.ready !== "true") return;
      observer.disconnect();
      requestAnimationFrame((frameMs) => {
        /** @type {any} */ (globalThis).lodarixUsableMs = frameMs;
      });
    }).observe(document, { subtree: true, attributes: true, attributeFilter: ["data-ready"] });
  });
  await page.goto(pageUrl);
  const usable = await page.waitForFunction(() => /** @type {any} */ (globalThis).lodarixUsableMs);
  const usableMs = /** @type {number} */ (await usable.jsonValue());
  await closePage(page);
  return usableMs;
}

// Three trips on the real timer, each step's time taken when its lines reach
// the log: the first step's from the click, which holds the pick's and the
// step's own work, and each later one's from the first, as the timer has them
// due (start + n periods), and from the step before.
/**
 * @param {number} intervalMs set in the motion view's control unless 800
 * @param {[number, number][]} trips each a floor and its steps
 * @param {{ throttle?: number, viewShown?: boolean }} [device] the CPU's
 *   throttle, and the motion view shown (as it is to set an interval)
 */
async function stepErrors(
  intervalMs = StepMs,
  trips = [
    [11, 10],
    [1, 10],
    [11, 10],
  ],
  device = {},
) {
  const page = await freshPage(device.throttle);
  await page.goto(pageUrl);
  await page.waitForSelector("body[data-ready=true]");
  if (intervalMs !== StepMs || device.viewShown) await page.keyboard.press("F2");
  if (intervalMs !== StepMs) {
    const interval = page.getByRole("spinbutton", { name: "Интервал, ms" });
    await interval.fill(String(intervalMs));
    await interval.dispatchEvent("change");
  }
  /** @type {number[]} */
  const errors = [];
  /** @type {number[]} */
  const intervals = [];
  /** @type {number[]} */
  const firsts = [];
  for (const [floor, steps] of trips) {
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
    firsts.push(stepTimes[0] - picked - intervalMs);
    stepTimes.forEach((at, n) => {
      if (n > 0) errors.push(at - stepTimes[0] - n * intervalMs);
      if (n > 0) intervals.push(at - stepTimes[n - 1] - intervalMs);
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

// A record of GraphRows rows, shown by a motion view of its own
// (test/support/long_record.js); each graph is drawn, and the drawing
// finished (a pixel read back), RepaintRuns times for the whole session and
// for the last 60 s.
async function graphFigures() {
  const context = await browser.newContext({ viewport: { width: 1400, height: 1200 } });
  const page = await context.newPage();
  await page.goto(pageUrl);
  await page.waitForSelector("body[data-ready=true]");
  await page.evaluate(showLongRecord, { rows: GraphRows, width: 1200, height: 400 });
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

// The window's size changed FitRuns times, in turn to each of a board's, a
// laptop's, a tablet's and a phone's, with the motion view shown. For each,
// the time the page's handler of the resize event takes, the time from the
// event to the end of the first frame after it, and whether that frame shows
// the form where it stays once all that follows has run.
async function fitTimes() {
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

// Each group measures its own figures, as rows of the table.
/** @typedef {[string, string, string, boolean]} Figure figure, value, goal, met */
/** @type {Record<string, () => Promise<Figure[]>>} */
const groups = {
  size: async () => {
    const bytes = statSync(pagePath).size;
    const gzipped = gzipSync(readFileSync(pagePath), { level: 9 }).length;
    return [
      [
        "size of lodarix.html",
        `${fixed(bytes / 1000)} KB (${fixed(gzipped / 1000)} KB gzipped)`,
        "≤ 300 KB",
        bytes <= 300_000,
      ],
    ];
  },
  start: async () => {
    mkdirSync(dirname(outPath), { recursive: true });
    const staticUrl = await writeStaticPage();
    /** @type {number[]} */
    const pageStarts = [];
    /** @type {number[]} */
    const staticStarts = [];
    for (let run = 0; run < StartRuns; ++run) {
      pageStarts.push(await firstFrameMs(pageUrl));
      staticStarts.push(await firstFrameMs(staticUrl));
    }
    const ratio = median(pageStarts) / median(staticStarts);
    return [
      [
        `navigation to the first frame with the form, median of ${StartRuns}`,
        `${fixed(median(pageStarts))} ms against ${fixed(median(staticStarts))} ms static: ratio ${fixed(ratio, 2)}`,
        "ratio ≤ 1.5",
        ratio <= 1.5,
      ],
    ];
  },
  cadence: async () => {
    const { errors, intervals, firsts } = await stepErrors();
    const absErrors = errors.map(Math.abs);
    /** @type {Figure[]} */
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
      const absolute = (await stepErrors(intervalMs, trips)).errors.map(Math.abs);
      figures.push([
        `step cadence at ${intervalMs} ms set in the motion view, ${absolute.length} steps`,
        `median \\|error\\| ${fixed(median(absolute), 2)} ms, max ${fixed(Math.max(...absolute), 2)} ms`,
        "median \\|error\\| ≤ 2 ms",
        median(absolute) <= 2,
      ]);
    }
    return figures;
  },
  slow: async () => {
    mkdirSync(dirname(outPath), { recursive: true });
    const staticUrl = await writeStaticPage();
    /** @type {number[]} */
    const usable = [];
    /** @type {number[]} */
    const staticStarts = [];
    for (let run = 0; run < SlowRuns; ++run) {
      usable.push(await firstUsableFrameMs(SlowDevice));
      staticStarts.push(await firstFrameMs(staticUrl, SlowDevice));
    }
    const ratio = median(usable) / median(staticStarts);
    const trips = /** @type {[number, number][]} */ ([
      [11, 10],
      [1, 10],
    ]);
    const slow = { throttle: SlowDevice, viewShown: true };
    const absolute = (await stepErrors(StepMs, trips, slow)).errors.map(Math.abs);
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
  },
  append: async () => {
    const appended = await appendTimes();
    const handled = appended.times.map(([handler]) => handler);
    const framed = appended.times.map(([, frame]) => frame);
    return [
      [
        `a pick appending one line to ${fixed(appended.statusBytes / 1048576)} MiB, median of ${appended.times.length}`,
        `${fixed(median(handled), 2)} ms handler, ${fixed(median(framed), 2)} ms with its frame (max ${fixed(Math.max(...framed), 2)} ms)`,
        "≤ 16 ms",
        median(framed) <= 16,
      ],
    ];
  },
  fit: async () => {
    const fits = await fitTimes();
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
  },
  graphs: async () => {
    const graphs = await graphFigures();
    return [
      ...["position", "speed"].flatMap((kind) =>
        /** @type {const} */ ([
          ["whole", "whole session", 16],
          ["60", "last 60 s", 2],
        ]).map(([span, words, goalMs]) => {
          const samples = graphs.times[`${kind} ${span}`];
          return /** @type {Figure} */ ([
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
  },
  events: () => eventsFigures(browser, pageUrl, median, fixed),
};

const only = onlyGroups ? onlyGroups.split(",") : Object.keys(groups);
const unknown = only.filter((name) => !(name in groups));
if (unknown.length) {
  console.error(
    `unknown groups: ${unknown.join(", ")}; the groups: ${Object.keys(groups).join(", ")}`,
  );
  process.exit(2);
}
/** @type {Figure[]} */
const rows = [];
for (const name of only) rows.push(...(await groups[name]()));
await browser.close();
rmSync(profiles, { recursive: true, force: true });

const table = [
  "| figure | value | goal | met |",
  "|---|---|---|---|",
  ...rows.map(
    ([figure, value, goal, met]) => `| ${figure} | ${value} | ${goal} | ${met ? "yes" : "no"} |`,
  ),
].join("\n");
writeFileSync(outPath, `${table}\n`);
console.log(table);
