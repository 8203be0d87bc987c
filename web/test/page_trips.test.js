// The trips in the page with real mouse, touch and keyboard input, on the
// page's own clock: a trip up and down, the refusal while the grille is
// open, a pick during a trip, the cabin's own floor, the user's text in the
// status box, a double-click, a tap, and the keyboard's focus and keys.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  StepMs,
  closePage,
  floorButton,
  grilleButton,
  markers,
  openPage,
  pick,
  statusBox,
  statusText,
} from "./support/browser.js";

const Up = "Асансьорът се качва!\n";
const Down = "Асансьорът слиза!\n";
const Last = "Последна спирка!\n";
const Refusal = "Затворете предпазната решетка!";

/** @param {import("playwright-core").Page} page */
const focusedName = (page) =>
  page.evaluate(() => {
    const focused = document.activeElement;
    return focused?.getAttribute("aria-label") ?? focused?.closest("label")?.textContent ?? "";
  });

test("a trip up and a trip down, step by step", async () => {
  const session = await openPage();
  const { page } = session;
  await pick(page, 4);
  assert.equal(await statusText(page), `${Up}Етаж I\n`);
  assert.equal(await markers(page), "ciitiiiiiii");
  await page.clock.runFor(StepMs);
  assert.equal(await statusText(page), `${Up}Етаж I\nЕтаж II\n`);
  assert.equal(await markers(page), "icitiiiiiii");
  await page.clock.runFor(2 * StepMs);
  assert.equal(await statusText(page), `${Up}Етаж I\nЕтаж II\nЕтаж III\nЕтаж IV\n${Last}`);
  assert.equal(await markers(page), "iiiciiiiiii");
  assert.ok(await grilleButton(page, false).isChecked(), "the grille opens on arrival");
  await page.clock.runFor(3 * StepMs);
  assert.equal(await statusText(page), `${Up}Етаж I\nЕтаж II\nЕтаж III\nЕтаж IV\n${Last}`);

  await pick(page, 2);
  await page.clock.runFor(2 * StepMs);
  assert.equal(await statusText(page), `${Down}Етаж IV\nЕтаж III\nЕтаж II\n${Last}`);
  assert.equal(await markers(page), "iciiiiiiiii");
  await closePage(session);
});

test("a pick with the grille open is refused and starts nothing", async () => {
  const session = await openPage();
  const { page } = session;
  await floorButton(page, 6).click();
  assert.equal(await statusText(page), Refusal);
  assert.ok(await floorButton(page, 6).isChecked(), "the button stays selected");
  assert.equal(await markers(page), "ciiiiiiiiii");
  await page.clock.runFor(3 * StepMs);
  assert.equal(await statusText(page), Refusal);
  await closePage(session);
});

test("a pick during a trip starts from the old final stop and a full period later", async () => {
  const session = await openPage();
  const { page } = session;
  await pick(page, 11);
  await page.clock.runFor(2 * StepMs + StepMs / 2);
  assert.equal(await statusText(page), `${Up}Етаж I\nЕтаж II\nЕтаж III\n`);
  await floorButton(page, 5).click();
  assert.equal(await statusText(page), `${Down}Етаж XI\n`);
  assert.equal(await markers(page), "iiiitiiiiic");
  await page.clock.runFor(StepMs - 1);
  assert.equal(await statusText(page), `${Down}Етаж XI\n`, "the period started anew");
  await page.clock.runFor(1);
  assert.equal(await statusText(page), `${Down}Етаж XI\nЕтаж X\n`);
  await closePage(session);
});

test("a pick of the cabin's own floor logs it, and the step after it ends the trip", async () => {
  const session = await openPage();
  const { page } = session;
  const statement = await statusText(page);
  await pick(page, 1);
  assert.equal(await statusText(page), `${statement}Етаж I\n`);
  assert.equal(await markers(page), "tiiiiiiiiii");
  await page.clock.runFor(StepMs);
  assert.equal(await statusText(page), `${statement}Етаж I\nЕтаж I\n${Last}`);
  assert.equal(await markers(page), "ciiiiiiiiii");
  await closePage(session);
});

test("what the user types stays in front of the next line, and the caret moves on", async () => {
  const session = await openPage();
  const { page } = session;
  await pick(page, 3);
  await statusBox(page).click();
  await page.keyboard.press("Control+End");
  await page.keyboard.type("бележка");
  await page.clock.runFor(StepMs);
  assert.equal(await statusText(page), `${Up}Етаж I\nбележкаЕтаж II\n`);
  await page.keyboard.type("!");
  await page.clock.runFor(StepMs);
  assert.equal(await statusText(page), `${Up}Етаж I\nбележкаЕтаж II\n!Етаж III\n${Last}`);
  await closePage(session);
});

test("a double-click is one pick", async () => {
  for (const [grilleClosed, floor, expected] of /** @type {const} */ ([
    [true, 6, `${Up}Етаж I\n`],
    [false, 6, Refusal],
  ])) {
    const session = await openPage();
    const { page } = session;
    if (grilleClosed) await grilleButton(page, true).click();
    await floorButton(page, floor).dblclick();
    assert.equal(await statusText(page), expected);
    assert.ok(await floorButton(page, floor).isChecked());
    const announced = await page.getByRole("log").evaluate((log) => log.textContent);
    assert.equal(announced, expected.trimEnd().replaceAll("\n", " "), "announced once");
    await closePage(session);
  }
  const session = await openPage();
  const { page } = session;
  const statement = await statusText(page);
  await grilleButton(page, true).dblclick();
  assert.ok(await grilleButton(page, true).isChecked());
  await floorButton(page, 1).dblclick();
  assert.equal(await statusText(page), `${statement}Етаж I\n`);
  await closePage(session);
});

test("a tap on a touch screen is a click, and the form takes no double-tap zoom", async () => {
  const session = await openPage({ hasTouch: true, isMobile: true });
  const { page } = session;
  await grilleButton(page, true).tap();
  await floorButton(page, 3).tap();
  assert.equal(await statusText(page), `${Up}Етаж I\n`);
  const touchAction = await page.evaluate(() =>
    [...document.querySelectorAll("[role=radio], [role=textbox]")].map(
      (control) => getComputedStyle(control).touchAction,
    ),
  );
  assert.deepEqual(new Set(touchAction), new Set(["manipulation"]));
  await closePage(session);
});

test("the focus starts in the status box and Tab follows the tab indices", async () => {
  const session = await openPage();
  const { page } = session;
  assert.equal(await focusedName(page), "Съобщения");
  await page.keyboard.press("Space");
  assert.equal(await markers(page), "ciiiiiiiiii");
  const order = [];
  for (let i = 0; i < 15; ++i) {
    await page.keyboard.press("Tab");
    order.push((await focusedName(page)).replace(/,.*/, ""));
  }
  assert.deepEqual(order, [
    "Цитат",
    ...[2, 3, 4, 5, 6, 7, 8, 9].map((floor) => `Етаж ${floor}`),
    "Предпазната решетка е затворена",
    "Предпазната решетка е отворена",
    "Етаж 10",
    "Етаж 11",
    "Етаж 1",
    "",
  ]);
  await closePage(session);
});

test("the arrow keys move within a group without selecting, Space selects", async () => {
  const session = await openPage();
  const { page } = session;
  await grilleButton(page, true).focus();
  await page.keyboard.press("ArrowDown");
  assert.equal(await focusedName(page), "Предпазната решетка е отворена", "the focus wraps");
  assert.ok(!(await grilleButton(page, true).isChecked()));
  await page.keyboard.press("ArrowUp");
  await page.keyboard.press("Space");
  assert.ok(await grilleButton(page, true).isChecked());

  await floorButton(page, 5).focus();
  await page.keyboard.press("ArrowRight");
  assert.match(await focusedName(page), /^Етаж 6,/);
  await page.keyboard.press("ArrowLeft");
  await page.keyboard.press("ArrowUp");
  assert.match(await focusedName(page), /^Етаж 4,/);
  assert.equal(await markers(page), "ciiiiiiiiii", "moving selects nothing");
  await page.keyboard.press("Enter");
  assert.equal(await markers(page), "ciiiiiiiiii", "Enter clicks nothing");
  await page.keyboard.press("Space");
  assert.ok(await floorButton(page, 4).isChecked());
  assert.equal(await markers(page), "ciitiiiiiii");
  await floorButton(page, 1).focus();
  await page.keyboard.press("ArrowLeft");
  assert.match(await focusedName(page), /^Етаж 11,/, "the focus wraps round");
  await closePage(session);
});
