// The page under axe-core, the field's usual accessibility engine, with the
// rules of WCAG 2.2 A and AA (its minimum target size among them) and of
// best practice: no violation on the form fitted to a board and to a phone,
// at the original size, after a trip, with the motion view shown, paused
// and showing the whole session, with the help open, and with the events
// view showing the lesson's trace, an earlier row chosen, and a script whose
// bad line is reported, and with the code view after a trip, gone back a
// step, line by line part-way, with an error of the code reported, with
// the editor marking where a text did not read, and with its question.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { StepMs, closePage, floorButton, grilleButton, openPage } from "./support/browser.js";
import { codeView, litLines } from "./support/code.js";
import { eventsGrid, eventsView } from "./support/events.js";
import { pageFacts } from "./support/page_facts.js";

const axeSource = readFileSync(
  createRequire(import.meta.url).resolve("axe-core/axe.min.js"),
  "utf8",
);
const facts = pageFacts();
const Tags = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22a", "wcag22aa", "best-practice"];

/**
 * Runs axe on the page as it stands; gives each violation as its rule and
 * the parts it found.
 * @param {import("playwright-core").Page} page
 */
async function violations(page) {
  // Evaluated by the driver, which the page's policy does not govern.
  if (!(await page.evaluate(() => "axe" in globalThis))) await page.evaluate(axeSource);
  return page.evaluate(async (tags) => {
    const axe = /** @type {any} */ (globalThis).axe;
    const results = await axe.run(document, {
      runOnly: { type: "tag", values: tags },
      rules: {
        // The tab order is the desktop window's, which goes from frame to
        // frame and back (floor buttons, the grille, more floor buttons):
        // only positive tab indices give it in a page.
        tabindex: { enabled: false },
      },
    });
    return results.violations.map((/** @type {any} */ violation) => ({
      rule: violation.id,
      parts: violation.nodes.map((/** @type {any} */ node) => node.target.join(" ")),
    }));
  }, Tags);
}

// axe waits on the page's timers, so these pages run in real time, and the
// test waits for what it needs.
/** @param {import("playwright-core").Page} page */
const arrived = (page) =>
  page.waitForFunction(() =>
    [...document.querySelectorAll("[role=textbox]")].some((box) =>
      /** @type {HTMLElement} */ (box).innerText.includes("Последна спирка!"),
    ),
  );
/** @param {import("playwright-core").Page} page */
const drawn = (page) =>
  page.evaluate(
    () => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))),
  );

/** @param {import("playwright-core").Page} page @param {string} state */
async function assertNone(page, state) {
  assert.deepEqual(await violations(page), [], state);
}

for (const screen of [
  { name: "a board", viewport: { width: 1920, height: 1080 }, hasTouch: true },
  { name: "a phone", viewport: { width: 360, height: 740 }, hasTouch: true, isMobile: true },
]) {
  test(`on ${screen.name}: the form, a trip, the motion view, paused, the whole session`, async () => {
    const { name, ...options } = screen;
    const session = await openPage({ fitted: true, realTime: true, ...options });
    const { page } = session;
    await assertNone(page, `${name}: the form`);
    await grilleButton(page, true).tap();
    await floorButton(page, 4).tap();
    await arrived(page);
    await assertNone(page, `${name}: after a trip`);
    await page.getByRole("button", { name: facts.motionTexts.ShowMotionWindow }).tap();
    await drawn(page);
    await assertNone(page, `${name}: the motion view`);
    const view = page.getByRole("region", { name: facts.motionTexts.WindowTitle });
    await view.getByRole("button", { name: facts.motionTexts.Pause }).tap();
    await drawn(page);
    await assertNone(page, `${name}: paused`);
    await view.getByRole("checkbox", { name: facts.motionTexts.WholeSession }).tap();
    await drawn(page);
    await assertNone(page, `${name}: the whole session`);
    await page.getByRole("button", { name: facts.screenTexts.Help }).tap();
    await assertNone(page, `${name}: the help`);
    await closePage(session);
  });
}

for (const screen of [
  { name: "a board", viewport: { width: 1920, height: 1080 }, hasTouch: true },
  { name: "a phone", viewport: { width: 360, height: 740 }, hasTouch: true, isMobile: true },
]) {
  test(`on ${screen.name}: the events view, a row chosen, a script with a bad line`, async () => {
    const { name, ...options } = screen;
    const session = await openPage({ fitted: true, realTime: true, ...options });
    const { page } = session;
    await grilleButton(page, true).tap();
    await floorButton(page, 3).tap();
    await arrived(page);
    await page.getByRole("button", { name: facts.eventsTexts.ShowEventsView }).tap();
    await drawn(page);
    await assertNone(page, `${name}: the lesson's trace`);
    await eventsGrid(page).getByRole("row").nth(2).tap();
    await drawn(page);
    await assertNone(page, `${name}: an earlier row`);
    const view = eventsView(page);
    await view.getByRole("textbox", { name: /^Скрипт/ }).fill("close\npick 4\nfly\n");
    await view.getByRole("button", { name: facts.eventsTexts.Run }).tap();
    await view.getByRole("alert").waitFor();
    await assertNone(page, `${name}: a script with a bad line`);
    await closePage(session);
  });
}

for (const screen of [
  { name: "a board", viewport: { width: 1920, height: 1080 }, hasTouch: true },
  { name: "a phone", viewport: { width: 360, height: 740 }, hasTouch: true, isMobile: true },
]) {
  test(`on ${screen.name}: the code view after a trip, line by line, an error, the editor`, async () => {
    const { name, ...options } = screen;
    const session = await openPage({ fitted: true, realTime: true, ...options });
    const { page } = session;
    await page.getByRole("button", { name: facts.codeTexts.ShowCodeView }).tap();
    await codeView(page).waitFor();
    await grilleButton(page, true).tap();
    await floorButton(page, 3).tap();
    await arrived(page);
    await drawn(page);
    await assertNone(page, `${name}: the code view after a trip`);
    await codeView(page).getByRole("button", { name: facts.codeTexts.Back, exact: true }).tap();
    await codeView(page)
      .locator(".code-step")
      .getByText(/^Стъпка/)
      .waitFor();
    await assertNone(page, `${name}: a step gone back to`);
    await codeView(page).getByRole("button", { name: facts.codeTexts.LineByLine }).tap();
    await grilleButton(page, true).tap();
    await floorButton(page, 1).tap();
    await codeView(page).getByRole("button", { name: facts.codeTexts.NextLine }).tap();
    await page.waitForFunction(() => document.querySelector(".code-line[aria-current]"));
    assert.ok((await litLines(page)).next);
    await assertNone(page, `${name}: line by line, part-way`);
    await page.evaluate(() =>
      /** @type {any} */ (globalThis).lodarixPage.runProgram(
        "Private Sub Form_Load()\n  If\nEnd Sub\n",
      ),
    );
    await codeView(page).getByRole("alert").waitFor();
    await assertNone(page, `${name}: an error of the code`);
    const edit = facts.editingTexts;
    await codeView(page).getByRole("button", { name: edit.Edit, exact: true }).tap();
    await codeView(page)
      .getByRole("textbox", { name: edit.EditorName })
      .fill("Private Sub Form_Load()\n    If\nEnd Sub\n");
    await codeView(page).getByRole("button", { name: edit.Run, exact: true }).tap();
    await page.locator(".code-marker").waitFor();
    await assertNone(page, `${name}: the editor, a text that does not read`);
    await codeView(page).getByRole("button", { name: edit.BackToOriginal, exact: true }).tap();
    await page.getByRole("dialog", { name: edit.UnsavedTitle }).waitFor();
    await assertNone(page, `${name}: the question before unsaved edits are lost`);
    await closePage(session);
  });
}

test("at the original size: the form, and the motion view after a trip", async () => {
  const session = await openPage({ viewport: { width: 1300, height: 900 }, realTime: true });
  const { page } = session;
  await assertNone(page, "the form");
  await grilleButton(page, true).click();
  await floorButton(page, 6).click();
  await page.keyboard.press("F2");
  await arrived(page);
  await assertNone(page, "the motion view after a trip");
  await closePage(session);
});
