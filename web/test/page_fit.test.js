// The page as it stands on a board, a laptop, a tablet and a phone: fitted
// to the window by default, the form keeps its proportions and fills the
// window's width or height, nothing scrolls sideways, a trip made by taps
// shows its floor colours, and the motion view stands beside the form on a
// wide screen with both graphs in view; the size follows the window, the
// tools switch to the original size and back and go full screen, and the
// help (F1 or "?") tells the colours and keys in the core's words.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  PageFile,
  StepMs,
  closePage,
  floorButton,
  grilleButton,
  openPage,
} from "./support/browser.js";
import { decode } from "./support/pixels.js";
import { pageFacts } from "./support/page_facts.js";

const facts = pageFacts();
const form = facts.form;
const texts = facts.screenTexts;
/** Pixels the form may leave free of the window's width or height. */
const Slack = 10;

const Screens = [
  { name: "a board", width: 1920, height: 1080, isMobile: false },
  { name: "a laptop", width: 1366, height: 768, isMobile: false },
  { name: "a tablet", width: 810, height: 1080, isMobile: true },
  { name: "a phone", width: 360, height: 740, isMobile: true },
];

/** @param {{ width: number, height: number, isMobile: boolean }} screen */
const openOn = (screen) =>
  openPage({
    fitted: true,
    viewport: { width: screen.width, height: screen.height },
    hasTouch: true,
    isMobile: screen.isMobile,
  });

/**
 * Where the form is, and how the page scrolls.
 * @param {import("playwright-core").Page} page
 */
const measure = (page) =>
  page.evaluate((name) => {
    const root = document.documentElement;
    const box = /** @type {HTMLElement} */ (document.getElementById(name)).getBoundingClientRect();
    return {
      form: { left: box.left, top: box.top, width: box.width, height: box.height },
      window: { width: root.clientWidth, height: root.clientHeight },
      sideways: root.scrollWidth - root.clientWidth,
    };
  }, form.name);

/**
 * Waits until the page has fitted the form to the window it has now: a
 * browser tells the page of a new size at its next rendering, not at once.
 * @param {import("playwright-core").Page} page
 */
const refitted = (page) =>
  page.waitForFunction(([name, slack]) => {
    const root = document.documentElement;
    const box = /** @type {HTMLElement} */ (document.getElementById(name)).getBoundingClientRect();
    return root.clientWidth - box.width <= slack || root.clientHeight - box.height <= slack;
  }, /** @type {[string, number]} */ ([form.name, Slack]));

/** @param {Awaited<ReturnType<typeof measure>>} at */
function assertFills(at, where = "") {
  const { form: box, window } = at;
  assert.ok(
    window.width - box.width <= Slack || window.height - box.height <= Slack,
    `${where}: the form is ${box.width} x ${box.height} in ${window.width} x ${window.height}`,
  );
  assert.ok(
    box.width <= window.width && box.height <= window.height,
    `${where}: within the window`,
  );
  assert.ok(
    Math.abs(box.width / box.height - form.width / form.height) < 0.005,
    `${where}: its proportions`,
  );
  assert.ok(at.sideways <= 0, `${where}: it scrolls sideways by ${at.sideways}`);
}

for (const screen of Screens) {
  test(`on ${screen.name}, ${screen.width} x ${screen.height}, the form fills the window and takes a trip by taps`, async () => {
    const session = await openOn(screen);
    const { page } = session;
    const at = await measure(page);
    assertFills(at, screen.name);

    const buttons = [
      ...(await page.locator(".floor-button").all()),
      ...(await page.locator(".option-button").all()),
    ];
    if (!screen.isMobile || screen.width > 600)
      for (const button of buttons) {
        const box = await button.boundingBox();
        assert.ok(
          box && box.width >= 24 && box.height >= 24,
          `${screen.name}: a target of ${box?.width} x ${box?.height}`,
        );
      }

    await grilleButton(page, true).tap();
    await floorButton(page, 7).tap();
    await page.clock.runFor(2 * StepMs);
    const picture = await decode(session.context, await page.screenshot());
    const colours = [];
    for (let floor = 1; floor <= 11; ++floor) {
      const box = await floorButton(page, floor).boundingBox();
      assert.ok(box);
      const inset = Math.max(2, box.height / 5);
      colours.push(
        picture.dominant({
          left: box.x + inset,
          top: box.y + inset,
          width: box.width - 2 * inset,
          height: box.height - 2 * inset,
        }),
      );
    }
    assert.deepEqual(colours, [
      ...["#00FF00", "#00FF00", "#FF8080", "#00FF00", "#00FF00", "#00FF00", "#8080FF"],
      ...["#00FF00", "#00FF00", "#00FF00", "#00FF00"],
    ]);

    await page.getByRole("button", { name: facts.motionTexts.ShowMotionWindow }).tap();
    const view = page.getByRole("region", { name: facts.motionTexts.WindowTitle });
    await view.waitFor();
    await page.clock.runFor(100);
    const withView = await measure(page);
    assert.ok(withView.sideways <= 0, `${screen.name}: with the view it scrolls sideways`);
    const viewBox = await view.boundingBox();
    assert.ok(viewBox);
    if (screen.width > screen.height) {
      assert.ok(viewBox.x >= withView.form.left + withView.form.width, "beside the form");
      for (const graph of await view.getByRole("img").all()) {
        const box = await graph.boundingBox();
        assert.ok(box && box.y >= 0 && box.y + box.height <= screen.height, "the graph in view");
        assert.ok(box.x + box.width <= screen.width && box.height >= 100, "the graph in view");
      }
    } else {
      assert.ok(viewBox.y >= withView.form.top + withView.form.height, "below the form");
      assert.ok(viewBox.x >= 0 && viewBox.x + viewBox.width <= screen.width, "within the width");
    }
    // Every canvas has a pixel for each of the screen's.
    const sharp = await view.getByRole("img").evaluateAll((canvases) =>
      canvases.every((canvas) => {
        const graph = /** @type {HTMLCanvasElement} */ (canvas);
        return graph.width === Math.round(graph.clientWidth * devicePixelRatio);
      }),
    );
    assert.ok(sharp, "the graphs' canvases at the screen's pixels");
    assert.deepEqual(session.problems, []);
    await closePage(session);
  });
}

test("fitted beside the form, a view hidden leaves the screen while the other stays", async () => {
  const session = await openOn(Screens[0]);
  const { page } = session;
  const motion = page.getByRole("region", { name: facts.motionTexts.WindowTitle });
  const events = page.getByRole("region", { name: facts.eventsTexts.WindowTitle });
  await page.keyboard.press("F2");
  await page.keyboard.press("F3");
  await motion.waitFor();
  await events.waitFor();
  await page.clock.runFor(100);
  await page.keyboard.press("F2");
  await page.clock.runFor(100);
  assert.ok(!(await motion.isVisible()), "the motion view hidden");
  assert.ok(await events.isVisible(), "the events view stays");
  await page.keyboard.press("F2");
  await page.keyboard.press("F3");
  await page.clock.runFor(100);
  assert.ok(!(await events.isVisible()), "the events view hidden");
  assert.ok(await motion.isVisible(), "the motion view stays");
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

test("the page fits the window again when it changes, sharp at any pixel ratio", async () => {
  const session = await openPage({
    fitted: true,
    viewport: { width: 1000, height: 700 },
    deviceScaleFactor: 1.5,
  });
  const { page } = session;
  await page.keyboard.press("F2");
  for (const [width, height] of [
    [1600, 900],
    [700, 1000],
    [1280, 720],
  ]) {
    await page.setViewportSize({ width, height });
    await page.keyboard.press("F2");
    await refitted(page);
    assertFills(await measure(page), `${width} x ${height}`);
    await page.keyboard.press("F2");
    const shown = await measure(page);
    assert.ok(shown.sideways <= 0, `${width} x ${height} with the view`);
    await page.clock.runFor(StepMs);
    const sharp = await page.locator("canvas").evaluateAll((canvases) =>
      canvases.map((canvas) => {
        const graph = /** @type {HTMLCanvasElement} */ (canvas);
        return [graph.width, Math.round(graph.clientWidth * 1.5)];
      }),
    );
    for (const [pixels, wanted] of sharp) assert.equal(pixels, wanted);
  }
  await closePage(session);
});

test("pinching zooms the page at either size", async () => {
  const session = await openPage({ fitted: true, hasTouch: true, isMobile: true });
  const viewport = await session.page.locator('meta[name="viewport"]').getAttribute("content");
  assert.match(viewport ?? "", /width=device-width/);
  assert.doesNotMatch(viewport ?? "", /user-scalable|maximum-scale/);
  const blocked = await session.page.evaluate(
    () =>
      [...document.querySelectorAll("*")].filter((element) =>
        ["none", "pan-x", "pan-y"].includes(getComputedStyle(element).touchAction),
      ).length,
  );
  assert.equal(blocked, 0);
  await closePage(session);
});

test("a tool switches to the original size and back, stores nothing and keeps the address", async () => {
  const session = await openPage({ fitted: true, viewport: { width: 1366, height: 768 } });
  const { page } = session;
  const toggle = page.getByRole("button", { name: texts.FitToWindow });
  assert.equal(await toggle.getAttribute("aria-pressed"), "true");
  await toggle.click();
  assert.equal(await toggle.getAttribute("aria-pressed"), "false");
  const original = await measure(page);
  assert.deepEqual([original.form.width, original.form.height], [form.width, form.height]);
  await toggle.click();
  assertFills(await measure(page), "fitted again");
  assert.equal(page.url(), PageFile);
  const state = await session.context.storageState();
  assert.deepEqual(state.cookies, []);
  assert.ok(state.origins.every((origin) => origin.localStorage.length === 0));
  await closePage(session);
});

test("at the original size the page opens with the tools released, and fits at a press", async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  const toggle = page.getByRole("button", { name: texts.FitToWindow });
  assert.equal(await toggle.getAttribute("aria-pressed"), "false");
  assert.equal((await measure(page)).form.width, form.width);
  await toggle.press("Space");
  assertFills(await measure(page), "fitted");
  await closePage(session);
});

test("full screen at a press, where the browser has it", async () => {
  const session = await openPage({ fitted: true, viewport: { width: 1366, height: 768 } });
  const { page } = session;
  const button = page.getByRole("button", { name: texts.FullScreen });
  assert.equal(await button.getAttribute("aria-pressed"), "false");
  /** @param {boolean} full */
  const shows = (full) =>
    page.waitForFunction(
      ([full, name]) =>
        (document.fullscreenElement === document.documentElement) === full &&
        [...document.querySelectorAll("button")].some(
          (button) =>
            button.textContent === name && button.getAttribute("aria-pressed") === String(full),
        ),
      /** @type {[boolean, string]} */ ([full, texts.FullScreen]),
    );
  await button.click();
  await shows(true);
  await button.click();
  await shows(false);
  await closePage(session);
});

test("the help says the colours and the keys in the core's words; F1, ? and Escape", async () => {
  const session = await openPage({ fitted: true, viewport: { width: 1366, height: 768 } });
  const { page } = session;
  const { help } = facts;
  const dialog = page.getByRole("dialog", { name: help.title });
  const first = floorButton(page, 5);
  await first.focus();
  await page.keyboard.press("F1");
  await dialog.waitFor();
  const text = await dialog.innerText();
  for (const colour of help.colours) assert.ok(text.includes(`${colour.name}: ${colour.meaning}`));
  for (const key of help.keys) assert.ok(text.includes(key.keys) && text.includes(key.does));
  assert.ok(text.includes(help.grilleRule));
  const swatches = await dialog
    .locator(".help-swatch")
    .evaluateAll((spans) => spans.map((span) => getComputedStyle(span).backgroundColor));
  assert.deepEqual(swatches, ["rgb(0, 255, 0)", "rgb(255, 128, 128)", "rgb(128, 128, 255)"]);
  // The page's keys wait behind it: Escape closes only the help.
  await page.keyboard.press("F2");
  await page.keyboard.press("Escape");
  assert.ok(!(await dialog.isVisible()));
  assert.ok(
    await first.evaluate((button) => button === document.activeElement),
    "the focus is back",
  );
  assert.equal(await page.getByRole("region").count(), 0, "F2 did nothing behind the help");

  await page.getByRole("button", { name: texts.Help }).click();
  assert.ok(await dialog.isVisible());
  await dialog.getByRole("button", { name: help.close }).click();
  assert.ok(!(await dialog.isVisible()));
  await closePage(session);
});
