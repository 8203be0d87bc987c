// The events view of the page, by real clicks, keys and the page's clock: F3,
// its button and Escape; the lesson's trace row by row against the native
// lodarix-replay's state lines for the project's script, the guide's
// examples and seeded random scripts; a live trip at the motion record's
// times; back and forth through the rows, the drawing read from a
// screenshot; the newest row kept in view, and only the rows in view drawn;
// the keyboard, the roles and names, and what is read out.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync, readdirSync } from "node:fs";
import { fileURLToPath } from "node:url";
import { StepMs, closePage, floorButton, grilleButton, openPage } from "./support/browser.js";
import {
  allRows,
  currentRow,
  eventsGrid,
  eventsView,
  floorButtonRects,
  linesWithRows,
  playScript,
  randomCommands,
  stateLines,
  statusTexts,
} from "./support/events.js";
import { pageFacts } from "./support/page_facts.js";
import { decode } from "./support/pixels.js";

const Wide = { viewport: { width: 1500, height: 1000 } };
const scriptsFolder = fileURLToPath(new URL("../../tests/app/replay/scripts/", import.meta.url));
const facts = pageFacts();
const Marker = { idle: "#00FF00", cabin: "#FF8080", target: "#8080FF" };

/** @param {number} floor */
const floorValue = (floor) => `${floor} (етаж ${floor + 1})`;

test("F3 and its button show the view beside the motion view; F3 and Escape hide it", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  const opener = page.getByRole("button", { name: "Събития", exact: true });
  assert.equal(await opener.getAttribute("aria-expanded"), "false");
  // A view's first showing waits for its script.
  await page.keyboard.press("F3");
  await eventsView(page).waitFor();
  assert.equal(await opener.getAttribute("aria-expanded"), "true");
  await page.keyboard.press("F2");
  const motion = page.getByRole("region", { name: "Lodarix - графика на движението" });
  await motion.waitFor();
  await eventsGrid(page).focus();
  await page.keyboard.press("Escape");
  assert.ok(!(await eventsView(page).isVisible()), "Escape hides the view with the focus");
  assert.ok(await motion.isVisible());
  assert.ok(await opener.evaluate((button) => button === document.activeElement));
  await opener.click();
  assert.ok(await eventsView(page).isVisible());
  await page.keyboard.press("F3");
  assert.ok(!(await eventsView(page).isVisible()));
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

/** @type {[string, string][]} */
const scripts = [
  ...readdirSync(scriptsFolder).map(
    (name) => /** @type {[string, string]} */ ([name, readFileSync(scriptsFolder + name, "utf8")]),
  ),
  ...facts.eventsFacts.examples.map(
    (example) => /** @type {[string, string]} */ ([example.fileName, example.text]),
  ),
  ["random 11", randomCommands(11, 90)],
  ["random 12", randomCommands(12, 90)],
];

for (const [name, script] of scripts) {
  test(`played by clicks and steps, each row is the tool's state line: ${name}`, async () => {
    const session = await openPage(Wide);
    const { page } = session;
    await playScript(page, script);
    await page.keyboard.press("F3");
    const rows = await allRows(page);
    const lines = linesWithRows(stateLines(script));
    assert.equal(rows.length, lines.length, "a row for each command that ran code");
    const statuses = statusTexts(
      lines[0].status,
      rows.map((row) => row.cells[8]),
    );
    rows.forEach((row, at) => {
      const line = lines[at];
      const where = `row ${at + 1} (${line.command})`;
      assert.equal(row.cells[4], floorValue(line.current), where);
      assert.equal(row.cells[5], floorValue(line.target), where);
      assert.equal(row.cells[6], line.timer ? "True" : "False", where);
      assert.equal(row.cells[7], line.grille === "closed" ? "затворена" : "отворена", where);
      assert.equal(statuses[at], line.status, where);
      assert.deepEqual(row.colors, line.colors, where);
    });
    assert.deepEqual(session.problems, []);
    await closePage(session);
  });
}

test("a live trip: Form_Load, the click, one Timer1_Timer a floor, at the motion record's times", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  await page.keyboard.press("F3");
  await eventsView(page).waitFor();
  await page.clock.runFor(1250);
  await grilleButton(page, true).click();
  await page.clock.runFor(400);
  await floorButton(page, 5).click();
  await page.clock.runFor(5 * StepMs + 100);
  const procedures = await eventsGrid(page)
    .getByRole("row")
    .evaluateAll((rows) => rows.slice(1).map((row) => row.children[3].textContent));
  assert.deepEqual(procedures, [
    "Form_Load",
    "(няма код)",
    "Option1_Click(4)",
    "Timer1_Timer",
    "Timer1_Timer",
    "Timer1_Timer",
    "Timer1_Timer",
  ]);
  const times = await eventsGrid(page)
    .getByRole("row")
    .evaluateAll((rows) => rows.slice(1).map((row) => row.children[1].textContent));
  await page.keyboard.press("F2");
  const [download] = await Promise.all([
    page.waitForEvent("download"),
    page
      .getByRole("region", { name: "Lodarix - графика на движението" })
      .getByRole("button", { name: "Запази CSV…" })
      .click(),
  ]);
  const csv = readFileSync(await download.path(), "utf8")
    .trim()
    .split("\n")
    .slice(1);
  const recorded = csv.map((line) => line.split(",")[0].replace(".", ","));
  assert.equal(recorded.length, 6);
  assert.deepEqual([times[0], ...times.slice(2)], recorded);
  const ms = (/** @type {string | null} */ text) =>
    Math.round(Number(text?.replace(",", ".")) * 1000);
  assert.equal(ms(times[2]) - ms(times[1]), 400, "the grille, at its time on the same clock");
  await closePage(session);
});

test("back and forth: an earlier row draws the window as it stood then", async () => {
  const session = await openPage(Wide);
  const { page, context } = session;
  await grilleButton(page, true).click();
  await floorButton(page, 4).click();
  await page.clock.runFor(3 * StepMs);
  await page.keyboard.press("F3");
  await eventsGrid(page).focus();
  await page.keyboard.press("End");
  await page.keyboard.press("ArrowUp");
  await page.keyboard.press("ArrowUp");
  const sketch = eventsView(page).getByRole("img", { name: "Прозорецът след ред 4" });
  assert.equal(
    await sketch.getAttribute("aria-description"),
    "Кабината: етаж 2. Крайна спирка: етаж 4. Решетката: затворена. " +
      "Текст в полето: Асансьорът се качва! Етаж I Етаж II ",
  );
  const box = await sketch.boundingBox();
  assert.ok(box);
  const picture = await decode(context, await page.screenshot());
  const scale = Math.min(box.width / 461, box.height / 345);
  const left = box.x + (box.width - 461 * scale) / 2;
  const top = box.y + (box.height - 345 * scale) / 2;
  const colors = floorButtonRects().map((rect) =>
    picture.dominant({
      left: left + rect.left * scale,
      top: top + rect.top * scale,
      width: rect.width * scale,
      height: rect.height * scale,
    }),
  );
  assert.deepEqual(colors.slice(0, 5), [
    Marker.idle,
    Marker.cabin,
    Marker.idle,
    Marker.target,
    Marker.idle,
  ]);
  // The grille: the closed button's mark is filled, the open one's is not.
  const grille = facts.form.controls.find((control) => control.name === "Frame1");
  const closed = facts.form.controls.find(
    (control) => control.name === "Option2" && control.index === 0,
  );
  const open = facts.form.controls.find(
    (control) => control.name === "Option2" && control.index === 1,
  );
  assert.ok(grille && closed && open);
  /** @param {typeof closed} button */
  const mark = (button) =>
    picture.at(
      left + (grille.rect.left + button.rect.left + 2 + 5.7) * scale,
      top + (grille.rect.top + button.rect.top + button.rect.height / 2) * scale,
    );
  assert.equal(mark(closed), "#000000");
  assert.equal(mark(open), "#FFFFFF");

  await page.keyboard.press("Home");
  const first = await currentRow(page);
  assert.equal(first.cells[3], "Form_Load");
  assert.deepEqual(first.colors, [Marker.cabin, ...Array(10).fill(Marker.idle)]);
  assert.match(
    (await eventsView(page).getByRole("img").getAttribute("aria-description")) ?? "",
    /^Кабината: етаж 1\. Крайна спирка: етаж 1\. Решетката: отворена\. Текст в полето: Най-често/,
  );
  await page.keyboard.press("End");
  assert.deepEqual((await currentRow(page)).colors.slice(0, 4), [
    Marker.idle,
    Marker.idle,
    Marker.idle,
    Marker.cabin,
  ]);
  await closePage(session);
});

test("the newest row stays in view unless scrolled away, and only the rows in view are drawn", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  await page.keyboard.press("F3");
  for (let trip = 0; trip < 4; ++trip) {
    await grilleButton(page, true).click();
    await floorButton(page, trip % 2 ? 1 : 11).click();
    await page.clock.runFor(10 * StepMs);
  }
  await page.clock.runFor(50);
  const grid = eventsGrid(page);
  const atBottom = () =>
    grid.evaluate(
      (element) => element.scrollTop + element.clientHeight >= element.scrollHeight - 1,
    );
  assert.ok(await atBottom());
  assert.equal(await grid.getAttribute("aria-rowcount"), String(1 + 1 + 4 * 12));
  const drawn = await grid.locator("[role=row]:not([hidden])").count();
  assert.ok(drawn <= 14, `${drawn} rows drawn for 12 in view`);
  await grid.evaluate((element) => (element.scrollTop = 0));
  await grilleButton(page, true).click();
  await floorButton(page, 11).click();
  await page.clock.runFor(StepMs + 50);
  assert.equal(await grid.evaluate((element) => element.scrollTop), 0, "left where the user was");
  await grid.evaluate((element) => (element.scrollTop = element.scrollHeight));
  await page.clock.runFor(StepMs + 50);
  assert.ok(await atBottom(), "followed again");
  await closePage(session);
});

test("the keyboard, the roles and names, and a row read out on demand only", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  await page.keyboard.press("F3");
  const view = eventsView(page);
  const grid = eventsGrid(page);
  await grid.waitFor();
  assert.deepEqual(await grid.getByRole("columnheader").allTextContents(), [
    "№",
    "t, s",
    "Събитие",
    "Процедура",
    "CurrentFloor",
    "TargetFloor",
    "Timer1.Enabled",
    "Решетка",
    "Текст в полето",
  ]);
  assert.equal(await grid.getAttribute("aria-colcount"), "9");
  const reader = view.locator(".events-reader");
  assert.equal(await reader.getAttribute("role"), "status");
  await grilleButton(page, true).click();
  await floorButton(page, 3).click();
  await page.clock.runFor(2 * StepMs + 50);
  assert.equal(await reader.textContent(), "", "rows made during a trip are not read out");

  await grid.focus();
  await page.keyboard.press("End");
  await page.keyboard.press("ArrowUp");
  const row = grid.getByRole("row", { selected: true });
  assert.equal(await row.getAttribute("aria-rowindex"), "5");
  assert.equal(await grid.getAttribute("aria-activedescendant"), await row.getAttribute("id"));
  const time = await row.locator("[role=gridcell]").nth(1).textContent();
  await page.keyboard.press("Enter");
  await page.clock.runFor(20);
  assert.equal(
    await reader.textContent(),
    `Ред 4 от 5. t = ${time} s. Timer1_Timer: таймерът отброи. CurrentFloor = 1 (етаж 2), ` +
      "TargetFloor = 2 (етаж 3), Timer1.Enabled = True, решетка затворена. Добавен текст: Етаж II.",
  );
  await page.keyboard.press("PageUp");
  assert.equal(await grid.getByRole("row", { selected: true }).getAttribute("aria-rowindex"), "2");

  const box = view.getByRole("textbox", {
    name: "Скрипт (close, open, pick N, tick, # бележка)",
  });
  assert.ok(await box.isVisible());
  assert.ok(await view.getByRole("combobox", { name: "Примери" }).isVisible());

  // Tab goes through the view's controls in the order they stand.
  await view.getByRole("radio", { name: "Урок" }).focus();
  const order = [];
  for (let i = 0; i < 7; ++i) {
    await page.keyboard.press("Tab");
    order.push(
      await page.evaluate(() => {
        const focused = /** @type {HTMLElement} */ (document.activeElement);
        return (
          focused.getAttribute("aria-label") ??
          focused.getAttribute("role") ??
          (focused.textContent || focused.tagName)
        );
      }),
    );
  }
  assert.deepEqual(order, [
    "Прочети реда",
    "Събития и променливи",
    "Прозорецът след ред 1",
    "TEXTAREA",
    "Примери",
    "Отвори…",
    "Изпълни",
  ]);
  assert.deepEqual(session.problems, []);
  await closePage(session);
});
