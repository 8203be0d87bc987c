// The events view's figures in the page (page_bench.mjs, group "events"): a
// lesson of 100,000 events on the core's rules, its trace shown by an events
// view of its own; the time from one event more to its row drawn in the
// grid and the window drawn after it, and the work of the frame that shows
// them; the rows the grid draws; the bytes a row of the trace takes beyond
// the text it wrote; and a script of 10,000 lines run from the view's box.

import { defineStandInRules } from "../test/support/stand_in_rules.js";
import { fixed, median } from "./figures.mjs";

const Events = 100_000;
const ScriptLines = 10_000;
const Appends = 31;

/**
 * Runs in the page, which must be loaded: a long lesson on controls that do
 * nothing but keep the status text, its trace shown by a view of its own.
 * @param {{ events: number, appends: number, scriptLines: number }} settings
 */
async function inPage({ events, appends, scriptLines }) {
  const { core, late } = /** @type {any} */ (globalThis).lodarixPage;
  const { EventsView, texts: eventsTexts, facts: eventsFacts } = await late("events");
  const motion = new core.PageMotion(800);
  const trace = new core.PageTrace(motion);
  const { rules, controls } = /** @type {any} */ (globalThis).standInRules(core, true);
  rules.observe(motion);
  rules.watch(trace);
  let pageMs = 0;
  let trip = 0;
  let steps = 0;
  motion.setPageMs(pageMs);
  rules.load();
  // Trips between floors 1 and 11, each picked with the grille closed.
  const next = () => {
    motion.setPageMs((pageMs += 800));
    if (steps === 0) {
      controls.grilleClosed = true;
      rules.grilleClicked();
      rules.pick(trip++ % 2 ? 0 : 10);
      steps = 10;
    } else {
      rules.step();
      --steps;
    }
  };
  while (trace.rowCount() < events) next();

  const view = new EventsView(document, core, trace, eventsTexts, eventsFacts);
  document.body.append(view.element);
  view.setShown(true);
  /** @returns {Promise<number>} */
  const frame = () =>
    new Promise((resolve) => {
      /** @type {number} */
      let begun = 0;
      requestAnimationFrame(() => (begun = performance.now()));
      next();
      view.refresh();
      requestAnimationFrame(() => setTimeout(() => resolve(performance.now() - begun), 0));
    });
  /** @type {[number, number][]} */
  const times = [];
  for (let run = 0; run < appends + 3; ++run) {
    const start = performance.now();
    const framed = frame();
    const handled = performance.now() - start;
    const work = await framed;
    if (run >= 3) times.push([handled, handled + work]);
  }
  const inView = Math.ceil(view.table.element.clientHeight / 24);
  const drawn = view.table.drawnRows;
  const rows = trace.rowCount();
  const bytesPerRow = trace.bytesHeld() / rows;
  const textPerRow = trace.textBytesHeld() / rows;

  const lines = [];
  for (let line = 0; lines.length < scriptLines; ++line)
    lines.push(line % 13 === 0 ? "close" : line % 13 === 1 ? `pick ${1 + (line % 11)}` : "tick");
  view.scripts.box.value = `${lines.join("\n")}\n`;
  /** @type {number[]} */
  const scriptMs = [];
  for (let run = 0; run < 5; ++run) {
    const start = performance.now();
    view.scripts.run();
    view.draw();
    await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
    scriptMs.push(performance.now() - start);
  }
  return { times, rows, drawn, inView, bytesPerRow, textPerRow, scriptMs };
}

/**
 * @param {import("./figures.mjs").Bench} bench
 * @returns {Promise<import("./figures.mjs").Figure[]>}
 */
export async function eventsFigures({ browser, pageUrl }) {
  const context = await browser.newContext({ viewport: { width: 1500, height: 1000 } });
  const page = await context.newPage();
  await page.goto(pageUrl);
  await page.waitForSelector("body[data-ready=true]");
  await page.evaluate(defineStandInRules);
  const result = await page.evaluate(inPage, {
    events: Events,
    appends: Appends,
    scriptLines: ScriptLines,
  });
  await context.close();
  const handled = result.times.map(([handler]) => handler);
  const framed = result.times.map(([, total]) => total);
  return [
    [
      `events view shown: a row appended at ${result.rows} events, median of ${framed.length}`,
      `${fixed(median(handled), 2)} ms handler, ${fixed(median(framed), 2)} ms with its frame (max ${fixed(Math.max(...framed), 2)} ms)`,
      "≤ 16 ms",
      median(framed) <= 16,
    ],
    [
      `events view: rows the grid draws at ${result.rows} events`,
      `${result.drawn} drawn, ${result.inView} in view`,
      "only the rows in view",
      result.drawn <= result.inView + 1,
    ],
    [
      "memory per event of the trace in the page, beyond the text it wrote",
      `${fixed(result.bytesPerRow, 1)} B (and ${fixed(result.textPerRow, 1)} B of text)`,
      "≤ 64 B",
      result.bytesPerRow <= 64,
    ],
    [
      `a script of ${ScriptLines} lines run in the events view, median of ${result.scriptMs.length}`,
      `${fixed(median(result.scriptMs), 1)} ms (max ${fixed(Math.max(...result.scriptMs), 1)} ms)`,
      "≤ 1 s",
      median(result.scriptMs) <= 1000,
    ],
  ];
}
