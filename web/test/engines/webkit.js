// WebKit: WebKitGTK's MiniBrowser, driven through WebKitWebDriver by
// selenium-webdriver, in an X server of its own (Xvfb), with a home and
// runtime folder of its own and no session bus. The driver cannot catch a
// download, so the page's offered file is taken (engine.js); nor can it
// hear the page's errors, so the page tells them from the moment it opens.
import { spawn } from "node:child_process";
import { existsSync, mkdtempSync, readdirSync } from "node:fs";
import { createServer } from "node:net";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { Builder, Key, Origin } from "selenium-webdriver";
import { startXvfb } from "../support/xvfb.js";
import { Viewport, keepOfferedFiles, poll, takeOfferedFile } from "./engine.js";
import { removeFolder } from "../support/folders.js";

/** Debian's MiniBrowser, in WebKitGTK's folder of the machine's architecture. */
function miniBrowser() {
  for (const folder of readdirSync("/usr/lib")) {
    const path = join("/usr/lib", folder, "webkit2gtk-4.1", "MiniBrowser");
    if (existsSync(path)) return path;
  }
  throw new Error("no MiniBrowser: Debian's libwebkit2gtk-4.1-0 is not installed");
}

/** @returns {Promise<number>} */
function freePort() {
  return new Promise((resolve, reject) => {
    const server = createServer();
    server.listen(0, "127.0.0.1", () => {
      const address = server.address();
      server.close(() => resolve(typeof address === "object" && address ? address.port : 0));
    });
    server.on("error", reject);
  });
}

// Runs in the page: its errors and console errors, kept for the test.
function hearProblems() {
  const scope = /** @type {any} */ (globalThis);
  scope.lodarixProblems = [];
  addEventListener("error", (event) => scope.lodarixProblems.push(event.message));
  addEventListener("unhandledrejection", (event) =>
    scope.lodarixProblems.push(String(event.reason)),
  );
  const error = console.error.bind(console);
  console.error = (/** @type {unknown[]} */ ...words) => {
    scope.lodarixProblems.push(words.join(" "));
    error(...words);
  };
}

/** @returns {Promise<import("./engine.js").Engine>} */
export async function launchWebKit() {
  const home = mkdtempSync(join(tmpdir(), "lodarix-webkit-"));
  const xvfb = await startXvfb();
  const port = await freePort();
  const env = {
    PATH: process.env.PATH,
    HOME: home,
    XDG_RUNTIME_DIR: home,
    XDG_CONFIG_HOME: join(home, "config"),
    XDG_CACHE_HOME: join(home, "cache"),
    XDG_DATA_HOME: join(home, "data"),
    DISPLAY: xvfb.display,
    LANG: "C.UTF-8",
    NO_AT_BRIDGE: "1",
  };
  const webDriver = spawn("WebKitWebDriver", [`--port=${port}`], { env, stdio: "ignore" });
  const server = `http://127.0.0.1:${port}`;
  await poll(
    () =>
      fetch(`${server}/status`).then(
        (response) => response.ok,
        () => false,
      ),
    "WebKitWebDriver",
  );
  const driver = await new Builder()
    .usingServer(server)
    .withCapabilities({
      browserName: "MiniBrowser",
      "webkitgtk:browserOptions": { binary: miniBrowser(), args: ["--automation"] },
    })
    .build();
  const version = (await driver.getCapabilities()).get("browserVersion");
  await driver
    .manage()
    .window()
    .setRect({ ...Viewport, x: 0, y: 0 });

  /** @type {import("./engine.js").Engine["evaluate"]} */
  const evaluate = async (fn, arg) => {
    /** @type {{ value?: any, error?: string }} */
    const result = await driver.executeAsyncScript(
      `const done = arguments[arguments.length - 1];
       Promise.resolve(arguments[0]).then(${fn}).then(
         (value) => done({ value }),
         (error) => done({ error: String(error && error.stack || error) }));`,
      arg ?? null,
    );
    if (result.error !== undefined) throw new Error(result.error);
    return result.value;
  };
  return {
    name: `WebKitGTK ${version}`,
    open: async (url) => {
      await driver.get(url);
      await evaluate(hearProblems);
    },
    evaluate,
    click: (x, y) =>
      driver
        .actions()
        .move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT })
        .click()
        .perform(),
    press: (key) => {
      const pressed = { F2: Key.F2, Escape: Key.ESCAPE }[key];
      return driver.actions().keyDown(pressed).keyUp(pressed).perform();
    },
    screenshot: async () => Buffer.from(await driver.takeScreenshot(), "base64"),
    download: async (click) => {
      await evaluate(keepOfferedFiles);
      await click();
      const file = await poll(() => evaluate(takeOfferedFile), "the offered file");
      return { name: file.name, bytes: Buffer.from(file.base64, "base64") };
    },
    problems: () => evaluate(() => /** @type {any} */ (globalThis).lodarixProblems),
    close: async () => {
      await driver.quit();
      webDriver.kill();
      xvfb.stop();
      await removeFolder(home);
    },
  };
}
