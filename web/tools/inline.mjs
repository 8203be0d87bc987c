// node inline.mjs MODULE.mjs FACTS.js SOURCES FONT.woff2 OUT.html
// Writes the page as one self-contained file: first the start-up check
// (start_check.js), a classic script that runs in any browser, with the
// page's own texts (lodarixPageTexts); then one module script: the core's
// module, with its wasm taken out and put in again gzipped (lodarixWasm);
// the font's bytes; what the core says of the window (as it stands once
// loaded, so that the page can show it before the core is ready), of the
// motion view and of the events view, the short help and the screen
// controls' words, as the program FACTS prints it, once here rather than at
// every start (lodarixForm, lodarixMotionTexts, lodarixMotionControls,
// lodarixMotionGraph, lodarixHelp, lodarixScreenTexts, lodarixEventsTexts,
// lodarixEventsFacts); the page's ES modules from SOURCES joined. Both
// scripts are compacted (compact.mjs). Then the style (page.css, then the
// other style sheets of SOURCES by name); the window caption as the title;
// and a Content-Security-Policy that allows exactly those inline parts and
// the compile of the wasm, and nothing from anywhere.
//
// An inline script can import nothing, so each of the page's modules
// becomes a function whose result holds its exports, in an order where every
// module comes after those it imports; `import { a, b } from "./x.js";` and
// `export` before a declaration are all the module syntax the page uses.
import { createHash } from "node:crypto";
import { readFileSync, readdirSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { gzipSync } from "node:zlib";
import { execFileSync } from "node:child_process";
import { compactScript, compactStyle } from "./compact.mjs";

const [modulePath, factsPath, sources, fontPath, outPath] = process.argv.slice(2);
/** @param {string} path */
const read = (path) => readFileSync(path, "utf8");
/** @param {string} text */
const sha256 = (text) => `'sha256-${createHash("sha256").update(text, "utf8").digest("base64")}'`;
/** @param {string} text */
const escapeHtml = (text) =>
  text.replace(
    /[&<>"]/g,
    (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" })[c] ?? c,
  );

const importLine = /^import\s*\{([^}]*)\}\s*from\s*"\.\/([\w.]+)\.js";\s*$/gm;
const exported = /^export\s+(?:async\s+)?(?:function\*?|class|const|let)\s+([\w$]+)/gm;

/**
 * The page's modules that an entry imports, and the entry, joined into one
 * script's body, each module after those it imports. In a module script each
 * becomes an async function (it may await at its top level); in a classic
 * script a plain function, and its imports plain variables, so that the
 * script is no newer than the modules' own language.
 * @param {string} entry a module's file name without ".js"
 * @param {boolean} classic
 */
const joinModules = (entry, classic) => {
  /** @type {string[]} */
  const joined = [];
  /** @type {Set<string>} */
  const done = new Set();
  /**
   * @param {string} name
   * @param {string[]} trail the modules that import it, to catch a cycle
   */
  const add = (name, trail) => {
    if (done.has(name)) return;
    if (trail.includes(name)) throw new Error(`modules import each other: ${[...trail, name]}`);
    const text = read(join(sources, `${name}.js`));
    const imports = [...text.matchAll(importLine)];
    for (const [, , from] of imports) add(from, [...trail, name]);
    const names = [...text.matchAll(exported)].map((match) => match[1]);
    const body = text
      .replace(importLine, (_, /** @type {string} */ list, from) => {
        if (!classic) return `const {${list}} = module_${from};`;
        const bound = list.split(",").map((one) => one.trim());
        return `var ${bound.map((one) => `${one} = module_${from}.${one}`).join(", ")};`;
      })
      .replace(/^export\s+/gm, "");
    if (/^\s*(import|export)\b/m.test(body)) throw new Error(`${name}.js: module syntax left over`);
    const result = names.length
      ? `return { ${names.map((one) => (classic ? `${one}: ${one}` : one)).join(", ")} };`
      : "";
    joined.push(
      classic
        ? `var module_${name} = (function () {\n${body}\n${result}\n})();`
        : `const module_${name} = await (async () => {\n${body}\n${result}\n})();`,
    );
    done.add(name);
  };
  add(entry, []);
  return joined.join("\n");
};

// The factory stays a binding of the page's one module script. The module
// carries its wasm as a data URL of plain base64; the page carries it
// gzipped, less than half the size, and hands the factory the bytes
// (wasmBinary), so the data URL is left empty.
const module = read(modulePath);
const dataUrl = /(wasmBinaryFile=")data:application\/octet-stream;base64,([A-Za-z0-9+/=]+)"/;
const embedded = module.match(dataUrl);
if (!embedded) throw new Error(`${modulePath}: no embedded wasm`);
const factory = module
  .replace(/export default createLodarix;\s*$/, "")
  .replace(dataUrl, (_, start) => `${start}data:application/octet-stream;base64,"`);
const wasm = gzipSync(Buffer.from(embedded[2], "base64"), { level: 9 }).toString("base64");
const font = `const lodarixFont = "${readFileSync(fontPath).toString("base64")}";`;
const binaries = `${font}\nconst lodarixWasm = "${wasm}";`;
/** @type {{ form: { caption: string }, motionTexts: object, motionControls: object, motionGraph: object, help: object, screenTexts: object, eventsTexts: object, eventsFacts: object, pageTexts: object }} */
const pageFacts = JSON.parse(execFileSync(process.execPath, [factsPath], { encoding: "utf8" }));
const facts = [
  `const lodarixForm = ${JSON.stringify(pageFacts.form)};`,
  `const lodarixMotionTexts = ${JSON.stringify(pageFacts.motionTexts)};`,
  `const lodarixMotionControls = ${JSON.stringify(pageFacts.motionControls)};`,
  `const lodarixMotionGraph = ${JSON.stringify(pageFacts.motionGraph)};`,
  `const lodarixHelp = ${JSON.stringify(pageFacts.help)};`,
  `const lodarixScreenTexts = ${JSON.stringify(pageFacts.screenTexts)};`,
  `const lodarixEventsTexts = ${JSON.stringify(pageFacts.eventsTexts)};`,
  `const lodarixEventsFacts = ${JSON.stringify(pageFacts.eventsFacts)};`,
].join("\n");
/** @param {string} text */
const scriptText = (text) => text.replaceAll("</script", "<\\/script");
// The module marks its first line, so that the start-up check can tell a
// module that never ran.
const begun = `document.documentElement.setAttribute("data-start", "begun");`;
const script = scriptText(
  `${begun}\n${factory}\n${binaries}\n${facts}\n${compactScript(joinModules("main", false))}\n`,
);
const check = scriptText(
  compactScript(
    `var lodarixPageTexts = ${JSON.stringify(pageFacts.pageTexts)};\n` +
      `(function () {\n"use strict";\n${joinModules("start_check", true)}\n})();\n`,
  ),
);
const sheets = readdirSync(sources)
  .filter((name) => name.endsWith(".css") && name !== "page.css")
  .sort();
const style = compactStyle(
  ["page.css", ...sheets].map((name) => read(join(sources, name))).join("\n"),
);

const caption = pageFacts.form.caption;

const csp = [
  "default-src 'none'",
  `script-src ${sha256(check)} ${sha256(script)} 'wasm-unsafe-eval'`,
  `style-src ${sha256(style)}`,
  "base-uri 'none'",
  "form-action 'none'",
].join("; ");
// The hashes cover the exact text between the tags, so the tags are written
// here, not in the template, which a formatter may indent.
const page = read(join(sources, "page.html"))
  .replace("@CSP@", () => csp)
  .replace("@TITLE@", () => escapeHtml(caption))
  .replace("<!-- @STYLE@ -->", () => `<style>${style}</style>`)
  .replace("<!-- @CHECK@ -->", () => `<script>${check}</script>`)
  .replace("<!-- @SCRIPT@ -->", () => `<script type="module">${script}</script>`);
writeFileSync(outPath, page);
