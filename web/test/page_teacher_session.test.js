// The teacher's session of tst_teacher_session.cpp, made on the page: the
// same clicks, keys and typed values at the same model times. The CSV and
// the workbook that the motion view saves are the bytes that the desktop's
// motion window saves of it.
import { test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { closePage, openPage, pick } from "./support/browser.js";
import { removeFolder } from "./support/folders.js";
import { requiredPath } from "./support/paths.js";

const desktopSession = requiredPath("LODARIX_NATIVE_TEACHER_SESSION");
if (!existsSync(desktopSession))
  throw new Error(`${desktopSession} is missing: build the tests with the dev preset first`);

/** @param {import("playwright-core").Page} page */
const view = (page) => page.getByRole("region", { name: "Lodarix - графика на движението" });

/**
 * The bytes a button of the view downloads.
 * @param {import("playwright-core").Page} page
 * @param {string} button
 */
async function saved(page, button) {
  const [download] = await Promise.all([
    page.waitForEvent("download"),
    view(page).getByRole("button", { name: button }).click(),
  ]);
  return readFileSync(await download.path());
}

/**
 * @param {import("playwright-core").Page} page
 * @param {string} field
 * @param {string} text
 */
async function type(page, field, text) {
  await view(page).getByRole("spinbutton", { name: field }).fill(text);
  await page.keyboard.press("Tab");
}

test("the page saves the desktop's bytes of the same teacher's session", async () => {
  const out = mkdtempSync(join(tmpdir(), "lodarix-session-"));
  const desktop = spawnSync(desktopSession, [], {
    env: { ...process.env, LODARIX_SESSION_OUT: out, QT_QPA_PLATFORM: "offscreen" },
  });
  assert.equal(desktop.status, 0, desktop.stdout.toString());

  const session = await openPage({ viewport: { width: 1300, height: 1000 } });
  const { page } = session;
  await page.keyboard.press("F2");
  // The record starts at the load, which stands where the page began to
  // keep input: the trip starts 3 s after it, as on the desktop.
  const sinceLoadMs = await page.evaluate(
    () => performance.now() - /** @type {any} */ (window).lodarixKeptInput.sinceMs,
  );
  assert.ok(sinceLoadMs < 3000, `${sinceLoadMs} ms since the load`);
  await page.clock.runFor(3000 - sinceLoadMs);
  await pick(page, 6);
  await page.clock.runFor(2 * 800 + 300);
  await view(page).getByRole("button", { name: "Пауза" }).click();
  await page.clock.runFor(3000);
  await page.keyboard.press("s");
  await page.keyboard.press("s");
  await type(page, "Интервал, ms", "850");
  await type(page, "Височина на етаж, m", "3.05");
  await type(page, "Интервал, ms", "");
  await page.clock.runFor(500);
  await view(page).getByRole("button", { name: "Продължи" }).click();
  await page.clock.runFor(850 + 1000);

  const csv = await saved(page, "Запази CSV…");
  assert.equal(csv.toString(), readFileSync(join(out, "lodarix-motion.csv"), "utf8"));
  const workbook = await saved(page, "Запази за електронна таблица…");
  assert.ok(workbook.equals(readFileSync(join(out, "lodarix-motion.xlsx"))), "the same workbook");
  assert.deepEqual(session.problems, []);
  await closePage(session);
  await removeFolder(out);
});
