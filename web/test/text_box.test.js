// The page's text box on its own, in Chromium: whatever the rules write
// reads back as written, across the blocks it keeps its text in, and draws
// the lines a plain text would; the user's edits at the end read back as
// drawn and the next line goes on from them; a caret at the end stays at
// the end as lines are written, and any other selection stays where it is.
import { test, before } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { fileURLToPath } from "node:url";
import { openBlankPage } from "./support/browser.js";

const source = (/** @type {string} */ name) =>
  readFileSync(fileURLToPath(new URL(`../src/${name}`, import.meta.url)), "utf8");

/** @type {import("./support/browser.js").Session} */
let session;

before(async () => {
  session = await openBlankPage();
  const { page } = session;
  for (const sheet of ["page.css", "form.css"])
    await page.addStyleTag({ content: source(sheet).replace(/@font-face \{[^}]*\}/, "") });
  await page.addStyleTag({
    content:
      ".text-box, .reference { position: absolute; width: 449px; height: 121px; font: 16px serif; }",
  });
  await page.addScriptTag({
    content: `${source("text_box.js").replace(/^export /gm, "")}
      const element = document.createElement("div");
      element.className = "text-box";
      element.setAttribute("role", "textbox");
      element.setAttribute("aria-label", "Съобщения");
      document.body.append(element);
      globalThis.box = new TextBox(element);`,
  });
});

/**
 * The box's text and whether it draws as many lines as the same text in one
 * plain block does (a zero-width space shows a last empty line there too).
 * @returns {Promise<{ text: string, drawnLikePlainText: boolean, blocks: number }>}
 */
function readBox() {
  return session.page.evaluate(() => {
    const box = /** @type {any} */ (globalThis).box;
    const text = box.text();
    const reference = document.createElement("div");
    reference.className = "text-box reference";
    reference.textContent = `${text}\u200b`;
    document.body.append(reference);
    const drawnLikePlainText = reference.scrollHeight === box.element.scrollHeight;
    reference.remove();
    return { text, drawnLikePlainText, blocks: box.element.childElementCount };
  });
}

/**
 * @param {"replace" | "append"} how
 * @param {string} text
 */
function write(how, text) {
  return session.page.evaluate(
    ([how, text]) => /** @type {any} */ (globalThis).box[how](text),
    [how, text],
  );
}

test("what is written reads back as written, and draws as plain text", async () => {
  let seed = 17;
  const random = (/** @type {number} */ below) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed % below;
  };
  const pieces = [
    "Етаж I\n",
    "Етаж XI\n",
    "Асансьорът слиза!\n",
    "бележка",
    "\n",
    "",
    "Затворете!",
  ];
  let expected = "";
  for (let round = 0; round < 60; ++round) {
    let text = "";
    for (let n = random(round % 10 === 9 ? 300 : 4); n > 0; --n)
      text += pieces[random(pieces.length)];
    const how = random(8) === 0 ? "replace" : "append";
    await write(how, text);
    expected = how === "replace" ? text : expected + text;
    const box = await readBox();
    assert.equal(box.text, expected, `round ${round}`);
    assert.ok(box.drawnLikePlainText, `round ${round}: drawn as plain text`);
  }
  await write("replace", "Етаж I\n".repeat(1000));
  const box = await readBox();
  assert.ok(box.blocks >= 10 && box.blocks <= 20, `${box.blocks} blocks`);
});

test("the user's edits at the end read back as drawn, and the next line goes on from them", async () => {
  const { page } = session;
  const box = page.getByRole("textbox", { name: "Съобщения" });
  /** @type {[string, () => Promise<void>, string][]} */
  const cases = [
    ["typed after the last line", () => page.keyboard.type("ab"), "Етаж I\nab"],
    ["a line break at the end", () => page.keyboard.press("Enter"), "Етаж I\n\n"],
    ["two lines pasted", () => page.keyboard.insertText("p1\np2"), "Етаж I\np1\np2"],
    ["the last line break removed", () => page.keyboard.press("Backspace"), "Етаж I"],
    [
      "everything removed",
      async () => {
        await page.keyboard.press("Control+A");
        await page.keyboard.press("Delete");
      },
      "",
    ],
  ];
  for (const [what, edit, edited] of cases) {
    await write("replace", "Асансьорът се качва!\nЕтаж I\n");
    await box.focus();
    await page.keyboard.press("Control+End");
    await edit();
    const read = await readBox();
    assert.equal(read.text, `${edited === "" ? "" : "Асансьорът се качва!\n"}${edited}`, what);
    await write("append", "Етаж II\n");
    const after = await readBox();
    assert.equal(after.text, `${read.text}Етаж II\n`, what);
    assert.ok(after.drawnLikePlainText, `${what}: drawn as plain text`);
  }
});

test("a line written goes after the caret only where the caret stood at the end", async () => {
  const { page } = session;
  const box = page.getByRole("textbox", { name: "Съобщения" });
  /** The selection's text, and whether it is a caret at the end of the box. */
  const selection = () =>
    page.evaluate(() => {
      const chosen = /** @type {Selection} */ (document.getSelection());
      const rest = document.createRange();
      rest.selectNodeContents(/** @type {any} */ (globalThis).box.element);
      rest.setStart(/** @type {Node} */ (chosen.focusNode), chosen.focusOffset);
      return { text: chosen.toString(), atEnd: chosen.isCollapsed && rest.toString() === "" };
    });
  /** @type {[string, () => Promise<void>, { text: string, atEnd: boolean }][]} */
  const cases = [
    ["a caret at the end", () => page.keyboard.press("Control+End"), { text: "", atEnd: true }],
    [
      "the last line selected up to the end",
      async () => {
        await page.keyboard.press("Control+End");
        await page.keyboard.press("ArrowUp");
        await page.keyboard.press("Shift+Control+End");
      },
      { text: "Етаж I\n", atEnd: false },
    ],
    ["a caret at the start", () => page.keyboard.press("Control+Home"), { text: "", atEnd: false }],
  ];
  for (const [what, place, after] of cases) {
    await write("replace", "Асансьорът се качва!\nЕтаж I\n");
    await box.focus();
    await place();
    await write("append", "Етаж II\n");
    assert.deepEqual(await selection(), after, what);
  }
});
