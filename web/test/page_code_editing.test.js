// The pupil's own program in the page's code view, by real clicks, keys and
// files: an edited line run on the live form, seen in the floor buttons'
// pixels, and the original brought back byte for byte; reading errors of
// each kind, the form going on with its program, the line and column
// marked; Tab, Shift+Tab and undo, and the way out by Escape and Tab;
// comparing with the original; bad files and long programs; and the
// question before unsaved edits are lost.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import {
  StepMs,
  closePage,
  floorButton,
  grilleButton,
  markers,
  openPage,
} from "./support/browser.js";
import { codeView } from "./support/code.js";
import { pageFacts } from "./support/page_facts.js";
import { decode } from "./support/pixels.js";

const Wide = { viewport: { width: 1500, height: 1000 } };
const t = pageFacts().editingTexts;
const original = readFileSync(new URL("../../core/program/form_code.bas", import.meta.url), "utf8");
const timerFirst =
  "    Option1(CurrentFloor).BackColor = &HFF00&\n    If CurrentFloor < TargetFloor";
const yellowTimer = original.replace(timerFirst, timerFirst.replace("&HFF00&", "&HFFFF&"));
const yellowLine = original.slice(0, original.indexOf(timerFirst)).split("\n").length;

/** @param {import("playwright-core").Page} page */
async function openEditor(page) {
  await page.keyboard.press("F4");
  await button(page, t.Edit).click();
  return editor(page);
}

/** @param {import("playwright-core").Page} page @param {string} name */
const button = (page, name) => codeView(page).getByRole("button", { name, exact: true });
/** @param {import("playwright-core").Page} page */
const editor = (page) => codeView(page).getByRole("textbox", { name: t.EditorName });
/** @param {import("playwright-core").Page} page */
const status = (page) => codeView(page).locator(".code-status");

/**
 * The colour most of a floor button shows on the screen.
 * @param {import("playwright-core").Page} page
 * @param {number} floor
 */
async function floorColour(page, floor) {
  const box = await floorButton(page, floor).boundingBox();
  assert.ok(box);
  const picture = await decode(page.context(), await page.screenshot());
  return picture.dominant({ left: box.x + 2, top: box.y + 2, width: box.width - 4, height: 6 });
}

/** @param {import("playwright-core").Page} page @param {number} floor */
async function trip(page, floor) {
  await grilleButton(page, true).click();
  await floorButton(page, floor).click();
  await page.clock.runFor(3 * StepMs);
}

test("an edited line runs on the live form; the original comes back byte for byte, and green", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  const box = await openEditor(page);
  assert.equal(await box.inputValue(), original);
  await box.fill(yellowTimer);
  await button(page, t.Run).click();
  assert.equal(
    await status(page).textContent(),
    "Формата изпълнява моята програма. Сравнява се с оригинала.",
  );
  await trip(page, 4);
  assert.equal(await floorColour(page, 1), "#FFFF00", "left behind, painted by the edited line");
  await button(page, t.BackToOriginal).click();
  await page
    .getByRole("dialog", { name: t.UnsavedTitle })
    .getByRole("button", { name: t.Yes })
    .click();
  await status(page).getByText("Формата изпълнява оригинала.").waitFor();
  assert.equal(await box.inputValue(), original);
  assert.equal(await markers(page), "ciiiiiiiiii", "the window as described, the cabin on floor 1");
  assert.equal(await floorColour(page, 2), "#00FF00");
  await trip(page, 3);
  assert.equal(await floorColour(page, 1), "#00FF00");
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

const readingErrors = [
  { kind: "an unknown word", from: "    CurrentFloor = 0\n", to: "    CurrentFloor = 0 Хоп\n" },
  { kind: "a missing End If", from: "        Exit Sub\n    End If\n", to: "        Exit Sub\n" },
  {
    kind: "an unknown procedure",
    from: "    LogCurrentFloor\nEnd Sub",
    to: "    LogFloor\nEnd Sub",
  },
  { kind: "an unknown control", from: "List1.Visible = False", to: "List2.Visible = False" },
  { kind: "a bad type", from: "Dim TargetFloor As Integer", to: "Dim TargetFloor As Цяло" },
];

test("a text that does not read: the report, its line and column marked, the form on its program", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  const box = await openEditor(page);
  const alert = codeView(page).getByRole("alert");
  for (const { kind, from, to } of readingErrors) {
    assert.ok(original.includes(from), kind);
    await box.fill(original.replace(from, to));
    await button(page, t.Run).click();
    const report = (await alert.textContent()) ?? "";
    const [, line, column] = /ред (\d+), колона (\d+)/.exec(report) ?? [];
    assert.ok(
      line && report.endsWith("Формата продължава с предишната програма."),
      `${kind}: ${report}`,
    );
    const lines = (await box.inputValue()).split("\n");
    const at =
      lines.slice(0, Number(line) - 1).join("\n").length + 1 + Math.max(Number(column) - 1, 0);
    assert.equal(
      await box.evaluate((area) => /** @type {HTMLTextAreaElement} */ (area).selectionStart),
      at,
      kind,
    );
    const marked = codeView(page).locator(".code-layer-line", {
      has: page.locator(".code-marker"),
    });
    assert.equal(await marked.count(), 1, kind);
    assert.equal(await marked.textContent(), lines[Number(line) - 1], kind);
  }
  await trip(page, 6);
  assert.equal(await markers(page), "iiicitiiiii", "the original still runs the form");
  assert.match((await status(page).textContent()) ?? "", /оригинала\./);
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

test("Tab and Shift+Tab move lines in and out, undo takes them back; Escape, then Tab, leaves", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  const box = await openEditor(page);
  await box.fill("a\nb\nc");
  await box.press("Control+Home");
  await page.keyboard.press("Tab");
  assert.equal(await box.inputValue(), "    a\nb\nc");
  await page.keyboard.press("Shift+ArrowDown");
  await page.keyboard.press("Shift+ArrowDown");
  await page.keyboard.press("Tab");
  assert.equal(await box.inputValue(), "        a\n    b\n    c");
  await page.keyboard.press("Shift+Tab");
  await page.keyboard.press("Shift+Tab");
  assert.equal(await box.inputValue(), "a\nb\nc");
  await page.keyboard.press("Control+z");
  assert.equal(await box.inputValue(), "    a\nb\nc");
  await page.keyboard.press("Control+z");
  assert.equal(await box.inputValue(), "        a\n    b\n    c");
  await page.keyboard.press("Escape");
  await page.keyboard.press("Tab");
  assert.ok(
    !(await box.evaluate((area) => area === document.activeElement)),
    "Tab left the editor",
  );
  assert.ok(await codeView(page).isVisible(), "Escape in the editor keeps the view");
  assert.equal(await box.inputValue(), "        a\n    b\n    c");
  await closePage(session);
});

test("Сравни: the edited program parts at its event and line; the original at none", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  const box = await openEditor(page);
  const said = codeView(page).locator(".code-said");
  await button(page, t.Compare).click();
  assert.equal(await said.textContent(), t.NoSessionToCompare);
  await box.fill(yellowTimer);
  await box.press("Control+Enter");
  await trip(page, 3);
  await button(page, t.Compare).click();
  assert.match((await said.textContent()) ?? "", /^Събитие 4, Timer1_Timer: /);
  assert.equal(await differingLine(page), yellowLine);
  await box.fill(original);
  await button(page, t.Run).click();
  await trip(page, 5);
  await button(page, t.Compare).click();
  assert.equal(await said.textContent(), "Няма разлика с оригинала.");
  await closePage(session);
});

test("Образец… and Сравни по скрипт…: the original against a teacher's program, on a script's commands", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  const box = await openEditor(page);
  const said = codeView(page).locator(".code-said");
  await chooseFile(page, t.OpenReference, "uchitel.bas", Buffer.from(yellowTimer));
  await status(page).getByText("Сравнява се с uchitel.bas.").waitFor();
  await chooseFile(page, t.CompareScript, "skript.txt", Buffer.from("close\npick 3\ntick\n"));
  await said.getByText(/^Събитие 4, Timer1_Timer: /).waitFor();
  assert.equal(await differingLine(page), yellowLine);
  await chooseFile(page, t.CompareScript, "skript.txt", Buffer.from("close\nfly 3\n"));
  await codeView(page)
    .getByRole("alert")
    .getByText(/^Ред 2: /)
    .waitFor();
  await chooseFile(page, t.OpenReference, "losh.bas", Buffer.from("Sub\n"));
  await codeView(page)
    .getByRole("alert")
    .getByText(/^Файлът losh.bas не можа да се отвори: /)
    .waitFor();
  assert.match((await status(page).textContent()) ?? "", /uchitel\.bas\.$/);
  assert.equal(await box.inputValue(), original);
  await closePage(session);
});

/**
 * The listing's line lit where the program parts from the reference.
 * @param {import("playwright-core").Page} page
 */
const differingLine = (page) =>
  codeView(page)
    .locator(".code-line.differs")
    .evaluate((item) => [...(item.parentElement?.children ?? [])].indexOf(item) + 1);

/**
 * Gives a file to the chooser that the button opens, as the user chooses it.
 * @param {import("playwright-core").Page} page
 * @param {string} name the button's
 * @param {string} file
 * @param {Buffer} buffer
 */
async function chooseFile(page, name, file, buffer) {
  const chooser = page.waitForEvent("filechooser");
  await button(page, name).click();
  await (await chooser).setFiles({ name: file, mimeType: "text/plain", buffer });
}

/**
 * @param {import("playwright-core").Page} page
 * @param {string} name
 * @param {Buffer} buffer
 */
const openFile = (page, name, buffer) => chooseFile(page, t.OpenProgram, name, buffer);

test("bad files leave the text as it was; long programs open and run; the text saves as held", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  const box = await openEditor(page);
  const alert = codeView(page).getByRole("alert");
  for (const [name, bytes] of [
    ["binary.bas", Buffer.from([0, 1, 2, 0xff, 0x10])],
    ["latin.bas", Buffer.from("Sub \xe9\xe8", "latin1")],
    ["huge.bas", Buffer.alloc(10 * 1024 * 1024, "a")],
  ]) {
    await openFile(page, String(name), /** @type {Buffer} */ (bytes));
    await alert.getByText(`Файлът ${name} не можа да се отвори: `).waitFor();
    assert.equal(await box.inputValue(), original, String(name));
  }
  const crlf = `\ufeff${yellowTimer.replaceAll("\n", "\r\n")}`;
  await openFile(page, "zhulta.bas", Buffer.from(crlf));
  await status(page).getByText("Формата изпълнява zhulta.bas.").waitFor();
  assert.equal(await box.inputValue(), yellowTimer);
  const download = page.waitForEvent("download");
  await button(page, t.SaveProgram).click();
  const saved = await download;
  assert.equal(saved.suggestedFilename(), "zhulta.bas");
  assert.equal(
    readFileSync(await saved.path()).toString("latin1"),
    Buffer.from(yellowTimer).toString("latin1"),
  );

  const long = `${"'\n".repeat(9950)}${original}`;
  await openFile(page, "dalga.bas", Buffer.from(long));
  await status(page).getByText("Формата изпълнява dalga.bas.").waitFor();
  await box.press("Control+End");
  await page.keyboard.type("x");
  await page.keyboard.press("Control+z");
  const wide = original.replace("Integer\n", `Integer ' ${"ж".repeat(100000)}\n`);
  await box.fill(wide);
  await button(page, t.Run).click();
  await status(page).getByText("Формата изпълнява моята програма.").waitFor();
  await trip(page, 6);
  assert.equal(await markers(page), "iiicitiiiii");
  const loop = "Private Sub Form_Load()\nDo\nLoop\nEnd Sub\n";
  await box.fill(loop);
  await button(page, t.Run).click();
  await codeView(page).getByText(/ред 2/).first().waitFor();
  await trip(page, 2);
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

test("unsaved edits: a question before another program or the original, and before leaving", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  const box = await openEditor(page);
  const leaving = () =>
    page.evaluate(() => {
      const event = new Event("beforeunload", { cancelable: true });
      window.dispatchEvent(event);
      return event.defaultPrevented;
    });
  assert.equal(await leaving(), false);
  await box.fill(yellowTimer);
  assert.equal(await leaving(), true);
  const question = page.getByRole("dialog", { name: t.UnsavedTitle });
  await button(page, t.OpenProgram).click();
  await question.getByText(t.UnsavedOpen).waitFor();
  await question.getByRole("button", { name: t.No }).click();
  await question.waitFor({ state: "detached" });
  await button(page, t.BackToOriginal).click();
  await question.getByText(t.UnsavedBackToOriginal).waitFor();
  await page.keyboard.press("Escape");
  await question.waitFor({ state: "detached" });
  assert.equal(await box.inputValue(), yellowTimer);
  const download = page.waitForEvent("download");
  await button(page, t.SaveProgram).click();
  assert.equal((await download).suggestedFilename(), t.ProgramFileName);
  assert.equal(await leaving(), false);
  await closePage(session);
});
