// The page as a teacher hands it out: one file opened from disk, in Bulgarian,
// titled with the window's caption, that asks for nothing beyond itself, is
// allowed nothing more by its security policy, and stores nothing.
import { test } from "node:test";
import assert from "node:assert/strict";
import { createHash } from "node:crypto";
import { readFileSync } from "node:fs";
import { PageUrl, StepMs, closePage, openPage, pick, statusBox } from "./support/browser.js";
import { pageFacts } from "./support/page_facts.js";
import { requiredPath } from "./support/paths.js";

const form = pageFacts().storedForm;
/** @param {string} text */
const hashOf = (text) => `'sha256-${createHash("sha256").update(text, "utf8").digest("base64")}'`;

test("opened from disk, it asks for nothing but itself and reports no problem", async () => {
  const session = await openPage();
  const { page } = session;
  assert.match(PageUrl, /^file:\/\//);
  await pick(page, 3);
  await page.clock.runFor(2 * StepMs);
  await statusBox(page).click();
  await page.keyboard.type("бележка");
  assert.deepEqual(session.requests, [PageUrl]);
  assert.deepEqual(session.problems, []);
  const references = await page.evaluate(
    () => [...document.querySelectorAll("[src], [href], link, iframe, object, embed, img")].length,
  );
  assert.equal(references, 0);
  await closePage(session);
});

test("it stores nothing: no cookie, no local storage, no database", async () => {
  const session = await openPage();
  const { page } = session;
  await pick(page, 2);
  await page.clock.runFor(StepMs);
  const state = await session.context.storageState();
  assert.deepEqual(state.cookies, []);
  assert.ok(state.origins.every((origin) => origin.localStorage.length === 0));
  const stored = await page.evaluate(async () => ({
    cookie: document.cookie,
    local: localStorage.length,
    session: sessionStorage.length,
    databases: (await indexedDB.databases()).length,
  }));
  assert.deepEqual(stored, { cookie: "", local: 0, session: 0, databases: 0 });
  await closePage(session);
});

test("its policy allows its own scripts and style, and nothing else", async () => {
  const session = await openPage();
  const { page } = session;
  const policy = /** @type {string} */ (
    await page.locator('meta[http-equiv="Content-Security-Policy"]').getAttribute("content")
  );
  const directives = Object.fromEntries(
    policy.split(";").map((directive) => {
      const [name, ...values] = directive.trim().split(/\s+/);
      return [name, values];
    }),
  );
  assert.deepEqual(directives["default-src"], ["'none'"]);
  // Every script the page runs, each by its hash: the start-up check, the
  // page's module, and each late part once run (the core, the motion view,
  // the events view, the code view, the help); the blocks it keeps gzipped
  // run nothing.
  await page.keyboard.press("F2");
  await page.keyboard.press("F3");
  await page.keyboard.press("F4");
  await page.keyboard.press("F1");
  await page.getByRole("dialog").waitFor();
  await page.locator(".events-view").waitFor();
  await page.locator(".code-view").waitFor();
  const scripts = await page.evaluate(() =>
    [...document.scripts].map((script) => [script.type, script.text]),
  );
  const run = scripts.filter(([type]) => type !== "application/gzip");
  assert.deepEqual(run.map(([type]) => type).sort(), ["", ...Array(6).fill("module")]);
  const hashes = run.map(([, text]) => hashOf(text));
  assert.deepEqual([...directives["script-src"]].sort(), [...hashes, "'wasm-unsafe-eval'"].sort());
  assert.deepEqual(directives["font-src"], ["data:"]);
  // The page's style, and the style that shows the notice where script is off.
  const pageHtml = readFileSync(requiredPath("LODARIX_PAGE"), "utf8");
  const styles = [...pageHtml.matchAll(/<style>([^<]*)<\/style>/g)].map(([, text]) => hashOf(text));
  assert.equal(styles.length, 2);
  assert.deepEqual([...directives["style-src"]].sort(), styles.sort());
  assert.doesNotMatch(policy, /unsafe-inline|'unsafe-eval'|\*|https?:/);
  const fetched = await page.evaluate(() =>
    fetch("data:text/plain,x").then(
      () => "fetched",
      () => "refused",
    ),
  );
  assert.equal(fetched, "refused");
  assert.equal(await page.evaluate(() => document.documentElement.lang), "bg");
  assert.equal(await page.title(), form.caption);
  session.problems.length = 0; // the refused fetch is reported, as it should be
  await closePage(session);
});
