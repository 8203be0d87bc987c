// The site a school hosts (build-web/site/), served by a small server of the
// test's own on 127.0.0.1: Chromium opens it, its worker takes control, and
// with the network gone a reload still starts the page, which runs a trip;
// when the site serves a changed page, the browser shows it within two
// starts; the manifest is one that Chromium takes, full screen, with the
// program's icons at the sizes home screens ask for; and the policy allows
// only the site's own worker, manifest and icons beyond the single file's.
// The same run in WebKit: page_site_engine.test.js.
import { test, after } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { browser, floorButton, grilleButton, statusText } from "./support/browser.js";
import { requiredPath } from "./support/paths.js";
import { decode } from "./support/pixels.js";
import { keptFiles, newerKept, newerPage, newerShown, serveSite } from "./support/site_server.js";

const siteDir = requiredPath("LODARIX_SITE");
const server = await serveSite(siteDir);
const { origin, site, served } = server;
after(() => server.close());

/** @param {import("playwright-core").Page} page */
const started = (page) => page.waitForSelector("body[data-ready=true]");

test("once visited, the site starts and runs a trip without the network", async () => {
  const context = await (await browser()).newContext({ viewport: { width: 1024, height: 768 } });
  const page = await context.newPage();
  /** @type {string[]} */
  const problems = [];
  page.on("console", (message) => {
    if (message.type() === "error" || message.type() === "warning") problems.push(message.text());
  });
  page.on("pageerror", (error) => problems.push(error.message));
  await page.goto(`${origin}/`);
  await started(page);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  assert.deepEqual(
    await page.evaluate(keptFiles),
    [...site.keys()].filter((path) => path !== "/sw.js").sort(),
  );

  server.reachable = false;
  await context.setOffline(true);
  served.length = 0;
  await page.reload();
  await started(page);
  assert.deepEqual(served, [], "nothing reached the site");
  await grilleButton(page, true).click();
  await floorButton(page, 3).click();
  await page.waitForFunction(() =>
    [...document.querySelectorAll("[role=textbox]")].some((box) =>
      /** @type {HTMLElement} */ (box).innerText.includes("Последна спирка!"),
    ),
  );
  assert.match(await statusText(page), /Етаж III\nПоследна спирка!\n$/);
  assert.deepEqual(problems, []);

  // A newer page on the site shows at the latest at the second start with
  // the network back.
  server.reachable = true;
  await context.setOffline(false);
  site.set("/index.html", newerPage(siteDir));
  let starts = 0;
  while (!(await page.evaluate(newerShown))) {
    assert.ok(++starts <= 2, "the newer page did not show within two starts");
    await page.reload();
    await started(page);
    // The worker has the site's answer before the next start.
    await page.waitForFunction(newerKept);
  }
  await context.close();
});

test("the manifest is one Chromium takes, full screen, with the program's icons", async () => {
  const context = await (await browser()).newContext();
  const page = await context.newPage();
  await page.goto(`${origin}/`);
  await started(page);
  const client = await context.newCDPSession(page);
  const { url, errors, data } = await client.send("Page.getAppManifest");
  assert.equal(url, `${origin}/manifest.webmanifest`);
  assert.deepEqual(errors, []);
  const manifest = JSON.parse(/** @type {string} */ (data));
  assert.equal(manifest.display, "fullscreen");
  assert.equal(manifest.start_url, "./");
  assert.equal(manifest.lang, "bg");
  assert.ok(manifest.name && manifest.short_name);
  const sizes = [];
  for (const icon of manifest.icons) {
    const png = site.get(`/${icon.src}`);
    assert.ok(png, `${icon.src} is on the site`);
    assert.equal(png.subarray(1, 4).toString("latin1"), "PNG");
    const [width, height] = [png.readUInt32BE(16), png.readUInt32BE(20)];
    assert.equal(icon.sizes, `${width}x${height}`);
    sizes.push(width);
  }
  assert.deepEqual(sizes.sort(), [180, 192, 512]);
  // The drawing scaled five times at 192 px, nearest neighbour, on the form's colour.
  const icon = await decode(context, /** @type {Buffer} */ (site.get("/icons/lodarix-192.png")));
  assert.equal(icon.at(0, 0), manifest.background_color);
  assert.equal(icon.at(16 + 15 * 5, 16 + 4 * 5), "#5A3210");
  assert.equal(icon.at(16 + 15 * 5 + 4, 16 + 4 * 5 + 4), "#5A3210");
  assert.equal(icon.at(16 + 14 * 5 + 4, 16 + 4 * 5), manifest.background_color);
  const touchIcon = await page.locator('link[rel="apple-touch-icon"]').getAttribute("href");
  assert.equal(touchIcon, "icons/lodarix-180.png");
  await context.close();
});

test("the site's policy adds only its own worker, manifest and icons to the file's", async () => {
  const file = readFileSync(requiredPath("LODARIX_PAGE"), "utf8");
  const index = readFileSync(join(siteDir, "index.html"), "utf8");
  /** @param {string} page */
  const policy = (page) =>
    Object.fromEntries(
      /** @type {string} */ (/Content-Security-Policy" content="([^"]*)"/.exec(page)?.[1])
        .split(";")
        .map((directive) => directive.trim().split(/\s+/))
        .map(([name, ...values]) => [name, values]),
    );
  const [ours, theirs] = [policy(file), policy(index)];
  assert.deepEqual(
    { ...theirs, "script-src": undefined },
    {
      ...ours,
      "script-src": undefined,
      "worker-src": ["'self'"],
      "manifest-src": ["'self'"],
      "img-src": ["'self'"],
    },
  );
  // One hash more: the worker's registration, and nothing else inline.
  assert.deepEqual(theirs["script-src"].slice(1), ours["script-src"]);
  const scripts = (/** @type {string} */ page) => [...page.matchAll(/<script/g)].length;
  assert.equal(scripts(index), scripts(file) + 1);
  // The single file is unchanged: no manifest, no worker.
  assert.doesNotMatch(file, /serviceWorker|manifest/);
});
