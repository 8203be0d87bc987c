// The page's start with a part of the browser taken away, as a browser
// below the floor lacks it: the start-up check's notice stands in place of
// the form, in the core's words, and says what is missing and what to do; a
// failure while starting says the same kind of thing, with the browser's
// words for why; where a part has a fallback, the page works without it.
// The check itself is written so that any browser that runs scripts reads it.
import { test } from "node:test";
import assert from "node:assert/strict";
import { createHash } from "node:crypto";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import { Linter } from "eslint";
import { closePage, openPage, statusBox, statusText } from "./support/browser.js";
import { pageFacts } from "./support/page_facts.js";
import { requiredPath } from "./support/paths.js";

const texts = pageFacts().pageTexts;
const pageHtml = readFileSync(requiredPath("LODARIX_PAGE"), "utf8");

/**
 * What the page shows: the notice's heading and lines, whether the form is
 * there to see, and whether the notice has the focus.
 * @param {import("playwright-core").Page} page
 */
async function shown(page) {
  await page.waitForSelector("#lodarix-notice");
  return page.evaluate(() => {
    const notice = /** @type {HTMLElement} */ (document.getElementById("lodarix-notice"));
    const form = document.querySelector(".form");
    return {
      heading: notice.querySelector("h1")?.textContent,
      lines: [...notice.querySelectorAll("p")].map((line) => line.textContent),
      role: notice.getAttribute("role"),
      formSeen: form !== null && form.getClientRects().length > 0,
      focused: document.activeElement === notice,
    };
  });
}

/** @param {string[]} missing */
const tooOld = (missing) => ({
  heading: texts.TooOld,
  lines: [texts.Missing.replace("{}", missing.join(", ")), texts.WhatToDo],
  role: "alert",
  formSeen: false,
  focused: true,
});

/** @param {string} reason */
const failedStart = (reason) => ({
  heading: texts.StartFailed,
  lines: [texts.Reason.replace("{}", reason), texts.WhatToDo],
  role: "alert",
  formSeen: false,
  focused: true,
});

/** @param {string} text */
const hashOf = (text) => `'sha256-${createHash("sha256").update(text, "utf8").digest("base64")}'`;

/**
 * The texts of the scripts the page runs as it loads: the start-up check and the module.
 * @param {string} html
 */
const runScripts = (html) =>
  [...html.matchAll(/<script(?: type="module")?>([\s\S]*?)<\/script>/g)].map((m) => m[1]);

/**
 * A copy of the page with its text changed, its policy's hash of each
 * changed script made anew; opened from a folder removed after the test.
 * @param {import("node:test").TestContext} t
 * @param {(html: string) => string} change
 */
function changedPage(t, change) {
  const changed = change(pageHtml);
  const before = runScripts(pageHtml).map(hashOf);
  const after = runScripts(changed).map(hashOf);
  const html = before.reduce((page, hash, at) => page.replace(hash, () => after[at]), changed);
  const folder = mkdtempSync(join(tmpdir(), "lodarix-page-"));
  t.after(() => rmSync(folder, { recursive: true, force: true }));
  const path = join(folder, "lodarix.html");
  writeFileSync(path, html);
  return pathToFileURL(path).href;
}

// A WebAssembly of before its exception handling: it refuses every module
// with a catch-all (0x19).
const withoutWasmExceptions = `{
  const validate = WebAssembly.validate;
  WebAssembly.validate = (bytes) => !new Uint8Array(bytes).includes(0x19) && validate(bytes);
}`;

test("without WebAssembly, its exceptions, inert or gzip streams, the notice names what is missing", async () => {
  for (const [taken, need] of [
    ["delete globalThis.WebAssembly;", "NeedsWebAssembly"],
    [withoutWasmExceptions, "NeedsWasmExceptions"],
    ["delete CanvasRenderingContext2D.prototype.setLineDash;", "NeedsCanvas"],
    ["delete HTMLElement.prototype.inert;", "NeedsInert"],
    ["delete globalThis.DecompressionStream;", "NeedsDecompression"],
    [
      "delete HTMLElement.prototype.inert; delete globalThis.WebAssembly;",
      "NeedsWebAssembly NeedsInert",
    ],
  ]) {
    const session = await openPage({ initScript: taken, unready: true, realTime: true });
    const missing = need.split(" ").map((name) => texts[name]);
    assert.deepEqual(await shown(session.page), tooOld(missing), taken);
    assert.deepEqual(session.problems, [], taken);
    await closePage(session);
  }
});

test("a policy that does not let the page compile its wasm is named", async (t) => {
  const url = changedPage(t, (html) => html.replace(" 'wasm-unsafe-eval'", ""));
  const session = await openPage({ url, unready: true, realTime: true });
  assert.deepEqual(await shown(session.page), tooOld([texts.NeedsWasmPolicy]));
  await closePage(session);
});

test("a module this browser cannot parse leaves the notice of a browser too old", async (t) => {
  const url = changedPage(t, (html) =>
    html.replace('<script type="module">', '<script type="module">class { static #}'),
  );
  const session = await openPage({ url, unready: true, realTime: true });
  assert.deepEqual(await shown(session.page), tooOld([texts.NeedsLanguage]));
  await closePage(session);
});

test("a failure while starting shows why, in place of the form", async () => {
  for (const [broken, reason] of [
    [
      "WebAssembly.instantiate = () => Promise.reject(new RangeError('no memory for the core'));",
      "RangeError: no memory for the core",
    ],
    [
      `globalThis.DecompressionStream = class extends TransformStream {
        constructor() { super({ transform() { throw new TypeError("the core is broken"); } }); }
      };`,
      // The browser's words for a body that failed to read.
      "TypeError: Failed to fetch",
    ],
  ]) {
    const session = await openPage({ initScript: broken, unready: true, realTime: true });
    assert.deepEqual(await shown(session.page), failedStart(reason), broken);
    assert.equal(await session.page.locator("body[data-ready]").count(), 0);
    await closePage(session);
  }
});

test("where plaintext-only is refused, as Firefox before 136 does, the status box is still edited", async () => {
  const refused = `{
    const { set, get } = Object.getOwnPropertyDescriptor(HTMLElement.prototype, "contentEditable");
    Object.defineProperty(HTMLElement.prototype, "contentEditable", {
      get() { return get.call(this); },
      set(value) {
        if (value === "plaintext-only") throw new DOMException("refused", "SyntaxError");
        set.call(this, value);
      },
    });
  }`;
  const session = await openPage({ initScript: refused });
  const { page } = session;
  assert.equal(await statusBox(page).getAttribute("contenteditable"), "true");
  await statusBox(page).click();
  await page.keyboard.press("Control+End");
  await page.keyboard.type("бележка");
  assert.match(await statusText(page), /бележка$/);
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

test("the start-up check comes first and is written in ES5, which any browser reads", () => {
  const scripts = [...pageHtml.matchAll(/<script( type="module")?>([\s\S]*?)<\/script>/g)];
  assert.deepEqual(
    scripts.map((script) => script[1] ?? "classic"),
    ["classic", ' type="module"'],
  );
  const messages = new Linter().verify(scripts[0][2], {
    languageOptions: { ecmaVersion: 5, sourceType: "script" },
  });
  assert.deepEqual(
    messages.map((message) => `${message.line}:${message.column} ${message.message}`),
    [],
  );
});
