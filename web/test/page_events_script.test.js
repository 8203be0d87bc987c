// Scripts in the page's events view against the native lodarix-replay: the
// JSON Lines, the motion CSV and the workbook downloaded are byte for byte
// what the tool writes for the script in the box, for the project's
// script, the guide's examples and seeded random scripts with bad lines; a
// bad line is reported in Bulgarian with its number and announced, and the
// run stops there; a script opened from a file or from the examples; the
// lesson goes on apart, and nothing is stored.
import { test } from "node:test";
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, readdirSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { fileURLToPath } from "node:url";
import { closePage, floorButton, grilleButton, openPage, statusText } from "./support/browser.js";
import { eventsGrid, eventsView, nativeReplay } from "./support/events.js";
import { pageFacts } from "./support/page_facts.js";

const Wide = { viewport: { width: 1500, height: 1000 } };
const scriptsFolder = fileURLToPath(new URL("../../tests/app/replay/scripts/", import.meta.url));
const work = mkdtempSync(join(tmpdir(), "lodarix-events-"));
process.on("exit", () => rmSync(work, { recursive: true, force: true }));

/** @param {import("playwright-core").Page} page */
const scriptBox = (page) =>
  eventsView(page).getByRole("textbox", { name: "Скрипт (close, open, pick N, tick, # бележка)" });

/**
 * The bytes a button of the events view downloads, and their file name.
 * @param {import("playwright-core").Page} page
 * @param {string} button
 */
async function save(page, button) {
  const [download] = await Promise.all([
    page.waitForEvent("download"),
    eventsView(page).getByRole("button", { name: button }).click(),
  ]);
  return { name: download.suggestedFilename(), bytes: readFileSync(await download.path()) };
}

// Good lines with blanks, tabs and comments, and now and then a bad one.
/** @param {number} seed */
function randomScript(seed) {
  let state = seed;
  const random = (/** @type {number} */ below) => {
    state = (state * 48271) % 2147483647;
    return state % below;
  };
  const good = () =>
    ["close", " open", `pick ${1 + random(11)}`, "tick", "\ttick ", "tick", "# бележка", ""][
      random(8)
    ];
  const bad = () => ["pick 12", "tik", "pick 3 4", "етаж 3", "close now", "pick"][random(6)];
  const lines = [];
  for (let n = 20 + random(60); n > 0; --n) lines.push(random(100) < 4 ? bad() : good());
  return `${lines.join("\n")}\n`;
}

/** @type {[string, string][]} */
const scripts = [
  ...readdirSync(scriptsFolder).map(
    (name) => /** @type {[string, string]} */ ([name, readFileSync(scriptsFolder + name, "utf8")]),
  ),
  ...pageFacts().eventsFacts.examples.map(
    (example) => /** @type {[string, string]} */ ([example.fileName, example.text]),
  ),
  ...[3, 4, 5, 6].map(
    (seed) => /** @type {[string, string]} */ ([`random ${seed}`, randomScript(seed)]),
  ),
];

// A page of its own for each script: a browser lets a page download only
// so many files.
for (const [name, script] of scripts) {
  test(`what a script's run downloads is what lodarix-replay writes for it: ${name}`, async () => {
    const session = await openPage(Wide);
    const { page } = session;
    await page.keyboard.press("F3");
    await scriptBox(page).fill(script);
    await eventsView(page).getByRole("button", { name: "Изпълни" }).click();
    const ran = await scriptBox(page).inputValue();
    const jsonLines = await save(page, "Запази JSON Lines…");
    assert.equal(jsonLines.name, "lodarix-script.jsonl");
    assert.ok(jsonLines.bytes.equals(nativeReplay([], ran)), "JSON Lines");
    const csv = await save(page, "Запази CSV…");
    assert.equal(csv.name, "lodarix-script-motion.csv");
    assert.ok(csv.bytes.equals(nativeReplay(["--motion"], ran)), "CSV");
    const workbookButton = eventsView(page).getByRole("button", {
      name: "Запази за електронна таблица…",
    });
    if (await eventsView(page).locator("[role=alert]").textContent()) {
      assert.ok(await workbookButton.isDisabled(), "no workbook after a bad line");
    } else {
      const workbook = await save(page, "Запази за електронна таблица…");
      assert.equal(workbook.name, "lodarix-script-motion.xlsx");
      const path = join(work, `${name}.xlsx`);
      nativeReplay(["--xlsx", path], ran);
      assert.ok(workbook.bytes.equals(readFileSync(path)), "workbook");
    }
    assert.deepEqual(session.problems, []);
    await closePage(session);
  });
}

test("the random scripts have bad lines among them", () => {
  const bad = scripts.filter(([, script]) =>
    /^(pick 12|tik|pick 3 4|етаж 3|close now|pick)$/m.test(script),
  );
  assert.ok(bad.length >= 1);
});

test("a bad line is told with its number and word, announced, and the run stops there", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  await page.keyboard.press("F3");
  await scriptBox(page).fill("close\npick 3\n# бележка\n  pick 12\ntick\n");
  await scriptBox(page).press("Control+Enter");
  const message = "Ред 4: „12“ не е номер на етаж от 1 до 11. Изпълнението спря на този ред.";
  assert.equal(await eventsView(page).locator("[role=alert]").textContent(), message);
  const selected = await scriptBox(page).evaluate((box) => {
    const area = /** @type {HTMLTextAreaElement} */ (box);
    return area.value.slice(area.selectionStart, area.selectionEnd);
  });
  assert.equal(selected, "  pick 12", "the caret goes to the bad line");
  await page.clock.runFor(50);
  assert.equal(await eventsGrid(page).getAttribute("aria-rowcount"), "4");
  assert.ok(await eventsView(page).getByRole("radio", { name: "Скрипт" }).isChecked());
  await closePage(session);
});

test("a script from a file or the examples; the lesson goes on apart, and nothing is stored", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  await grilleButton(page, true).click();
  await floorButton(page, 3).click();
  const lesson = await statusText(page);
  await page.keyboard.press("F3");
  await page.clock.runFor(50);
  const view = eventsView(page);

  const [chooser] = await Promise.all([
    page.waitForEvent("filechooser"),
    view.getByRole("button", { name: "Отвори…" }).click(),
  ]);
  await chooser.setFiles({
    name: "kurs.txt",
    mimeType: "text/plain",
    buffer: Buffer.from("close\npick 9\ntick\n"),
  });
  await page.waitForFunction(
    () => document.querySelector("textarea")?.value === "close\npick 9\ntick\n",
  );
  const examples = pageFacts().eventsFacts.examples;
  await view.getByRole("combobox", { name: "Примери" }).selectOption({ label: examples[1].name });
  assert.equal(await scriptBox(page).inputValue(), examples[1].text);
  await view.getByRole("button", { name: "Изпълни" }).click();
  assert.match(
    (await view.locator(".events-script-done").textContent()) ?? "",
    /^Скриптът е изпълнен: 16 команди, 16 реда в таблицата\.$/,
  );
  await page.clock.runFor(50);
  assert.equal(await eventsGrid(page).getAttribute("aria-rowcount"), "17");

  assert.equal(await statusText(page), lesson, "the lesson's window is left alone");
  await view.getByRole("radio", { name: "Урок" }).check();
  assert.equal(await eventsGrid(page).getAttribute("aria-rowcount"), "4");
  await page.clock.runFor(800 + 50);
  assert.equal(await eventsGrid(page).getAttribute("aria-rowcount"), "5", "the lesson goes on");
  await view.getByRole("radio", { name: "Скрипт" }).check();
  assert.equal(
    await eventsGrid(page).getAttribute("aria-rowcount"),
    "17",
    "the script's run is kept",
  );

  const stored = await page.evaluate(() => localStorage.length + sessionStorage.length);
  assert.equal(stored, 0);
  assert.deepEqual(await session.context.cookies(), []);
  assert.deepEqual(session.problems, []);
  await closePage(session);
});
