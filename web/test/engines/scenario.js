// The page's lesson as every browser engine runs it, with the user's pointer
// and keyboard and the page's own clock: a pick refused while the grille is
// open, a trip up and a trip down, the grille opening on arrival; the floor
// buttons' colours and the edges of the buttons and frames read from the
// engine's own screenshot; F2 with both graphs drawn; the motion record
// saved as CSV and held to the native replay's; and no script error. Below
// the floor, the notice in place of the form. What differs between engines
// stays in their driver modules (engine.js); the controls are found by the
// names a screen reader gives them.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { pathToFileURL } from "node:url";
import { floorMarkers } from "../support/floor_markers.js";
import { decodePng } from "../support/png.js";
import { pageFacts } from "../support/page_facts.js";
import { requiredPath } from "../support/paths.js";
import { poll } from "./engine.js";

/** @typedef {import("./engine.js").Engine} Engine */

const PageUrl = pathToFileURL(requiredPath("LODARIX_PAGE")).href;
const facts = pageFacts();
const Up = "Асансьорът се качва!\n";
const Down = "Асансьорът слиза!\n";
const Last = "Последна спирка!\n";
const Refusal = "Затворете предпазната решетка!";
const GrilleClosed = "Предпазната решетка е затворена";
const Colour = { cabin: "#FF8080", target: "#8080FF", free: "#00FF00" };
const Roman = ["I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI"];
// The script of the lesson below, for the replay: the refused pick, two trips.
const Lesson = ["pick 6", "close", "pick 8", ...Array(7).fill("tick")];
const LessonDown = ["close", "pick 3", ...Array(5).fill("tick")];

/**
 * Runs in the page: where a control is, scrolled into view first, in CSS
 * pixels of the viewport; null while there is none.
 * @param {{ selector: string, text?: string }} control
 */
function placeOf({ selector, text }) {
  const element = [...document.querySelectorAll(selector)].find(
    (one) => text === undefined || one.textContent === text,
  );
  if (!element) return null;
  element.scrollIntoView({ block: "nearest", inline: "nearest" });
  const box = element.getBoundingClientRect();
  return { left: box.left, top: box.top, width: box.width, height: box.height };
}

/**
 * Runs in the page: the status text, whether the grille is open, and
 * whether the page is ready or shows its notice.
 */
function lessonState() {
  const box = document.querySelector('[role=textbox][aria-label="Съобщения"]');
  const open = [...document.querySelectorAll(".option-button")].find(
    (label) => label.textContent === "Предпазната решетка е отворена",
  );
  return {
    ready: document.body.dataset.ready === "true",
    notice: document.getElementById("lodarix-notice")?.textContent ?? null,
    status: box?.textContent ?? "",
    grilleOpen: open?.querySelector("input")?.checked ?? false,
  };
}

/**
 * Runs in the page: the floor buttons' and the frames' rectangles, the
 * frames' colours, and the scale from CSS to screenshot pixels.
 */
function formGeometry() {
  /** @param {Element} element */
  const rect = (element) => {
    const box = element.getBoundingClientRect();
    return { left: box.left, top: box.top, width: box.width, height: box.height };
  };
  const floors = [...document.querySelectorAll("[role=radio][aria-description]")]
    .map((button) => ({
      floor: Number(/^Етаж (\d+),/.exec(button.getAttribute("aria-label") ?? "")?.[1]),
      rect: rect(button),
    }))
    .sort((a, b) => a.floor - b.floor)
    .map((one) => one.rect);
  const frames = [...document.querySelectorAll(".frame")].map((frame) => ({
    rect: rect(frame),
    face: getComputedStyle(frame).backgroundColor,
  }));
  return { floors, frames, viewportWidth: document.documentElement.clientWidth };
}

/**
 * Runs in the page: how many pixels of each graph have the colour of its
 * line, once the motion view shows.
 * @param {string[]} lines "#RRGGBB" of each graph's line, in the view's order
 */
function graphLinePixels(lines) {
  const view = /** @type {HTMLElement | null} */ (document.querySelector(".motion-view"));
  if (!view || view.hidden) return null;
  return [...view.querySelectorAll("canvas")].map((canvas, graph) => {
    const line = [1, 3, 5].map((at) => parseInt(lines[graph].slice(at, at + 2), 16));
    const context = /** @type {CanvasRenderingContext2D} */ (canvas.getContext("2d"));
    const { data } = context.getImageData(0, 0, canvas.width, canvas.height);
    let count = 0;
    for (let at = 0; at < data.length; at += 4)
      if (data[at] === line[0] && data[at + 1] === line[1] && data[at + 2] === line[2]) ++count;
    return count;
  });
}

/**
 * @param {Engine} engine
 * @param {{ selector: string, text?: string }} control
 */
async function clickOn(engine, control) {
  const place = await poll(() => engine.evaluate(placeOf, control), JSON.stringify(control));
  await engine.click(place.left + place.width / 2, place.top + place.height / 2);
}

/** @param {number} floor */
const floorButton = (floor) => ({ selector: `[role=radio][aria-label^="Етаж ${floor},"]` });
const grilleClosed = { selector: ".option-button", text: GrilleClosed };

/**
 * The lesson's state, with the floor buttons' markers (floor_markers.js).
 * @typedef {ReturnType<typeof lessonState> & { markers: string }} LessonState
 */

/**
 * @param {Engine} engine
 * @param {(state: LessonState) => boolean} holds
 * @param {string} what
 */
async function until(engine, holds, what) {
  /** @type {LessonState | undefined} */
  let last;
  try {
    return await poll(async () => {
      const state = /** @type {ReturnType<typeof lessonState>} */ (
        await engine.evaluate(lessonState)
      );
      // The markers after the rest: by then they show what the state waited for.
      const now = {
        ...state,
        markers: /** @type {string} */ (await engine.evaluate(floorMarkers)),
      };
      last = now;
      return holds(now) && now;
    }, what);
  } catch (error) {
    throw new Error(`${/** @type {Error} */ (error).message}; the page: ${JSON.stringify(last)}`);
  }
}

/** @param {number} from @param {number} to floors 1 to 11 */
function tripText(from, to) {
  const floors = [];
  for (let floor = from; floor !== to; floor += to > from ? 1 : -1) floors.push(floor);
  floors.push(to);
  return `${to > from ? Up : Down}${floors.map((floor) => `Етаж ${Roman[floor - 1]}\n`).join("")}${Last}`;
}

/**
 * "#RRGGBB" of a colour mixed with black or white, as the page's edges are.
 * @param {number[]} rgb
 * @param {number} share of the colour
 * @param {number} other 0 for black, 255 for white
 */
function mixed(rgb, share, other) {
  return rgb.map((channel) => Math.round(channel * share + other * (1 - share)));
}

/** @param {string} hex "#RRGGBB" */
const channels = (hex) => [1, 3, 5].map((at) => parseInt(hex.slice(at, at + 2), 16));

/**
 * @param {string} seen "#RRGGBB"
 * @param {number[]} expected
 * @param {string} what
 */
function assertNear(seen, expected, what) {
  const off = channels(seen).map((channel, at) => Math.abs(channel - expected[at]));
  assert.ok(Math.max(...off) <= 3, `${what}: ${seen}, not ${JSON.stringify(expected)}`);
}

/**
 * The floor buttons' colours during a trip up to floor 8, and the edges of
 * a free floor's button and of the frames, from the engine's screenshot.
 * @param {Engine} engine
 */
async function checkColours(engine) {
  const geometry = await engine.evaluate(formGeometry);
  // What the page shows now, painted: two frames on (WebKit's screenshot is
  // the last frame painted).
  await engine.evaluate(
    () => new Promise((painted) => requestAnimationFrame(() => requestAnimationFrame(painted))),
  );
  const picture = decodePng(await engine.screenshot());
  const scale = picture.width / geometry.viewportWidth;
  /** @typedef {{ left: number, top: number, width: number, height: number }} Rect */
  /** @param {Rect} rect */
  const inside = (rect) => ({
    left: (rect.left + 3) * scale,
    top: (rect.top + 3) * scale,
    width: (rect.width - 6) * scale,
    height: (rect.height - 6) * scale,
  });
  const faces = geometry.floors.map((/** @type {Rect} */ rect) => picture.dominant(inside(rect)));
  assert.equal(faces.length, 11);
  assert.equal(faces[7], Colour.target, "the final stop");
  const cabin = faces.indexOf(Colour.cabin);
  assert.ok(cabin >= 0 && cabin < 7, `the cabin on its way: ${faces}`);
  faces.forEach((/** @type {string} */ face, /** @type {number} */ at) => {
    if (at !== 7 && at !== cabin) assert.equal(face, Colour.free, `floor ${at + 1}: ${faces}`);
  });
  /** The pixel that covers a point given in CSS pixels. @param {number} x @param {number} y */
  const pixel = (x, y) => picture.at(Math.floor(x * scale), Math.floor(y * scale));
  // A raised edge: light at the top left, dark at the bottom right.
  const free = geometry.floors[9];
  const green = channels(Colour.free);
  assertNear(pixel(free.left + 0.5, free.top + 0.5), mixed(green, 0.4, 255), "light edge");
  const [right, bottom] = [free.left + free.width - 0.5, free.top + free.height - 0.5];
  assertNear(pixel(right, bottom), mixed(green, 0.45, 0), "dark edge");
  for (const { rect, face } of geometry.frames) {
    const rgb = (/rgb\((\d+), (\d+), (\d+)\)/.exec(face) ?? []).slice(1).map(Number);
    const edge = pixel(rect.left + rect.width / 2, rect.top + 0.5);
    assertNear(edge, mixed(rgb, 0.71, 0), `the edge of a frame of ${face}`);
  }
}

/**
 * The CSV the page saved against the replay of the same lesson: the same
 * rows, event for event, and the steps of a trip one interval apart.
 * @param {Buffer} bytes
 */
function checkCsv(bytes) {
  const replay = execFileSync(process.execPath, [requiredPath("LODARIX_REPLAY_NODE"), "--motion"], {
    input: [...Lesson, ...LessonDown, ""].join("\n"),
    encoding: "utf8",
  });
  const rows = (/** @type {string} */ text) =>
    text
      .trimEnd()
      .split("\n")
      .map((row) => row.split(","));
  const saved = rows(bytes.toString("utf8"));
  const expected = rows(replay);
  assert.deepEqual(saved[0], expected[0], "the header");
  assert.deepEqual(
    saved.slice(1).map((row) => row.slice(1)),
    expected.slice(1).map((row) => row.slice(1)),
  );
  for (let at = 2; at < saved.length; ++at) {
    if (saved[at][3] === "pick") continue;
    const apart = Number(saved[at][0]) - Number(saved[at - 1][0]);
    if (saved[at - 1][3] !== "pick")
      assert.ok(Math.abs(apart - 0.8) < 0.0015, `row ${at}: ${apart} s`);
  }
}

/**
 * Waits until the page the engine opened has started, and not with its notice.
 * @param {Engine} engine
 */
export async function pageStarted(engine) {
  const started = await until(engine, (state) => state.ready || state.notice !== null, "the start");
  assert.equal(started.notice, null, "the page started");
}

/**
 * A trip by the user's clicks: the grille closed, a floor picked, and the
 * status text of the trip once it arrives, where the grille opens.
 * @param {Engine} engine
 * @param {number} from the cabin's floor
 * @param {number} to
 */
export async function tripBetween(engine, from, to) {
  await clickOn(engine, grilleClosed);
  await until(engine, (now) => !now.grilleOpen, "the grille closed");
  await clickOn(engine, floorButton(to));
  const state = await until(
    engine,
    (now) => now.status.endsWith(Last),
    `the arrival at floor ${to}`,
  );
  assert.equal(state.status, tripText(from, to));
  assert.ok(state.grilleOpen, "the grille opens on arrival");
  return state;
}

/**
 * The whole lesson in one engine.
 * @param {Engine} engine
 */
export async function runLesson(engine) {
  await engine.open(PageUrl);
  await pageStarted(engine);

  await clickOn(engine, floorButton(6));
  let state = await until(engine, (now) => now.status === Refusal, "the refusal");
  assert.equal(state.markers, "ciiiiiiiiii");

  await clickOn(engine, grilleClosed);
  await until(engine, (now) => !now.grilleOpen, "the grille closed");
  await clickOn(engine, floorButton(8));
  await until(engine, (now) => now.markers[7] === "t", "the trip up");
  await checkColours(engine);
  state = await until(engine, (now) => now.status.endsWith(Last), "the arrival at floor 8");
  assert.equal(state.status, tripText(1, 8));
  assert.equal(state.markers, "iiiiiiiciii");
  assert.ok(state.grilleOpen, "the grille opens on arrival");

  state = await tripBetween(engine, 8, 3);
  assert.equal(state.markers, "iiciiiiiiii");

  await engine.press("F2");
  const lines = await poll(async () => {
    const { position, speed } = facts.motionGraph.colors;
    const counts = await engine.evaluate(graphLinePixels, [position, speed]);
    /** @type {number[] | null} */
    const seen = counts;
    return seen && seen.length === 2 && seen.every((count) => count > 20) && seen;
  }, "both graphs drawn");
  assert.equal(lines.length, 2);

  const saved = await engine.download(() =>
    clickOn(engine, { selector: ".motion-view button", text: facts.motionTexts.SaveCsv }),
  );
  assert.equal(saved.name, "lodarix-motion.csv");
  checkCsv(saved.bytes);

  await engine.press("Escape");
  await poll(
    () => engine.evaluate(() => document.querySelector(".motion-view")?.hasAttribute("hidden")),
    "the motion view hidden",
  );
  assert.deepEqual(await engine.problems(), [], "no script error");
}

/**
 * Below the floor: the notice in place of the form, saying what is missing
 * and what to do.
 * @param {Engine} engine
 * @param {string[]} missing the names of core/texts/page_texts.h it lacks
 */
export async function runBelowFloor(engine, missing) {
  await engine.open(PageUrl);
  const state = await until(engine, (now) => now.notice !== null, "the notice");
  const texts = facts.pageTexts;
  assert.equal(
    state.notice,
    `${texts.TooOld}${texts.Missing.replace("{}", missing.map((name) => texts[name]).join(", "))}${texts.WhatToDo}`,
  );
  const formShown = await engine.evaluate(() => {
    const form = document.querySelector(".form");
    return form !== null && form.getClientRects().length > 0;
  });
  assert.equal(formShown, false, "no form");
}
