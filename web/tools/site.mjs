// node site.mjs PAGE.html FACTS.js ICON.xpm OUT-FOLDER
// Writes the folder that a school copies to any static web host: index.html,
// the page of PAGE.html with its manifest, its icons and the registration of
// its service worker; the manifest (manifest.webmanifest), the icons at the
// sizes that Android and iPadOS ask for, and the worker (sw.js). The page's
// policy stays as strict as the single file's, save that its own worker, its
// manifest and its icons may come from the site itself ('self'), and the
// registration runs by its hash.
//
// The worker keeps those files, and nothing else, in the browser's cache:
// the page then starts without the network. Every start is served from the
// cache at once while the file is fetched anew behind it (asking the site
// whether it changed), so a newer version on the site shows at the next
// start, or the one after the site's worker itself changed.
import { createHash } from "node:crypto";
import { mkdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { execFileSync } from "node:child_process";
import { iconPng, readXpm } from "./icon_png.mjs";

const [pagePath, factsPath, iconPath, outDir] = process.argv.slice(2);
/** @type {import("../src/lodarix.js").PageFacts} */
const facts = JSON.parse(execFileSync(process.execPath, [factsPath], { encoding: "utf8" }));
const texts = facts.screenTexts;
const background = facts.form.background ?? "#FFFFFF";
/** @param {string} text */
const sha256 = (text) => `'sha256-${createHash("sha256").update(text, "utf8").digest("base64")}'`;

/** @type {Map<string, Buffer | string>} */
const files = new Map();
const drawing = readXpm(readFileSync(iconPath, "utf8"));
/** @type {{ src: string, sizes: string, type: string }[]} */
const icons = [];
for (const size of [192, 512, 180]) {
  const name = `icons/lodarix-${size}.png`;
  files.set(name, iconPng(drawing, size, background));
  icons.push({ src: name, sizes: `${size}x${size}`, type: "image/png" });
}
const manifest = {
  id: "./",
  name: texts.AppName,
  short_name: texts.AppName,
  description: texts.AppDescription,
  lang: "bg",
  dir: "ltr",
  start_url: "./",
  scope: "./",
  display: "fullscreen",
  background_color: background,
  theme_color: background,
  icons,
};
files.set("manifest.webmanifest", `${JSON.stringify(manifest, null, 2)}\n`);

const registration =
  'if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js").catch(() => {});';
const page = readFileSync(pagePath, "utf8");
const policy = /(<meta http-equiv="Content-Security-Policy" content=")([^"]*)(" \/>)/;
const found = page.match(policy);
if (!found) throw new Error(`${pagePath}: no security policy`);
const csp = found[2]
  .replace(/script-src /, `script-src ${sha256(registration)} `)
  .concat("; worker-src 'self'; manifest-src 'self'; img-src 'self'");
const head = [
  `<link rel="manifest" href="manifest.webmanifest" />`,
  `<link rel="icon" href="icons/lodarix-192.png" />`,
  `<link rel="apple-touch-icon" href="icons/lodarix-180.png" />`,
  `<meta name="theme-color" content="${background}" />`,
  `<meta name="apple-mobile-web-app-capable" content="yes" />`,
  `<meta name="mobile-web-app-capable" content="yes" />`,
  `<script>${registration}</script>`,
].join("\n    ");
const index = page
  .replace(policy, (_, start, _old, end) => `${start}${csp}${end}`)
  .replace("</title>", () => `</title>\n    ${head}`);
if (index === page) throw new Error(`${pagePath}: nothing to add to`);
files.set("index.html", index);

// The worker's version is that of everything it keeps, so that a site with
// any file changed has a changed worker too.
const version = createHash("sha256");
for (const [name, content] of [...files].sort()) version.update(name).update(content);
const kept = ["index.html", ...[...files.keys()].filter((name) => name !== "index.html").sort()];
const worker = readFileSync(new URL("./site_worker.js", import.meta.url), "utf8")
  .replace('"@VERSION@"', () => JSON.stringify(version.digest("hex").slice(0, 16)))
  .replace('["@FILES@"]', () => JSON.stringify(kept));
files.set("sw.js", worker);

rmSync(outDir, { recursive: true, force: true });
for (const [name, content] of files) {
  mkdirSync(join(outDir, name, ".."), { recursive: true });
  writeFileSync(join(outDir, name), content);
}
