// Gecko: Debian's Firefox ESR, headless, driven over WebDriver BiDi by
// puppeteer-core. Its profile saves downloads into a folder of the run's
// own, where the file is caught once Firefox has finished writing it.
import { existsSync, mkdtempSync, readFileSync, readdirSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import puppeteer from "puppeteer-core";
import { Viewport, pageCalls, poll } from "./engine.js";
import { removeFolder } from "../support/folders.js";

/** @returns {Promise<import("./engine.js").Engine>} */
export async function launchGecko() {
  const folder = mkdtempSync(join(tmpdir(), "lodarix-gecko-"));
  const downloads = join(folder, "downloads");
  const browser = await puppeteer.launch({
    browser: "firefox",
    executablePath: "/usr/bin/firefox-esr",
    headless: true,
    userDataDir: join(folder, "profile"),
    extraPrefsFirefox: {
      "browser.download.dir": downloads,
      "browser.download.folderList": 2,
      "browser.download.useDownloadDir": true,
      "browser.download.always_ask_before_handling_new_types": false,
    },
  });
  const page = await browser.newPage();
  await page.setViewport(Viewport);
  /** @type {string[]} */
  const problems = [];
  page.on("console", (message) => {
    if (message.type() === "error") problems.push(message.text());
  });
  page.on("pageerror", (error) => problems.push(String(error)));
  return {
    name: `Firefox ${(await browser.version()).replace(/^firefox\//, "")}`,
    ...pageCalls(page),
    download: async (click) => {
      const before = existsSync(downloads) ? readdirSync(downloads) : [];
      await click();
      // Firefox writes NAME.part, then renames it NAME.
      const name = await poll(async () => {
        const now = existsSync(downloads) ? readdirSync(downloads) : [];
        const saved = now.filter((one) => !before.includes(one));
        const done = saved.length === 1 && !now.some((one) => one.endsWith(".part"));
        return done ? saved[0] : undefined;
      }, "the download");
      return { name, bytes: readFileSync(join(downloads, name)) };
    },
    problems: async () => [...problems],
    close: async () => {
      await browser.close();
      await removeFolder(folder);
    },
  };
}
