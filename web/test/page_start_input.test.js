// The page's start as a pupil meets it: the form is there before the core
// and takes a click from its first frame; what is done to it meanwhile, by
// mouse or keyboard, on a slow device, makes the same trip as once the page
// is ready; a start that takes long says so; without script, or with script
// blocked, a notice above the form says that the page needs it.
import { test } from "node:test";
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import {
  PageFile,
  closePage,
  grilleButton,
  markers,
  openPage,
  pick,
  statusText,
} from "./support/browser.js";
import { allRows, eventsGrid } from "./support/events.js";
import { pageFacts } from "./support/page_facts.js";
import { requiredPath } from "./support/paths.js";

const texts = pageFacts().pageTexts;
const Wide = { viewport: { width: 1500, height: 1000 } };
const Up = "Асансьорът се качва!\n";
const Last = "Последна спирка!\n";

/**
 * Runs in the page: once the form is drawn, the grille's closed button (its
 * label), floor 7's, the form's buttons that a click at their centre misses
 * then, and whether a click is kept then. Playwright's own waiting would
 * first cost a slow device more than the page's start.
 * @returns {Promise<{ grille: HTMLLabelElement, floor: HTMLElement, missed: string[], keeps: boolean }>}
 */
function drawnForm() {
  return new Promise((drawn) => {
    const look = () => {
      const grille = [...document.querySelectorAll("label")].find(
        (label) => label.textContent === "Предпазната решетка е затворена",
      );
      const floor = document.querySelector('[aria-label^="Етаж 7,"]');
      if (!grille || !(floor instanceof HTMLElement) || !floor.getClientRects().length)
        return requestAnimationFrame(look);
      const missed = [...document.querySelectorAll(".form label, .form .floor-button")]
        .filter((button) => {
          const { x, y, width, height } = button.getBoundingClientRect();
          return !button.contains(document.elementFromPoint(x + width / 2, y + height / 2));
        })
        .map((button) => button.getAttribute("aria-label") ?? button.textContent ?? "");
      // A double-click's second click: kept, and never applied.
      const click = new MouseEvent("click", { bubbles: true, cancelable: true, detail: 2 });
      drawn({ grille, floor, missed, keeps: !floor.dispatchEvent(click) });
    };
    look();
  });
}

/** Runs in the page: whether the trip has ended with its last stop. */
const tripOver = () =>
  document
    .querySelector('[role=textbox][aria-label="Съобщения"]')
    ?.textContent?.trimEnd()
    .endsWith("Последна спирка!");

/**
 * What the trip left once the page is ready and the trip over: the status
 * text, the markers, and the events view's rows without their times.
 * @param {import("playwright-core").Page} page
 */
async function tripEnded(page) {
  await page.waitForSelector("body[data-ready=true]");
  await page.waitForFunction(tripOver);
  await page.keyboard.press("F3");
  await eventsGrid(page).waitFor();
  const headings = await eventsGrid(page).getByRole("columnheader").allTextContents();
  const time = headings.indexOf("t, s");
  assert.ok(time >= 0, headings.join());
  const rows = (await allRows(page)).map(({ cells, colors }) => ({
    cells: cells.filter((_, at) => at !== time),
    colors,
  }));
  return { status: await statusText(page), markers: await markers(page), rows };
}

/** @type {ReturnType<typeof tripEnded> | undefined} */
let readyTrip;
// The grille closed and floor 7 picked once the page is ready.
const tripWhenReady = () =>
  (readyTrip ??= (async () => {
    const session = await openPage({ ...Wide, fitted: true, realTime: true });
    await pick(session.page, 7);
    const ended = await tripEnded(session.page);
    assert.deepEqual(session.problems, []);
    await closePage(session);
    return ended;
  })());

// The core's instance held until the test lets it go: at 6× the page is
// ready a few long tasks after its first frame, before a click gets there.
const heldCore = `{
  const instantiate = WebAssembly.instantiate;
  const go = new Promise((resolve) => addEventListener("lodarix-test-go", resolve, { once: true }));
  WebAssembly.instantiate = (...args) => go.then(() => instantiate(...args));
}`;

// Fitted, as a teacher opens it: the original size would move the form once
// the script begins, under the test's clicks.
test("on a slow device, clicks and keys made as soon as the form is drawn make the same trip", async () => {
  for (const keys of [false, true]) {
    const blank = { url: "about:blank", initScript: heldCore, unready: true, realTime: true };
    const session = await openPage({ ...Wide, ...blank });
    const { page } = session;
    const cdp = await session.context.newCDPSession(page);
    await cdp.send("Emulation.setCPUThrottlingRate", { rate: 6 });
    await page.goto(PageFile, { waitUntil: "commit" });
    const drawn = await page.evaluateHandle(drawnForm);
    assert.deepEqual(
      await drawn.evaluate(({ missed, keeps }) => ({ missed, keeps })),
      { missed: [], keeps: true },
      "a click on the drawn form reaches it, and is kept",
    );
    for (const name of /** @type {const} */ (["grille", "floor"])) {
      if (keys) {
        await drawn.evaluate(
          (form, name) => (name === "grille" ? form.grille.control : form.floor)?.focus(),
          name,
        );
        await page.keyboard.press("Space");
      } else {
        const { x, y, width, height } = await drawn.evaluate(
          (form, name) => form[name].getBoundingClientRect().toJSON(),
          name,
        );
        await page.mouse.click(x + width / 2, y + height / 2);
      }
    }
    const kept = await drawn.evaluate(({ grille }) => ({
      ready: document.body.hasAttribute("data-ready"),
      closed: /** @type {HTMLInputElement} */ (grille.control).checked,
    }));
    assert.deepEqual(kept, { ready: false, closed: false }, "kept, not yet applied");
    await page.evaluate(() => dispatchEvent(new Event("lodarix-test-go")));
    assert.deepEqual(await tripEnded(page), await tripWhenReady());
    assert.deepEqual(session.problems, []);
    await closePage(session);
  }
});

// The core's instance made 3 s late.
const slowCore = `{
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = (...args) =>
    new Promise((later) => setTimeout(later, 3000)).then(() => instantiate(...args));
}`;

test("a start slower than 2 s says so until the page is ready, and a pick made meanwhile counts", async () => {
  const session = await openPage({ initScript: slowCore, unready: true, realTime: true });
  const { page } = session;
  const starting = page.getByText(texts.Starting, { exact: true });
  await starting.waitFor();
  await pick(page, 3);
  assert.ok(!(await grilleButton(page, true).isChecked()), "kept while the page starts");
  await page.waitForSelector("body[data-ready=true]");
  assert.ok(await starting.isHidden());
  assert.ok(await page.locator(".script-blocked").isHidden(), "nor, past 3 s, the blocked notice");
  await page.waitForFunction(tripOver);
  assert.equal(await statusText(page), `${Up}Етаж I\nЕтаж II\nЕтаж III\n${Last}`);
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

test("with script turned off or blocked, the form is there below the notice that it needs script", async (t) => {
  const folder = mkdtempSync(join(tmpdir(), "lodarix-page-"));
  t.after(() => rmSync(folder, { recursive: true, force: true }));
  const blocked = join(folder, "lodarix.html");
  const pageHtml = readFileSync(requiredPath("LODARIX_PAGE"), "utf8");
  writeFileSync(blocked, pageHtml.replace(/script-src [^;]*;/, "script-src 'none';"));
  for (const how of [{ javaScriptEnabled: false }, { url: pathToFileURL(blocked).href }]) {
    const session = await openPage({ ...how, unready: true, realTime: true });
    const { page } = session;
    const heading = page.getByRole("heading", { name: texts.NoScript, exact: true });
    const notice = page.locator("section").filter({ has: heading });
    await notice.waitFor();
    assert.equal(await heading.count(), 1, "one notice");
    assert.equal(await notice.locator("p").textContent(), texts.NoScriptWhatToDo);
    assert.ok(await page.locator("#Lodarix").isVisible());
    assert.equal(await page.getByRole("radio").count(), 13, "the floor and grille buttons");
    await closePage(session);
  }
});
