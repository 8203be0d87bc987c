// Saving from the motion view, and the record of a page held up: the CSV of a
// scripted session with a pause against the native lodarix-replay --motion,
// the workbook against what the core writes for the same rows (and that
// against the native lodarix-replay --xlsx), the PNG of both graphs, and a
// page whose scripts are stopped during a trip, whose steps must keep their
// due times and their order.
import { test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { loadCore } from "./support/load_core.js";
import { StepMs, closePage, floorButton, openPage, pick } from "./support/browser.js";
import { requiredPath } from "./support/paths.js";
import { decode } from "./support/pixels.js";
import { pageFacts } from "./support/page_facts.js";

const nativeTool = requiredPath("LODARIX_NATIVE_REPLAY");
if (!existsSync(nativeTool))
  throw new Error(`${nativeTool} is missing: build lodarix-replay with the dev preset first`);
const core = await loadCore(requiredPath("LODARIX_CORE"));

/** @param {import("playwright-core").Page} page */
const view = (page) => page.getByRole("region", { name: "Lodarix - графика на движението" });

/**
 * The bytes a button of the view downloads, and their file name.
 * @param {import("playwright-core").Page} page
 * @param {string} button
 */
async function save(page, button) {
  const [download] = await Promise.all([
    page.waitForEvent("download"),
    view(page).getByRole("button", { name: button }).click(),
  ]);
  const path = await download.path();
  return { name: download.suggestedFilename(), bytes: readFileSync(path) };
}

/**
 * @param {string[]} args
 * @param {string} script
 */
function replay(args, script) {
  const run = spawnSync(nativeTool, args, { input: script });
  assert.equal(run.status, 0, run.stderr.toString());
  return run.stdout;
}

/** @param {string} csv */
const rowsOf = (csv) =>
  csv
    .trim()
    .split("\n")
    .slice(1)
    .map((line) => {
      const [time, floor, target, event] = line.split(",");
      return { ms: Math.round(Number(time) * 1000), floor, target, event };
    });

test("the CSV and the workbook of a session with a pause are the core's, in model time", async () => {
  const session = await openPage({ viewport: { width: 1300, height: 1000 } });
  const { page } = session;
  await page.keyboard.press("F2");
  await page.clock.runFor(500);
  await pick(page, 6);
  await page.clock.runFor(2 * StepMs);
  const pause = view(page).getByRole("button", { name: "Пауза" });
  await pause.focus();
  await page.keyboard.press("p");
  await page.clock.runFor(3000);
  await page.keyboard.press("s");
  await page.clock.runFor(1000);
  await page.keyboard.press("p");
  await page.clock.runFor(StepMs + 300);
  await floorButton(page, 2).click();
  await page.clock.runFor(4 * StepMs);

  const csv = await save(page, "Запази CSV…");
  assert.equal(csv.name, "lodarix-motion.csv");
  const script = "close\npick 6\ntick\ntick\ntick\ntick\npick 2\ntick\ntick\ntick\ntick\n";
  const native = replay(["--motion"], script).toString();
  const text = csv.bytes.toString();
  assert.equal(text.split("\n")[0], native.split("\n")[0]);
  const page_rows = rowsOf(text);
  const native_rows = rowsOf(native);
  assert.deepEqual(
    page_rows.map(({ floor, target, event }) => [floor, target, event]),
    native_rows.map(({ floor, target, event }) => [floor, target, event]),
  );
  for (let at = 1; at < page_rows.length; ++at)
    assert.ok(page_rows[at].ms >= page_rows[at - 1].ms, `row ${at} in time order`);
  // The steps of each trip that ran without a pause: whole intervals after its pick.
  /** @type {[number, number[]][]} */
  const unpaused = [
    [1, [2, 3]],
    [6, [7, 8, 9, 10]],
  ];
  for (const [pickRow, steps] of unpaused) {
    for (const row of steps) {
      const after = page_rows[row].ms - page_rows[pickRow].ms;
      assert.ok(Math.abs(after - (row - pickRow) * StepMs) <= 1, `row ${row}: ${after} ms`);
    }
  }
  // The step by hand lasts one interval of model time, and the pause none.
  assert.ok(Math.abs(page_rows[4].ms - page_rows[3].ms - StepMs) <= 1);

  const workbook = await save(page, "Запази за електронна таблица…");
  assert.equal(workbook.name, "lodarix-motion.xlsx");
  assert.ok(
    workbook.bytes.equals(Buffer.from(core.workbookOfCsv(text, StepMs, 3))),
    "the core's workbook",
  );
  const nativeWorkbook = join(mkdtempSync(join(tmpdir(), "lodarix-xlsx-")), "native.xlsx");
  replay(["--xlsx", nativeWorkbook], script);
  assert.ok(
    readFileSync(nativeWorkbook).equals(Buffer.from(core.workbookOfCsv(native, StepMs, 3))),
    "the same rows make the native tool's bytes",
  );
  rmSync(join(nativeWorkbook, ".."), { recursive: true, force: true });
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

test("the image holds both graphs, one above the other", async () => {
  const session = await openPage({ viewport: { width: 1300, height: 1000 } });
  const { page } = session;
  await page.keyboard.press("F2");
  await pick(page, 3);
  await page.clock.runFor(3 * StepMs);
  const image = await save(page, "Запази изображение…");
  assert.equal(image.name, "lodarix-motion.png");
  assert.ok(image.bytes.subarray(0, 8).equals(Buffer.from("\x89PNG\r\n\x1a\n", "latin1")));
  const sizes = await page
    .locator("canvas.motion-graph")
    .evaluateAll((canvases) =>
      canvases.map((canvas) => [
        /** @type {HTMLCanvasElement} */ (canvas).width,
        /** @type {HTMLCanvasElement} */ (canvas).height,
      ]),
    );
  const picture = await decode(session.context, image.bytes);
  assert.equal(picture.width, sizes[0][0]);
  assert.equal(picture.height, sizes[0][1] + sizes[1][1]);
  const { colors } = pageFacts().motionGraph;
  for (const [top, height, color] of /** @type {[number, number, string][]} */ ([
    [0, sizes[0][1], colors.position],
    [sizes[0][1], sizes[1][1], colors.speed],
  ])) {
    let line = 0;
    for (let y = top; y < top + height; y += 2)
      for (let x = 0; x < picture.width; x += 2) if (picture.at(x, y) === color) ++line;
    assert.ok(line > 10, `each graph has its line in ${color}`);
  }
  await closePage(session);
});

test("a page stopped during a trip keeps every step, in order, at its due time", async () => {
  const session = await openPage({ realTime: true, viewport: { width: 1300, height: 1000 } });
  const { page, context } = session;
  const intervalMs = 200;
  await page.keyboard.press("F2");
  const interval = view(page).getByRole("spinbutton", { name: "Интервал, ms" });
  await interval.fill(String(intervalMs));
  await interval.dispatchEvent("change");
  await pick(page, 11);
  await page.waitForFunction(() =>
    document
      .querySelector(`[role=textbox][aria-label="Съобщения"]`)
      ?.textContent?.includes("Етаж III"),
  );

  const cdp = await context.newCDPSession(page);
  await cdp.send("Debugger.enable");
  const paused = new Promise((resolve) => cdp.once("Debugger.paused", resolve));
  await cdp.send("Debugger.pause");
  await paused;
  // The page stands still for more than five intervals, by the test's own clock.
  const stoppedAt = performance.now();
  await new Promise((resolve) => {
    const check = () =>
      performance.now() - stoppedAt > 5 * intervalMs ? resolve(null) : setImmediate(check);
    check();
  });
  await cdp.send("Debugger.resume");
  await cdp.send("Debugger.disable");
  await page.waitForFunction(() =>
    document
      .querySelector(`[role=textbox][aria-label="Съобщения"]`)
      ?.textContent?.includes("Последна спирка!"),
  );

  const rows = rowsOf((await save(page, "Запази CSV…")).bytes.toString());
  assert.deepEqual(
    rows.map(({ event }) => event),
    ["start", "pick", ...Array(9).fill("step"), "arrive"],
  );
  // Due times count from the timer's start, which the pick's own work puts a
  // millisecond or two after the pick's row.
  const lead = rows[2].ms - rows[1].ms - intervalMs;
  assert.ok(lead >= 0 && lead <= 20, `the first step ${lead} ms late`);
  rows.slice(2).forEach((row, at) => {
    assert.equal(row.floor, String(at + 2), "one floor a step, none lost or doubled");
    const after = row.ms - rows[2].ms;
    assert.ok(Math.abs(after - at * intervalMs) <= 1, `step ${at + 1} at ${after} ms`);
  });
  await closePage(session);
});
