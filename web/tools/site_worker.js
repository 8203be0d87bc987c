// The school site's service worker (made by site.mjs): it keeps the site's
// own files, and nothing else, in the browser's cache, so that the page
// starts without the network. A start is served from the cache at once and
// the file is fetched anew behind it, asking the site whether it changed, so
// a newer version shows at the next start. A new worker (any file of the
// site changed) takes over at once and drops the files of the old one.
const Version = "@VERSION@";
const Files = ["@FILES@"];
const Kept = `lodarix-${Version}`;

/** @type {any} */
const worker = self;

worker.addEventListener("install", (/** @type {any} */ event) => {
  event.waitUntil(
    caches
      .open(Kept)
      .then((cache) => cache.addAll(Files.map((file) => new Request(file, { cache: "reload" }))))
      .then(() => worker.skipWaiting()),
  );
});

worker.addEventListener("activate", (/** @type {any} */ event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(
          names
            .filter((name) => name.startsWith("lodarix-") && name !== Kept)
            .map((name) => caches.delete(name)),
        ),
      )
      .then(() => worker.clients.claim()),
  );
});

worker.addEventListener("fetch", (/** @type {any} */ event) => {
  /** @type {Request} */
  const request = event.request;
  if (request.method !== "GET") return;
  const scope = new URL(worker.registration.scope);
  const url = new URL(request.url);
  if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname)) return;
  const path = url.pathname.slice(scope.pathname.length);
  const file = request.mode === "navigate" && path === "" ? "index.html" : path;
  if (!Files.includes(file)) return;
  event.respondWith(
    caches.open(Kept).then(async (cache) => {
      const fresh = fetch(new Request(file, { cache: "no-cache" })).then(async (response) => {
        if (response.ok) await cache.put(file, response.clone());
        return response;
      });
      const kept = await cache.match(file);
      if (!kept) return fresh;
      event.waitUntil(fresh.catch(() => undefined));
      return kept;
    }),
  );
});
