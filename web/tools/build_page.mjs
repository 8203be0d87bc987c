// node build_page.mjs ESBUILD ZOPFLI CORE.mjs CORE.wasm FACTS.js SOURCES FONT.woff2 OUT.html
// Writes the page as one self-contained file, whose first frame is the form:
// - the style: the page's style sheets (page.css, then the others of SOURCES
//   by name, save the views' own, which their late modules carry), the
//   form's own (its rectangles and colours, form_markup.mjs) and the font
//   (Lodarix Serif, from FONT.woff2) as a data URL, so that the form is drawn
//   in it from the first frame;
// - the start-up check (start_check.js), a classic script in ES5 that runs in
//   any browser, with the page's own texts and keys; before the form, so
//   that it keeps what the user does to the form from the form's first
//   frame;
// - the window as it stands once loaded, written as markup from what the
//   core says of it (lodarix-page-facts, FACTS.js), in the page's layout;
// - the notice that a page whose script does not run shows (at once where
//   script is off, by the style a noscript element holds; where the script
//   is blocked, by style alone, after 3 s), and the line that a slow start
//   shows after 2 s;
// - the page's module (main.js and what it imports), with the facts it reads;
// - kept as inert text, run when first needed (src/late_modules.js): the
//   core's module (CORE.mjs); the motion view, the events view, the code
//   view and the help, each with its facts and its style sheet, in one
//   block; and the core's wasm (CORE.wasm); each block gzipped by ZOPFLI,
//   some 5 % smaller than zlib at its best, and written in base 85
//   (src/base85.js), a sixteenth smaller than base64;
// - a Content-Security-Policy that allows exactly those scripts by their
//   hashes, the two styles by theirs, the font as a data URL and the compile
//   of the wasm, and nothing from anywhere.
// The scripts and the style are bundled and minified by esbuild (ESBUILD),
// for the page's browser floor.
import { createHash } from "node:crypto";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { toBase85 } from "../src/base85.js";
import { packForm } from "../src/packed_form.js";
import { escapeHtml, formMarkup } from "./form_markup.mjs";

const [esbuild, zopfli, corePath, wasmPath, factsPath, sources, fontPath, outPath] =
  process.argv.slice(2);
/** The page's browser floor (package.json's browserslist). */
const Floor = "chrome103,edge103,firefox115,safari16.4,ios16.4";

/** @param {string} text */
const sha256 = (text) => `'sha256-${createHash("sha256").update(text, "utf8").digest("base64")}'`;
/**
 * bytes gzipped and written in base 85.
 * @param {string | Buffer} bytes
 */
function packed(bytes) {
  const folder = mkdtempSync(join(tmpdir(), "lodarix-page-"));
  try {
    const path = join(folder, "kept");
    writeFileSync(path, bytes);
    return toBase85(execFileSync(zopfli, ["-c", path], { maxBuffer: 1 << 26 }));
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}
/** @param {string} text */
const scriptText = (text) => text.replaceAll("</script", "<\\/script");
/** @param {Record<string, unknown>} facts */
const constants = (facts) =>
  Object.entries(facts)
    .map(([name, value]) => `const ${name}=${JSON.stringify(value)};`)
    .join("");

/**
 * One of the page's scripts, bundled and minified.
 * @param {string} entry a file of SOURCES
 * @param {{ format?: "esm" | "iife", target?: string, banner?: string, extra?: string[] }} [options]
 */
function bundle(entry, { format = "esm", target = Floor, banner = "", extra = [] } = {}) {
  const args = [join(sources, entry), "--bundle", `--format=${format}`, "--minify"];
  args.push(`--target=${target}`, "--charset=utf8", "--log-level=warning", ...extra);
  if (banner) args.push(`--banner:js=${banner}`);
  return execFileSync(esbuild, args, { encoding: "utf8", maxBuffer: 1 << 26 }).trim();
}

/** @type {import("../src/lodarix.js").PageFacts} */
const facts = JSON.parse(execFileSync(process.execPath, [factsPath], { encoding: "utf8" }));
const { html: form, css: formStyle } = formMarkup(facts.form);

// The page's texts that its markup holds (below); its scripts read the others.
const { NoScript, NoScriptWhatToDo, Starting, ...scriptTexts } = facts.pageTexts;
const check = scriptText(
  bundle("start_check.js", {
    format: "iife",
    target: "es5",
    banner:
      `var lodarixPageTexts=${JSON.stringify(scriptTexts)};` +
      `var lodarixKeys=${JSON.stringify(facts.keys)};`,
  }),
);
/** The screen's texts that only the site's manifest reads (site.mjs). */
const SiteTexts = ["AppName", "AppDescription"];
// The module marks its first line, so that the start-up check can tell a
// module that never ran. It reads the page's texts and keys from the
// start-up check, which always runs before it.
const script = scriptText(
  bundle("main.js", {
    banner:
      `document.documentElement.setAttribute("data-start","begun");` +
      constants({
        lodarixPackedForm: packForm(facts.form),
        lodarixScreenTexts: Object.fromEntries(
          Object.entries(facts.screenTexts).filter(([name]) => !SiteTexts.includes(name)),
        ),
        lodarixOpeners: {
          motion: facts.motionTexts.ShowMotionWindow,
          events: facts.eventsTexts.ShowEventsView,
          code: facts.codeTexts.ShowCodeView,
        },
      }),
  }),
);
/**
 * Style sheets of SOURCES, minified as one.
 * @param {string[]} texts
 */
const minifiedStyle = (texts) =>
  execFileSync(
    esbuild,
    ["--loader=css", "--minify", `--target=${Floor}`, "--charset=utf8", "--log-level=warning"],
    { input: texts.join("\n"), encoding: "utf8" },
  ).trim();
/** @param {string} name */
const sheet = (name) => readFileSync(join(sources, name), "utf8");
/** Each view's style sheet, which its late module adds to the page's. */
const LateSheets = {
  motion: "motion.css",
  events: "events.css",
  code: "code.css",
  help: "help.css",
};
/** @param {keyof typeof LateSheets} name */
const lateStyle = (name) => minifiedStyle([sheet(LateSheets[name])]);

/** @type {Record<string, string>} */
const late = {
  core: bundle("late/core.js", {
    extra: [`--alias:lodarix-core=${corePath}`],
  }),
  motion: bundle("late/motion.js", {
    banner: constants({
      lodarixStyle: lateStyle("motion"),
      lodarixMotionTexts: facts.motionTexts,
      lodarixMotionControls: facts.motionControls,
      lodarixMotionGraph: facts.motionGraph,
      lodarixKeys: facts.keys,
    }),
  }),
  events: bundle("late/events.js", {
    banner: constants({
      lodarixStyle: lateStyle("events"),
      lodarixEventsTexts: facts.eventsTexts,
      lodarixEventsFacts: facts.eventsFacts,
    }),
  }),
  code: bundle("late/code.js", {
    banner: constants({
      lodarixStyle: lateStyle("code"),
      lodarixCodeTexts: facts.codeTexts,
      lodarixCodeFacts: facts.codeFacts,
      lodarixEditingTexts: facts.editingTexts,
      lodarixKeys: facts.keys,
    }),
  }),
  help: bundle("late/help.js", {
    banner: constants({ lodarixStyle: lateStyle("help"), lodarixHelp: facts.help }),
  }),
};

const lateSheets = new Set(Object.values(LateSheets));
const sheets = readdirSync(sources)
  .filter((name) => name.endsWith(".css") && name !== "page.css" && !lateSheets.has(name))
  .sort();
const fontFace =
  `@font-face{font-family:"Lodarix Serif";font-display:block;` +
  `src:url(data:font/woff2;base64,${readFileSync(fontPath).toString("base64")}) format("woff2")}`;
const style = minifiedStyle([fontFace, ...["page.css", ...sheets].map(sheet), formStyle]);

// Script turned off, the noscript element's style shows the notice at once.
const noScriptStyle = ".script-blocked{visibility:visible;animation:none}";
const notices = [
  `<div class="script-notices"><noscript><style>${noScriptStyle}</style></noscript>`,
  `<section class="notice script-blocked"><h1>${escapeHtml(NoScript)}</h1>`,
  `<p>${escapeHtml(NoScriptWhatToDo)}</p></section></div>`,
].join("");
const page = [
  `<main class="page"><div class="form-column">${form}`,
  `<div class="page-tools" role="group"></div></div><div class="views" hidden></div></main>`,
  `<p class="starting" role="status">${escapeHtml(Starting)}</p>`,
].join("");
/**
 * The late modules kept in the page, by block: the core's module alone, as
 * the page needs it at once; the views' and the help's together, which
 * share much and pack smaller so.
 */
const LateBlocks = { core: ["core"], views: ["motion", "events", "code", "help"] };
/**
 * The texts of names as one, for late_modules.js to part: a first line of
 * their names and lengths, then the texts one after another.
 * @param {string[]} names
 */
const joined = (names) =>
  `${JSON.stringify(names.map((name) => [name, late[name].length]))}\n` +
  names.map((name) => late[name]).join("");
const kept = [
  ...Object.entries(LateBlocks).map(
    ([block, names]) =>
      `<script type="application/gzip" id="lodarix-late-${block}" data-late="${names.join(" ")}">` +
      `${packed(joined(names))}</script>`,
  ),
  `<script type="application/gzip" id="lodarix-wasm">${packed(readFileSync(wasmPath))}</script>`,
].join("\n");

const csp = [
  "default-src 'none'",
  `script-src ${[check, script, ...Object.values(late)].map(sha256).join(" ")} 'wasm-unsafe-eval'`,
  `style-src ${sha256(style)} ${sha256(noScriptStyle)}`,
  "font-src data:",
  "base-uri 'none'",
  "form-action 'none'",
].join("; ");
// The hashes cover the exact text between the tags, so the tags are written
// here, not in the template, which a formatter may indent.
const html = readFileSync(join(sources, "page.html"), "utf8")
  .replace("@CSP@", () => csp)
  .replace("@TITLE@", () => escapeHtml(facts.form.caption))
  .replace("<!-- @STYLE@ -->", () => `<style>${style}</style>`)
  .replace("<!-- @PAGE@ -->", () => `${notices}\n${page}`)
  .replace("<!-- @CHECK@ -->", () => `<script>${check}</script>`)
  .replace("<!-- @SCRIPT@ -->", () => `<script type="module">${script}</script>`)
  .replace("<!-- @KEPT@ -->", () => kept);
writeFileSync(outPath, html);
