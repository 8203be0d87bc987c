// The school site (build-web/site/) served by a small server of the test's
// own on 127.0.0.1 (node's http), at a port the system picks: its files by
// path, which a test may change; every file asked for is kept, reachable or
// not; while unreachable, each connection is dropped, as with the network
// gone.
import { createServer } from "node:http";
import { readdirSync, readFileSync, statSync } from "node:fs";
import { join, relative } from "node:path";

const Types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript",
  ".webmanifest": "application/manifest+json",
  ".png": "image/png",
};

/** @param {string} dir @returns {string[]} */
const filesUnder = (dir) =>
  readdirSync(dir).flatMap((name) =>
    statSync(join(dir, name)).isDirectory() ? filesUnder(join(dir, name)) : [join(dir, name)],
  );

/**
 * @typedef {object} SiteServer
 * @property {string} origin http://127.0.0.1:PORT
 * @property {Map<string, Buffer>} site the files served, by path ("/index.html")
 * @property {string[]} served every file asked for
 * @property {boolean} reachable
 * @property {() => Promise<void>} close
 */

/**
 * @param {string} siteDir
 * @returns {Promise<SiteServer>}
 */
export async function serveSite(siteDir) {
  const site = new Map(
    filesUnder(siteDir).map((path) => [`/${relative(siteDir, path)}`, readFileSync(path)]),
  );
  /** @type {string[]} */
  const served = [];
  const state = { reachable: true };
  const server = createServer((request, response) => {
    const path = new URL(request.url ?? "/", "http://127.0.0.1").pathname;
    const file = path === "/" ? "/index.html" : path;
    served.push(file);
    if (!state.reachable) {
      request.socket.destroy();
      return;
    }
    const body = site.get(file);
    if (!body) {
      response.writeHead(404).end();
      return;
    }
    const type = Object.entries(Types).find(([ending]) => file.endsWith(ending))?.[1];
    response.writeHead(200, { "Content-Type": type ?? "application/octet-stream" }).end(body);
  });
  await new Promise((listening) => server.listen(0, "127.0.0.1", () => listening(undefined)));
  const address = /** @type {import("node:net").AddressInfo} */ (server.address());
  return {
    origin: `http://127.0.0.1:${address.port}`,
    site,
    served,
    get reachable() {
      return state.reachable;
    },
    set reachable(reachable) {
      state.reachable = reachable;
    },
    close: () =>
      new Promise((closed) => {
        server.closeAllConnections();
        server.close(() => closed(undefined));
      }),
  };
}

/**
 * The site's page with a mark of its own in its head, as a newer version
 * the school puts on its site; newerShown() tells it in the page.
 * @param {string} siteDir
 */
export function newerPage(siteDir) {
  return Buffer.from(
    readFileSync(join(siteDir, "index.html"), "utf8").replace(
      "</title>",
      '</title>\n    <meta name="lodarix-test" content="newer" />',
    ),
  );
}

/** Runs in the page: whether it is the newer version. */
export function newerShown() {
  return document.querySelector('meta[name="lodarix-test"]') !== null;
}

/**
 * Runs in the page: whether the worker has kept the newer page for the next start.
 * @returns {Promise<boolean>}
 */
export async function newerKept() {
  const names = await caches.keys();
  const cache = await caches.open(names[0]);
  const kept = await cache.match("index.html");
  return kept !== undefined && (await kept.text()).includes("lodarix-test");
}

/**
 * Runs in the page: the paths of the files the worker keeps.
 * @returns {Promise<string[]>}
 */
export async function keptFiles() {
  const names = await caches.keys();
  const cache = await caches.open(names[0]);
  return (await cache.keys()).map((request) => new URL(request.url).pathname).sort();
}
