// The events view for the page's tests: finding it and its parts, scripts
// played as the user and the timer would play them, the rows read back
// through the grid as a keyboard user moves through them, with the colours
// the drawing beside it shows, and the native lodarix-replay to hold them to.
import { spawnSync } from "node:child_process";
import { existsSync } from "node:fs";
import { StepMs, floorButton, grilleButton } from "./browser.js";
import { pageFacts } from "./page_facts.js";
import { requiredPath } from "./paths.js";

/** @param {import("playwright-core").Page} page */
export const eventsView = (page) => page.getByRole("region", { name: "Lodarix - събития" });
/** @param {import("playwright-core").Page} page */
export const eventsGrid = (page) =>
  eventsView(page).getByRole("grid", { name: "Събития и променливи" });

/**
 * The native tool's standard output for the script.
 * @param {string[]} args
 * @param {string | Buffer} script
 */
export function nativeReplay(args, script) {
  const tool = requiredPath("LODARIX_NATIVE_REPLAY");
  if (!existsSync(tool))
    throw new Error(`${tool} is missing: build lodarix-replay with the dev preset first`);
  return spawnSync(tool, args, { input: script }).stdout;
}

/**
 * The tool's state lines for the script.
 * @param {string} script
 * @returns {{ command: string, current: number, target: number, timer: boolean,
 *   grille: string, colors: string[], status: string }[]}
 */
export function stateLines(script) {
  return nativeReplay([], script)
    .toString("utf8")
    .split("\n")
    .filter(Boolean)
    .map((line) => JSON.parse(line));
}

/**
 * A seeded script of commands only, as a user could play them.
 * @param {number} seed
 * @param {number} count
 */
export function randomCommands(seed, count) {
  let state = seed;
  const random = (/** @type {number} */ below) => {
    state = (state * 48271) % 2147483647;
    return state % below;
  };
  const lines = [];
  for (let n = 0; n < count; ++n) {
    const kind = random(10);
    lines.push(
      kind < 2 ? "close" : kind < 3 ? "open" : kind < 5 ? `pick ${1 + random(11)}` : "tick",
    );
  }
  return `${lines.join("\n")}\n`;
}

/**
 * Plays the script's commands with real clicks and the page's clock. The
 * controls stand still while it plays, so each is found once and then
 * clicked at its centre.
 * @param {import("playwright-core").Page} page
 * @param {string} script
 */
export async function playScript(page, script) {
  /** @type {Map<string, { x: number, y: number }>} */
  const centres = new Map();
  /** @param {string} command @param {import("playwright-core").Locator} control */
  const click = async (command, control) => {
    let centre = centres.get(command);
    if (!centre) {
      const box = await control.boundingBox();
      if (!box) throw new Error(`${command}: its control is not shown`);
      centre = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
      centres.set(command, centre);
    }
    await page.mouse.click(centre.x, centre.y);
  };
  for (const raw of script.split("\n")) {
    const line = raw.trim();
    if (!line || line.startsWith("#")) continue;
    if (line === "close" || line === "open")
      await click(line, grilleButton(page, line === "close"));
    else if (line.startsWith("pick")) await click(line, floorButton(page, Number(line.slice(5))));
    else await page.clock.runFor(StepMs);
  }
}

/** Each floor button's rectangle in the form's pixels, floor 1 first. */
export function floorButtonRects() {
  const { controls } = pageFacts().form;
  const frame = controls.find((control) => control.name === "Frame2");
  if (!frame) throw new Error("the form has no floor buttons' frame");
  return controls
    .filter((control) => control.name === "Option1")
    .sort((a, b) => Number(a.index) - Number(b.index))
    .map((control) => ({
      left: frame.rect.left + control.rect.left,
      top: frame.rect.top + control.rect.top,
      width: control.rect.width,
      height: control.rect.height,
    }));
}

/**
 * The current row as the grid shows it, and the floor buttons' colours as
 * the drawing beside it shows them: the colour most of each button's pixels have.
 * @param {import("playwright-core").Page} page
 * @returns {Promise<{ cells: string[], colors: string[], row: string | null }>}
 */
export function currentRow(page) {
  return page.evaluate((rects) => {
    const grid = /** @type {HTMLElement} */ (document.querySelector("[role=grid]"));
    const id = grid.getAttribute("aria-activedescendant");
    const row = id ? document.getElementById(id) : null;
    const cells = row ? [...row.children].map((cell) => cell.textContent ?? "") : [];
    const canvas = /** @type {HTMLCanvasElement} */ (document.querySelector(".events-sketch"));
    const box = canvas.getBoundingClientRect();
    const ratio = canvas.width / box.width;
    const scale = Math.min(box.width / 461, box.height / 345) * ratio;
    const left = ((box.width - (461 * scale) / ratio) / 2) * ratio;
    const top = ((box.height - (345 * scale) / ratio) / 2) * ratio;
    // A copy of the drawing of its own, read once.
    const copy = document.createElement("canvas");
    copy.width = canvas.width;
    copy.height = canvas.height;
    const context = /** @type {CanvasRenderingContext2D} */ (
      copy.getContext("2d", { willReadFrequently: true })
    );
    context.drawImage(canvas, 0, 0);
    const hex = (/** @type {number} */ value) => value.toString(16).padStart(2, "0");
    const colors = rects.map((rect) => {
      const x = Math.round(left + rect.left * scale);
      const y = Math.round(top + rect.top * scale);
      const data = context.getImageData(
        x,
        y,
        Math.round(rect.width * scale),
        Math.round(rect.height * scale),
      ).data;
      /** @type {Map<string, number>} */
      const counts = new Map();
      for (let at = 0; at < data.length; at += 4) {
        const color = `#${hex(data[at])}${hex(data[at + 1])}${hex(data[at + 2])}`.toUpperCase();
        counts.set(color, (counts.get(color) ?? 0) + 1);
      }
      return [...counts].sort((a, b) => b[1] - a[1])[0][0];
    });
    return { cells, colors, row: row?.getAttribute("aria-rowindex") ?? null };
  }, floorButtonRects());
}

/**
 * Every row of the grid, first to last, as a keyboard user reaches them.
 * @param {import("playwright-core").Page} page
 */
export async function allRows(page) {
  await eventsGrid(page).focus();
  await page.keyboard.press("Home");
  const count = Number(await eventsGrid(page).getAttribute("aria-rowcount")) - 1;
  const rows = [];
  for (let row = 0; row < count; ++row) {
    if (row > 0) await page.keyboard.press("ArrowDown");
    rows.push(await currentRow(page));
  }
  return rows;
}

/**
 * The status text after each row, from what each wrote: "= text" replaced
 * the box's text, "+ text" appended to it; ↵ is a line end.
 * @param {string} before the text before the first row
 * @param {string[]} written the rows' status cells
 */
export function statusTexts(before, written) {
  let text = before;
  return written.map((cell) => {
    const value = cell.slice(2).replaceAll("↵", "\r\n");
    if (cell.startsWith("= ")) text = value;
    else if (cell.startsWith("+ ")) text += value;
    return text;
  });
}

/**
 * Which of the tool's state lines made a row: a command that ran code, or
 * changed the grille.
 * @param {ReturnType<typeof stateLines>} lines
 */
export function linesWithRows(lines) {
  return lines.filter((line, at) => {
    if (at === 0) return true;
    const before = lines[at - 1];
    if (line.command === "tick") return before.timer;
    if (line.command === "close" || line.command === "open") return line.grille !== before.grille;
    return true;
  });
}
