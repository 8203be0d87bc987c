// The page as assistive technology meets it, from the browser's own
// accessibility tree: the floor buttons and the grille buttons are radio
// buttons in two named groups, named and described as on the desktop, the
// text boxes are named, and a polite log announces each new status line once.
import { test } from "node:test";
import assert from "node:assert/strict";
import { StepMs, closePage, floorButton, openPage, pick, statusBox } from "./support/browser.js";

/**
 * @typedef {object} Node
 * @property {string} role
 * @property {string} name
 * @property {string} description
 * @property {boolean} checked
 * @property {string} group the name of the nearest radio group holding it
 */

/**
 * The accessibility tree as Chromium gives it to a screen reader.
 * @param {import("./support/browser.js").Session} session
 * @returns {Promise<Node[]>}
 */
async function accessibilityTree(session) {
  const client = await session.context.newCDPSession(session.page);
  const { nodes } = await client.send("Accessibility.getFullAXTree");
  await client.detach();
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  /** @param {any} node */
  const groupOf = (node) => {
    for (let at = byId.get(node.parentId); at; at = byId.get(at.parentId ?? ""))
      if (at.role?.value === "radiogroup") return at.name?.value ?? "";
    return "";
  };
  return nodes
    .filter((node) => !node.ignored)
    .map((node) => ({
      role: node.role?.value ?? "",
      name: node.name?.value ?? "",
      description: node.description?.value ?? "",
      checked:
        node.properties?.some((p) => p.name === "checked" && p.value.value === "true") ?? false,
      group: groupOf(node),
    }));
}

test("radio buttons in two named groups, and named text boxes, as on the desktop", async () => {
  const session = await openPage();
  const tree = await accessibilityTree(session);
  const radios = tree.filter((node) => node.role === "radio");
  assert.deepEqual(
    radios.filter((node) => node.group === "Етажи"),
    Array.from({ length: 11 }, (_, i) => ({
      role: "radio",
      name: `Етаж ${i + 1}, ${i === 0 ? "кабината е тук" : "свободен"}`,
      description: i === 0 ? "кабината е тук" : "свободен",
      checked: false,
      group: "Етажи",
    })),
  );
  assert.deepEqual(
    radios
      .filter((node) => node.group === "Предпазна решетка")
      .map(({ name, checked }) => [name, checked]),
    [
      ["Предпазната решетка е отворена", true],
      ["Предпазната решетка е затворена", false],
    ],
  );
  assert.equal(radios.length, 13);
  const boxes = tree.filter((node) => node.role === "textbox").map((node) => node.name);
  assert.deepEqual(boxes.sort(), ["Съобщения", "Цитат"]);
  assert.ok(!tree.some((node) => node.name === "Имена на етажите"), "the hidden list is not read");
  await closePage(session);
});

test("after a pick the buttons say the cabin's floor and the final stop", async () => {
  const session = await openPage();
  const { page } = session;
  await pick(page, 4);
  const floors = (await accessibilityTree(session)).filter((node) => node.group === "Етажи");
  assert.deepEqual(floors[0], { ...floors[0], name: "Етаж 1, кабината е тук", checked: false });
  assert.deepEqual(floors[3], {
    ...floors[3],
    name: "Етаж 4, крайна спирка",
    description: "крайна спирка",
    checked: true,
  });
  await closePage(session);
});

test("a polite log announces each status line once, in order, and keeps the newest", async () => {
  const session = await openPage();
  const { page } = session;
  const log = page.getByRole("log");
  assert.equal(await log.getAttribute("aria-live"), "polite");
  /** @returns {Promise<string[]>} */
  const announced = () => log.locator("p").allTextContents();
  await floorButton(page, 2).click();
  assert.deepEqual(await announced(), ["Затворете предпазната решетка!"], "nothing on loading");
  await pick(page, 4);
  await page.clock.runFor(3 * StepMs);
  // What comes in one turn is one entry; the grille opening on arrival too,
  // but not the user's own choice of the grille.
  assert.deepEqual(await announced(), [
    "Затворете предпазната решетка!",
    "Асансьорът се качва! Етаж I",
    "Етаж II",
    "Етаж III",
    "Етаж IV Последна спирка! Предпазната решетка е отворена",
  ]);
  await statusBox(page).click();
  await page.keyboard.press("Control+End");
  await page.keyboard.type("бележка");
  assert.equal((await announced()).length, 5, "what the user types is not announced");
  await pick(page, 11);
  await page.clock.runFor(7 * StepMs);
  await pick(page, 1);
  const newest = await announced();
  assert.equal(newest.length, 12, "the oldest entries go");
  assert.deepEqual(newest.slice(-3), [
    "Етаж X",
    "Етаж XI Последна спирка! Предпазната решетка е отворена",
    "Асансьорът слиза! Етаж XI",
  ]);
  await closePage(session);
});
