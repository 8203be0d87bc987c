// The window as the page draws it, checked against the core's description
// on screenshots: every control at its rectangle and in its colours, the
// markers after a trip, the same at twice the scale without blur, the
// embedded font, the initial states, and the dotted focus cue.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  StepMs,
  closePage,
  floorButton,
  grilleButton,
  openPage,
  pick,
  statusText,
} from "./support/browser.js";
import { decode } from "./support/pixels.js";
import { pageFacts } from "./support/page_facts.js";

const form = pageFacts().storedForm;
// What shows once the page has loaded: the load hides the floor-name list.
const shown = form.controls.filter(
  (control) => control.visible && control.kind !== "Timer" && control.kind !== "ListBox",
);
const White = "#FFFFFF";

/**
 * A control's rectangle in the form, its container's offset added.
 * @param {import("../src/lodarix.js").ControlDescription} control
 */
function inForm(control) {
  const container = form.controls.find((other) => other.name === control.container);
  const { left, top, width, height } = control.rect;
  return container
    ? { left: left + container.rect.left, top: top + container.rect.top, width, height }
    : { left, top, width, height };
}

/** @param {{left: number, top: number, width: number, height: number}} rect @param {number} by */
const inset = (rect, by) => ({
  left: rect.left + by,
  top: rect.top + by,
  width: rect.width - 2 * by,
  height: rect.height - 2 * by,
});

/** @param {{left: number, top: number, width: number, height: number}} rect @param {number} by */
const scaled = (rect, by) => ({
  left: rect.left * by,
  top: rect.top * by,
  width: rect.width * by,
  height: rect.height * by,
});

/**
 * @param {import("./support/browser.js").Session} session
 * @param {number} [scale]
 */
async function formPicture(session, scale = 1) {
  const png = await session.page.locator(`#${form.name}`).screenshot();
  const picture = await decode(session.context, png);
  assert.equal(picture.width, form.width * scale);
  assert.equal(picture.height, form.height * scale);
  return picture;
}

test("every control sits at its rectangle, in its colours", async () => {
  const session = await openPage();
  const { page } = session;
  const placed = await page.evaluate(
    ({ name }) => {
      const origin = /** @type {HTMLElement} */ (
        document.getElementById(name)
      ).getBoundingClientRect();
      const placed = [...document.querySelectorAll(`#${name} [data-control]`)];
      return placed
        .filter((element) => !(/** @type {HTMLElement} */ (element).hidden))
        .map((element) => {
          const box = element.getBoundingClientRect();
          return [box.left - origin.left, box.top - origin.top, box.width, box.height];
        });
    },
    { name: form.name },
  );
  const described = shown.map((control) => Object.values(inForm(control)));
  assert.deepEqual(new Set(placed.map(String)), new Set(described.map(String)));

  const picture = await formPicture(session);
  for (const control of shown) {
    const rect = inForm(control);
    const where = `${control.name}(${control.index})`;
    if (control.kind === "Frame") {
      // a corner inside the frame's edge that none of its controls covers
      assert.equal(
        picture.at(rect.left + rect.width - 3, rect.top + rect.height - 3),
        control.background,
        where,
      );
    } else if (control.kind === "TextBox") {
      if (control.index === 0) assert.equal(picture.dominant(inset(rect, 2)), White, where);
    } else {
      assert.equal(picture.dominant(inset(rect, 2)), control.background, where);
    }
  }
  assert.equal(picture.at(1, form.height - 2), form.background, "the form's background");
  await closePage(session);
});

test("the floor buttons show the cabin and the final stop in their colours", async () => {
  const session = await openPage();
  const { page } = session;
  await pick(page, 7);
  await page.clock.runFor(2 * StepMs);
  const picture = await formPicture(session);
  const colours = form.controls
    .filter((control) => control.graphical)
    .sort((a, b) => Number(a.index) - Number(b.index))
    .map((control) => picture.dominant(inset(inForm(control), 2)));
  assert.deepEqual(colours, [
    ...["#00FF00", "#00FF00", "#FF8080", "#00FF00", "#00FF00", "#00FF00", "#8080FF"],
    ...["#00FF00", "#00FF00", "#00FF00", "#00FF00"],
  ]);
  await closePage(session);
});

test("at twice the scale every colour keeps its exact place, without blur", async () => {
  const session = await openPage({ deviceScaleFactor: 2 });
  const picture = await formPicture(session, 2);
  const title = /** @type {import("../src/lodarix.js").ControlDescription} */ (
    shown.find((control) => control.kind === "Label")
  );
  const rect = scaled(inForm(title), 2);
  assert.equal(picture.at(rect.left - 1, rect.top + rect.height - 1), form.background);
  assert.equal(picture.at(rect.left, rect.top + rect.height - 1), title.background);
  assert.equal(picture.at(rect.left, rect.top + rect.height), form.background);
  for (const control of shown.filter((control) => control.kind === "OptionButton"))
    assert.equal(picture.dominant(scaled(inset(inForm(control), 2), 2)), control.background);
  await closePage(session);
});

test("the texts, the font and the initial states are the description's", async () => {
  const session = await openPage();
  const { page } = session;
  const status = /** @type {import("../src/lodarix.js").ControlDescription} */ (
    form.controls.find((control) => control.kind === "TextBox" && control.index === 0)
  );
  assert.equal(await statusText(page), status.text);
  const font = await page.evaluate(async (name) => {
    await document.fonts.ready;
    const style = getComputedStyle(/** @type {HTMLElement} */ (document.getElementById(name)));
    return {
      loaded: document.fonts.check(`16px "Lodarix Serif"`, "Асансьор"),
      family: style.fontFamily,
      size: style.fontSize,
    };
  }, form.name);
  assert.deepEqual(font, {
    loaded: true,
    family: `"Lodarix Serif", "${form.font.family}", serif`,
    size: `${(form.font.pointSize * 96) / 72}px`,
  });
  assert.ok(await grilleButton(page, false).isChecked());
  assert.ok(!(await grilleButton(page, true).isChecked()));
  assert.equal(await page.getByRole("radio", { checked: true }).count(), 1);
  assert.equal(await page.getByRole("listbox").count(), 0, "the floor-name list is hidden");
  await closePage(session);
});

test("a focused floor button shows a dotted rectangle just inside its border", async () => {
  for (const floor of [1, 4, 10]) {
    const session = await openPage();
    const { page } = session;
    await pick(page, 4);
    const button = floorButton(page, floor);
    await page.getByRole("textbox", { name: "Съобщения" }).focus();
    const unfocused = await decode(session.context, await button.screenshot());
    await floorButton(page, floor === 1 ? 11 : floor - 1).focus();
    await page.keyboard.press("ArrowRight");
    const focused = await decode(session.context, await button.screenshot());
    let dots = 0;
    for (let y = 0; y < focused.height; ++y) {
      for (let x = 0; x < focused.width; ++x) {
        const changed = (/** @type {number} */ cx, /** @type {number} */ cy) =>
          cx < focused.width && cy < focused.height && focused.at(cx, cy) !== unfocused.at(cx, cy);
        if (!changed(x, y)) continue;
        const onRing =
          (x === 3 || x === focused.width - 4) !== (y === 3 || y === focused.height - 4) ||
          ((x === 3 || x === focused.width - 4) && (y === 3 || y === focused.height - 4));
        assert.ok(onRing, `floor ${floor}: the focus changed ${x},${y}, off its ring`);
        assert.ok(!changed(x + 1, y) || !changed(x, y + 1), "dots, not a line");
        ++dots;
      }
    }
    assert.ok(dots >= 20, `floor ${floor}: ${dots} dots`);
    await closePage(session);
  }
});
