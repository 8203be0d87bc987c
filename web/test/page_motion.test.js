// The motion view of the page on the page's own clock: F2 and Escape, the
// graphs drawn after a trip and their text alternatives, the trips table,
// the teacher's pause, step and continue against the status text, the
// interval's cadence, and the keys from the view's controls; the Tab order,
// and a long lesson drawn whole.
import { test } from "node:test";
import assert from "node:assert/strict";
import { StepMs, closePage, openPage, pick, statusText } from "./support/browser.js";
import { showLongRecord } from "./support/long_record.js";
import { pageFacts } from "./support/page_facts.js";

/** @param {import("playwright-core").Page} page */
const view = (page) => page.getByRole("region", { name: "Lodarix - графика на движението" });
/** @param {import("playwright-core").Page} page */
const pauseButton = (page) => view(page).getByRole("button", { name: /^(Пауза|Продължи)$/ });
/** @param {import("playwright-core").Page} page */
const clockText = (page) => view(page).locator(".motion-clock").first().textContent();

const { colors } = pageFacts().motionGraph;

/**
 * A graph line's colour ("#RRGGBB") as numbers.
 * @param {string} color
 */
const rgb = (color) => [1, 3, 5].map((digit) => parseInt(color.slice(digit, digit + 2), 16));

/**
 * How many pixels of a graph's canvas are near the colour of its line, as
 * the middle of a line two pixels wide is.
 * @param {import("playwright-core").Page} page
 * @param {string} name
 * @param {string} color
 */
const linePixels = (page, name, color) =>
  page.getByRole("img", { name }).evaluate((canvas, wanted) => {
    const graph = /** @type {HTMLCanvasElement} */ (canvas);
    const context = /** @type {CanvasRenderingContext2D} */ (graph.getContext("2d"));
    const data = context.getImageData(0, 0, graph.width, graph.height).data;
    let count = 0;
    for (let at = 0; at < data.length; at += 4)
      if (wanted.every((value, channel) => Math.abs(data[at + channel] - value) < 40)) ++count;
    return count;
  }, rgb(color));

/** Lines of the status text. @param {import("playwright-core").Page} page */
const lines = async (page) => (await statusText(page)).split("\n").filter(Boolean).length;

test("F2 shows the view beside the form and hides it again, as do Escape and its control", async () => {
  const session = await openPage({ viewport: { width: 1300, height: 900 } });
  const { page } = session;
  assert.ok(!(await view(page).isVisible()));
  await page.keyboard.press("F2");
  await view(page).waitFor();
  const form = await page.locator(".form").boundingBox();
  const box = await view(page).boundingBox();
  assert.ok(form && box && box.x >= form.x + form.width, "beside the form");
  await page.keyboard.press("F2");
  assert.ok(!(await view(page).isVisible()));
  await page.getByRole("button", { name: "Графика на движението" }).click();
  assert.ok(await view(page).isVisible());
  await pauseButton(page).focus();
  await page.keyboard.press("Escape");
  assert.ok(!(await view(page).isVisible()));
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

test("on a narrow screen the view goes below the form", async () => {
  const session = await openPage({ viewport: { width: 600, height: 900 } });
  const { page } = session;
  await page.keyboard.press("F2");
  await view(page).waitFor();
  const form = await page.locator(".form").boundingBox();
  const box = await view(page).boundingBox();
  assert.ok(form && box && box.y >= form.y + form.height, "below the form");
  await closePage(session);
});

test("after a trip the graphs draw it, and the table and descriptions tell it", async () => {
  const session = await openPage({ viewport: { width: 1300, height: 1000 } });
  const { page } = session;
  await page.keyboard.press("F2");
  await view(page).waitFor();
  const position = "Графика на положението: етаж във времето";
  const speed = "Графика на скоростта: скорост във времето";
  await page.clock.runFor(100);
  const blankPosition = await linePixels(page, position, colors.position);
  const blankSpeed = await linePixels(page, speed, colors.speed);
  await pick(page, 4);
  await page.clock.runFor(3 * StepMs + 100);
  assert.ok(
    (await linePixels(page, position, colors.position)) > blankPosition + 50,
    "the position graph draws",
  );
  assert.ok(
    (await linePixels(page, speed, colors.speed)) > blankSpeed + 50,
    "the speed graph draws",
  );
  const summary = "Курс 1: от етаж 1 до етаж 4, 3 етажа за 2,4 s";
  assert.equal(
    await page.getByRole("img", { name: position }).getAttribute("aria-description"),
    summary,
  );
  assert.equal(
    await page.getByRole("img", { name: speed }).getAttribute("aria-description"),
    `${summary}; средна скорост 3,75 m/s`,
  );
  const table = view(page).getByRole("table", { name: "Курсове" });
  assert.deepEqual(await table.getByRole("columnheader").allTextContents(), [
    "№",
    "От етаж",
    "До етаж",
    "Етажи",
    "Време, s",
    "Средна скорост, m/s",
    "Бележка",
  ]);
  assert.deepEqual(await table.locator("tbody tr").first().locator("td").allTextContents(), [
    "1",
    "1",
    "4",
    "3",
    "2,4",
    "3,75",
    "",
  ]);
  const height = view(page).getByRole("spinbutton", { name: "Височина на етаж, m" });
  await height.fill("4");
  await height.dispatchEvent("change");
  await page.clock.runFor(50);
  assert.equal(await table.locator("tbody td").nth(5).textContent(), "5,00");
  assert.match(
    (await view(page).locator(".motion-clock").nth(1).textContent()) ?? "",
    /^Курс 1: 2,4 s \(завършен\)$/,
  );
  await closePage(session);
});

test("pause holds the steps and the clock, step runs one, continue comes one interval later", async () => {
  const session = await openPage();
  const { page } = session;
  await page.keyboard.press("F2");
  await pick(page, 8);
  await page.clock.runFor(StepMs);
  assert.equal(await lines(page), 3);
  await pauseButton(page).focus();
  await page.keyboard.press("p");
  assert.equal(await pauseButton(page).textContent(), "Продължи");
  await page.clock.runFor(50);
  const held = await clockText(page);
  assert.match(held ?? "", /^t = [\d,]+ s \(пауза\)$/);
  await page.clock.runFor(5 * StepMs);
  assert.equal(await lines(page), 3, "no step while paused");
  assert.equal(await clockText(page), held, "the model clock stands");
  await page.keyboard.press("s");
  assert.equal(await lines(page), 4, "one step by hand");
  await page.clock.runFor(50);
  const after = (await clockText(page)) ?? "";
  const seconds = (/** @type {string} */ text) =>
    Number(/t = ([\d,]+)/.exec(text)?.[1].replace(",", "."));
  assert.equal(
    Math.round((seconds(after) - seconds(held ?? "")) * 10),
    8,
    "a step takes one interval",
  );
  await view(page).getByRole("button", { name: "Стъпка" }).focus();
  await page.keyboard.press("Pause");
  assert.equal(await pauseButton(page).textContent(), "Пауза");
  await page.clock.runFor(StepMs - 1);
  assert.equal(await lines(page), 4, "no step before a full interval");
  await page.clock.runFor(1);
  assert.equal(await lines(page), 5);
  await page.keyboard.press("s");
  assert.equal(await lines(page), 5, "no step by hand while running");

  await page.keyboard.press("p");
  await page.keyboard.press("F2");
  assert.ok(!(await view(page).isVisible()));
  await page.clock.runFor(StepMs);
  assert.equal(await lines(page), 6, "hiding the view lets the steps go on");
  await closePage(session);
});

test("the interval sets the cadence, within 200 to 2000 ms", async () => {
  const session = await openPage();
  const { page } = session;
  await page.keyboard.press("F2");
  const interval = view(page).getByRole("spinbutton", { name: "Интервал, ms" });
  assert.equal(await interval.inputValue(), "800");
  await interval.fill("300");
  await interval.dispatchEvent("change");
  await pick(page, 11);
  await page.clock.runFor(300 * 3);
  assert.equal(await lines(page), 5);
  await interval.fill("50");
  await interval.dispatchEvent("change");
  assert.equal(await interval.inputValue(), "200");
  await page.clock.runFor(199);
  assert.equal(await lines(page), 5);
  await page.clock.runFor(1);
  assert.equal(await lines(page), 6);
  await interval.fill("9000");
  await interval.dispatchEvent("change");
  assert.equal(await interval.inputValue(), "2000");
  await page.clock.runFor(1999);
  assert.equal(await lines(page), 6);
  await page.clock.runFor(1);
  assert.equal(await lines(page), 7);
  await closePage(session);
});

test("Tab goes through the view's controls in the order they stand, Shift+Tab back", async () => {
  const session = await openPage({ viewport: { width: 1300, height: 1000 } });
  const { page } = session;
  await page.getByRole("button", { name: "Графика на движението" }).click();
  await pauseButton(page).click();
  const focused = () =>
    page.evaluate(() => {
      const element = /** @type {HTMLElement | null} */ (document.activeElement);
      const inView = !!element?.closest(".motion-view");
      const name =
        element?.getAttribute("aria-label") ??
        element?.closest("label")?.textContent ??
        element?.textContent ??
        "";
      const { x, y, width, height } = element?.getBoundingClientRect() ?? new DOMRect();
      return { inView, name, x, y, width, height };
    });
  /** @type {Awaited<ReturnType<typeof focused>>[]} */
  const forward = [];
  for (let at = await focused(); at.inView; at = await focused()) {
    forward.push(at);
    await page.keyboard.press("Tab");
  }
  assert.deepEqual(
    forward.map(({ name }) => name),
    [
      "Продължи",
      "Стъпка",
      "Интервал, ms",
      "Височина на етаж, m",
      "Цялата сесия",
      "Графика на положението: етаж във времето",
      "Графика на скоростта: скорост във времето",
      "Курсове",
      "Запази за електронна таблица…",
      "Запази CSV…",
      "Запази изображение…",
    ],
  );
  const reachable = await view(page)
    .locator("button:not([disabled]), input, [tabindex]:not([tabindex='-1'])")
    .count();
  assert.equal(forward.length, reachable, "every control of the view is reached");
  forward.slice(1).forEach((next, at) => {
    const before = forward[at];
    const belowIt = next.y >= before.y + before.height - 1;
    const rightOfIt = next.y < before.y + before.height && next.x >= before.x + before.width - 1;
    assert.ok(belowIt || rightOfIt, `${next.name} stands after ${before.name}`);
  });
  const backward = [];
  for (let i = 0; i < forward.length; ++i) {
    await page.keyboard.press("Shift+Tab");
    backward.push((await focused()).name);
  }
  assert.deepEqual(backward, forward.map(({ name }) => name).reverse());
  await closePage(session);
});

test("a long lesson over the whole session fills every pixel column of both graphs", async () => {
  const session = await openPage({ viewport: { width: 1300, height: 1000 } });
  const { page } = session;
  await showLongRecord(page, { rows: 20_000, width: 600, height: 300 });
  const lineColors = { position: rgb(colors.position), speed: rgb(colors.speed) };
  const columns = await page.evaluate((lineColors) => {
    const { view } = /** @type {any} */ (globalThis).longRecord;
    view.wholeSession.checked = true;
    /** @type {Record<string, {top: number, bottom: number}[]>} */
    const reach = {};
    for (const kind of ["position", "speed"]) {
      view.drawGraph(kind);
      const canvas = kind === "position" ? view.positionGraph : view.speedGraph;
      const { width, height } = canvas;
      const data = canvas.getContext("2d").getImageData(0, 0, width, height).data;
      const wanted = lineColors[/** @type {"position" | "speed"} */ (kind)];
      reach[kind] = [];
      for (let x = 0; x < width; ++x) {
        let top = -1;
        let bottom = -1;
        for (let y = 0; y < height; ++y) {
          const at = (y * width + x) * 4;
          if (wanted.every((value, channel) => Math.abs(data[at + channel] - value) < 40)) {
            if (top < 0) top = y;
            bottom = y;
          }
        }
        reach[kind].push({ top, bottom });
      }
    }
    return reach;
  }, lineColors);
  // The plot lies within the margins of 44 px left, 10 right, 10 top and
  // 30 bottom: floors 1 to 11 over its 260 px from 0,5 to 11,5, the speed
  // of 3,75 m/s each way within ±4 m/s.
  const spans = { position: { top: 23, bottom: 257 }, speed: { top: 20, bottom: 260 } };
  for (const [kind, reach] of Object.entries(columns)) {
    const plot = reach.slice(46, reach.length - 12);
    const empty = plot.filter(({ top }) => top < 0).length;
    assert.equal(empty, 0, `${kind}: no column of the session left blank`);
    const { top: highest, bottom: lowest } = spans[/** @type {"position" | "speed"} */ (kind)];
    const full = plot.filter(({ top, bottom }) => top <= highest && bottom >= lowest).length;
    assert.ok(full > plot.length * 0.9, `${kind}: ${full} of ${plot.length} columns span it all`);
  }
  await closePage(session);
});

// What a teacher types, then Tab: the same values as the desktop's fields
// show for the same typing.
const typed = [
  ["Интервал, ms", "850", "850"],
  ["Интервал, ms", "150", "200"],
  ["Интервал, ms", "2500", "2000"],
  ["Интервал, ms", "", "800"],
  ["Интервал, ms", "abc", "800"],
  ["Височина на етаж, m", "3.05", "3,1"],
  ["Височина на етаж, m", "3,05", "3,1"],
  ["Височина на етаж, m", "2", "2,5"],
  ["Височина на етаж, m", "", "3,0"],
  ["Височина на етаж, m", "x", "3,0"],
];

test("typed values are read by the core's rule, and the arrows step from them", async () => {
  const session = await openPage();
  const { page } = session;
  await page.keyboard.press("F2");
  for (const [name, text, shown] of typed) {
    const field = view(page).getByRole("spinbutton", { name });
    const before = await field.inputValue();
    await field.fill(text);
    await page.keyboard.press("Tab");
    assert.equal(await field.inputValue(), shown, `${name}: "${text}"`);
    await field.fill(before);
    await page.keyboard.press("Tab");
  }
  const interval = view(page).getByRole("spinbutton", { name: "Интервал, ms" });
  await interval.fill("850");
  await interval.press("ArrowUp");
  assert.equal(await interval.inputValue(), "950");
  assert.equal(await interval.getAttribute("aria-valuenow"), "950");
  await interval.press("PageDown");
  assert.equal(await interval.inputValue(), "200");
  await closePage(session);
});
