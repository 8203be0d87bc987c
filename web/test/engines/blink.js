// Blink through playwright-core: Debian's Chromium or an older release
// (engines/old_chromium.js), headless, driven over the DevTools protocol,
// which catches a download as the browser saves it.
import { mkdtempSync, readFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { chromium } from "playwright-core";
import { Viewport, pageCalls } from "./engine.js";
import { removeFolder } from "../support/folders.js";

/**
 * @param {string} executablePath
 * @returns {Promise<import("./engine.js").Engine>}
 */
export async function launchBlink(executablePath) {
  // Playwright makes the browser's profile folder in the temporary folder.
  const profiles = mkdtempSync(join(tmpdir(), "lodarix-blink-"));
  process.env.TMPDIR = profiles;
  const browser = await chromium.launch({
    executablePath,
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--disable-background-networking"],
  });
  const context = await browser.newContext({ viewport: Viewport, acceptDownloads: true });
  const page = await context.newPage();
  /** @type {string[]} */
  const problems = [];
  page.on("console", (message) => {
    if (message.type() === "error") problems.push(message.text());
  });
  page.on("pageerror", (error) => problems.push(error.message));
  return {
    name: `Chromium ${browser.version()}`,
    ...pageCalls(page),
    download: async (click) => {
      const [download] = await Promise.all([page.waitForEvent("download"), click()]);
      return { name: download.suggestedFilename(), bytes: readFileSync(await download.path()) };
    },
    problems: async () => [...problems],
    close: async () => {
      await browser.close();
      await removeFolder(profiles);
    },
  };
}
