// node page_bench.mjs PAGE.html OUT.md [--only GROUP,...]: the browser
// page's figures in Debian's Chromium, written as one Markdown table (and
// printed), by group, each measured by a module of its own: the file's size
// (size, size_bench.mjs); the first frame with the form against a static
// page (start, start_bench.mjs); the step cadence on the page's real timer
// (cadence, cadence_bench.mjs); a pick appending to a long status text
// (append, append_bench.mjs); the repaint of each graph with 100,000 rows
// (graphs, graphs_bench.mjs); fitted to the window, a change of its size
// (fit, fit_bench.mjs); the events view at 100,000 events and a long script
// (events, events_bench.mjs); the form's code run by the core's interpreter
// (code, code_bench.mjs); and on a slow device, the CPU throttled 6×,
// the first usable frame and the step cadence with the motion view open
// (slow, slow_bench.mjs). All but fit at the original size. Figures, not
// tests: keep the machine otherwise idle.
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { chromium } from "playwright-core";
import { appendFigures } from "./append_bench.mjs";
import { cadenceFigures } from "./cadence_bench.mjs";
import { eventsFigures } from "./events_bench.mjs";
import { fitFigures } from "./fit_bench.mjs";
import { graphsFigures } from "./graphs_bench.mjs";
import { sizeFigures } from "./size_bench.mjs";
import { codeFigures } from "./code_bench.mjs";
import { slowFigures } from "./slow_bench.mjs";
import { startFigures } from "./start_bench.mjs";

const [pagePath, outPath] = process.argv.slice(2, 4).map((path) => resolve(path));
const onlyGroups = process.argv[4] === "--only" ? process.argv[5] : undefined;

/** @type {Record<string, (bench: import("./figures.mjs").Bench) => Promise<import("./figures.mjs").Figure[]>>} */
const groups = {
  size: sizeFigures,
  start: startFigures,
  cadence: cadenceFigures,
  slow: slowFigures,
  append: appendFigures,
  fit: fitFigures,
  graphs: graphsFigures,
  events: eventsFigures,
  code: codeFigures,
};

const only = onlyGroups ? onlyGroups.split(",") : Object.keys(groups);
const unknown = only.filter((name) => !(name in groups));
if (unknown.length) {
  console.error(
    `unknown groups: ${unknown.join(", ")}; the groups: ${Object.keys(groups).join(", ")}`,
  );
  process.exit(2);
}

// Playwright makes each browser's profile folder in the temporary folder.
const profiles = mkdtempSync(join(tmpdir(), "lodarix-bench-"));
process.env.TMPDIR = profiles;
const browser = await chromium.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--disable-background-networking"],
});
const fittedUrl = pathToFileURL(pagePath).href;
/** @type {import("./figures.mjs").Bench} */
const bench = { browser, pagePath, outPath, pageUrl: `${fittedUrl}?zoom=1`, fittedUrl };

/** @type {import("./figures.mjs").Figure[]} */
const rows = [];
for (const name of only) rows.push(...(await groups[name](bench)));
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
