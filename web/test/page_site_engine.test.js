// The site a school hosts (build-web/site/), as page_site.test.js runs it in
// Chromium, in the browser engine that CTest names (LODARIX_ENGINE; WebKit,
// the engine of every browser on an iPad), served by the test's own server
// on 127.0.0.1 (support/site_server.js): the worker takes control; with the
// server gone, a start still starts the page from the worker's cache, and it
// runs a trip by the user's clicks; when the site serves a changed page, it
// shows within two starts.
import { test, after } from "node:test";
import assert from "node:assert/strict";
import { launchEngine } from "./engines/launch.js";
import { poll } from "./engines/engine.js";
import { pageStarted, tripBetween } from "./engines/scenario.js";
import { requiredPath } from "./support/paths.js";
import { keptFiles, newerKept, newerPage, newerShown, serveSite } from "./support/site_server.js";

const siteDir = requiredPath("LODARIX_SITE");
const server = await serveSite(siteDir);
after(() => server.close());

test("once visited, the site starts and runs a trip with the server gone", async (t) => {
  const engine = await launchEngine();
  t.diagnostic(engine.name);
  try {
    await engine.open(`${server.origin}/`);
    await pageStarted(engine);
    await poll(
      () => engine.evaluate(() => navigator.serviceWorker.controller !== null),
      "the worker in control",
    );
    assert.deepEqual(
      await poll(async () => {
        const kept = await engine.evaluate(keptFiles);
        return kept.length > 0 && kept;
      }, "the files kept"),
      [...server.site.keys()].filter((path) => path !== "/sw.js").sort(),
    );

    server.reachable = false;
    server.served.length = 0;
    await engine.open(`${server.origin}/`);
    await pageStarted(engine);
    // All that went to the site, and was dropped, is what the browser asks
    // for itself (a newer worker, the tab's icon) and the worker's look for
    // a newer page.
    t.diagnostic(`asked of the site with it gone: ${server.served.join(", ")}`);
    const asked = new Set(server.served);
    for (const file of ["/sw.js", "/icons/lodarix-192.png", "/index.html"]) asked.delete(file);
    assert.deepEqual([...asked], [], "the page's own files came from the worker");
    await tripBetween(engine, 1, 3);
    assert.deepEqual(await engine.problems(), []);

    // A newer page on the site shows at the latest at the second start with
    // the server back.
    server.reachable = true;
    server.site.set("/index.html", newerPage(siteDir));
    let starts = 0;
    while (!(await engine.evaluate(newerShown))) {
      assert.ok(++starts <= 2, "the newer page did not show within two starts");
      await engine.open(`${server.origin}/`);
      await pageStarted(engine);
      // The worker has the site's answer before the next start.
      await poll(() => engine.evaluate(newerKept), "the newer page kept");
    }
    t.diagnostic(`the newer page shown at start ${starts}`);
  } finally {
    await engine.close();
  }
});
