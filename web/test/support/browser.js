// Debian's Chromium driven by playwright-core, for the page's tests: one
// browser for a test file, each test in a fresh context of its own. The
// page opens from disk, with the page's clock under the test's hand, and the
// session keeps every request the page made and every problem it reported.
import { after } from "node:test";
import { mkdtempSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import { chromium } from "playwright-core";
import { floorMarkers } from "./floor_markers.js";
import { requiredPath } from "./paths.js";
import { removeFolder } from "./folders.js";

// The page as a teacher opens it, fitted to the window, and at the original
// size: the desktop window's pixels, which the tests of the exact layout hold.
export const PageFile = pathToFileURL(requiredPath("LODARIX_PAGE")).href;
export const PageUrl = `${PageFile}?zoom=1`;
export const StepMs = 800;

/** @type {Promise<import("playwright-core").Browser> | undefined} */
let launched;
/** @type {string | undefined} */
let profiles;

// The browser starts with the first page a test file opens.
export function browser() {
  if (!launched) {
    // Playwright makes each browser's profile folder in the temporary folder.
    profiles = mkdtempSync(join(tmpdir(), "lodarix-chromium-"));
    process.env.TMPDIR = profiles;
    launched = chromium.launch({
      executablePath: "/usr/bin/chromium",
      headless: true,
      args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--disable-background-networking"],
    });
  }
  return launched;
}

after(async () => {
  if (launched) await (await launched).close();
  if (profiles) await removeFolder(profiles);
});

/**
 * @typedef {object} Session
 * @property {import("playwright-core").BrowserContext} context
 * @property {import("playwright-core").Page} page
 * @property {string[]} requests every URL the page asked for
 * @property {string[]} problems console errors and warnings, uncaught errors
 */

/**
 * @typedef {object} OpenOptions
 * @property {boolean} [realTime] the page's own clock, not the test's
 * @property {boolean} [fitted] fitted to the window, not at the original size
 * @property {(() => void) | string} [initScript] runs in the page before any of its own scripts
 * @property {string} [url] another page than the built one
 * @property {boolean} [unready] not to wait until the page is ready
 */

/**
 * Opens the page in a new context; the page's clock stands still until the
 * test runs it, unless realTime is set.
 * @param {import("playwright-core").BrowserContextOptions & OpenOptions} [options]
 * @returns {Promise<Session>}
 */
export async function openPage(options = {}) {
  const { realTime, fitted, initScript, url, unready, ...contextOptions } = options;
  const context = await (
    await browser()
  ).newContext({
    viewport: { width: 520, height: 400 },
    ...contextOptions,
  });
  const page = await context.newPage();
  if (initScript) await page.addInitScript(initScript);
  /** @type {string[]} */
  const requests = [];
  /** @type {string[]} */
  const problems = [];
  page.on("request", (request) => requests.push(request.url()));
  page.on("console", (message) => {
    if (message.type() === "error" || message.type() === "warning") problems.push(message.text());
  });
  page.on("pageerror", (error) => problems.push(error.message));
  if (!realTime) await page.clock.install();
  await page.goto(url ?? (fitted ? PageFile : PageUrl));
  if (unready) return { context, page, requests, problems };
  await page.waitForSelector("body[data-ready=true]");
  // From here on the page's time moves only when the test runs it: from a
  // second past the page's clock, taken again where a busy machine let that
  // second pass before the pause began.
  while (!realTime) {
    const nowMs = await page.evaluate(() => Date.now());
    try {
      await page.clock.pauseAt(nowMs + 1000);
      break;
    } catch (error) {
      if (!String(error).includes("Cannot fast-forward to the past")) throw error;
    }
  }
  return { context, page, requests, problems };
}

/**
 * A blank page of a new context, for a part of the page on its own.
 * @returns {Promise<Session>}
 */
export async function openBlankPage() {
  const context = await (await browser()).newContext({ viewport: { width: 520, height: 400 } });
  const page = await context.newPage();
  /** @type {string[]} */
  const problems = [];
  page.on("pageerror", (error) => problems.push(error.message));
  await page.setContent("<!doctype html><html lang=bg><body></body></html>");
  return { context, page, requests: [], problems };
}

/** @param {Session} session */
export async function closePage(session) {
  await session.context.close();
}

/**
 * The status box, found as a screen reader finds it.
 * @param {import("playwright-core").Page} page
 */
export function statusBox(page) {
  return page.getByRole("textbox", { name: "Съобщения", exact: true });
}

/**
 * The status text as the browser reads what the box draws, line feeds only.
 * Its innerText ends with one line feed more than is drawn: the one after
 * which the box keeps an empty last line, or the one that ends its last
 * block; a box of more than one block draws fewer lines than innerText has.
 * @param {import("playwright-core").Page} page
 */
export async function statusText(page) {
  const text = await statusBox(page).evaluate((box) => /** @type {HTMLElement} */ (box).innerText);
  return text.endsWith("\n") ? text.slice(0, -1) : text;
}

/**
 * Floor button number (1 to 11), by its accessible name.
 * @param {import("playwright-core").Page} page
 * @param {number} floor
 */
export function floorButton(page, floor) {
  return page.getByRole("radio", { name: new RegExp(`^Етаж ${floor},`) });
}

/**
 * @param {import("playwright-core").Page} page
 * @param {boolean} closed
 */
export function grilleButton(page, closed) {
  const name = closed ? "Предпазната решетка е затворена" : "Предпазната решетка е отворена";
  return page.getByRole("radio", { name, exact: true });
}

/**
 * Closes the grille and picks the floor (1 to 11) with the mouse, as a user
 * starts a trip.
 * @param {import("playwright-core").Page} page
 * @param {number} floor
 */
export async function pick(page, floor) {
  await grilleButton(page, true).click();
  await floorButton(page, floor).click();
}

/**
 * The floor buttons' markers, floor 1 first (floor_markers.js).
 * @param {import("playwright-core").Page} page
 */
export async function markers(page) {
  return page.evaluate(floorMarkers);
}
