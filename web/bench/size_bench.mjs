// The size of lodarix.html, as it is and gzipped, and what it carries
// (group "size"): the scripts run at start, the parts kept packed for later,
// the core's wasm, the style and the font inside it.
import { readFileSync, statSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { fixed } from "./figures.mjs";

/** @param {number} bytes */
const kb = (bytes) => `${fixed(bytes / 1000)} KB`;
/** The page's size before it showed the form's code, and what that may add. */
const BeforeFormCode = 215_736;
const Budget = BeforeFormCode + 30_000;

/**
 * @param {import("./figures.mjs").Bench} bench
 * @returns {Promise<import("./figures.mjs").Figure[]>}
 */
export async function sizeFigures({ pagePath }) {
  const page = readFileSync(pagePath, "utf8");
  const bytes = statSync(pagePath).size;
  const gzipped = gzipSync(page, { level: 9 }).length;
  /** @param {RegExp} pattern */
  const sum = (pattern) =>
    [...page.matchAll(pattern)].reduce((total, match) => total + Buffer.byteLength(match[1]), 0);
  const run = sum(/<script(?: type="module")?>([\s\S]*?)<\/script>/g);
  const late = sum(
    /<script type="application\/gzip" id="lodarix-late-[a-z]+" data-late="[a-z ]+">([^<]*)<\/script>/g,
  );
  const wasm = sum(/<script type="application\/gzip" id="lodarix-wasm">([^<]*)<\/script>/g);
  const font = sum(/url\((data:font\/woff2;base64,[^)]*)\)/g);
  const style = sum(/<style>([\s\S]*?)<\/style>/g) - font;
  return [
    [
      "size of lodarix.html",
      `${kb(bytes)} (${kb(gzipped)} gzipped)`,
      `≤ ${kb(Budget)}: ${kb(BeforeFormCode)} before the form's code, and 30 KB`,
      bytes <= Budget,
    ],
    [
      "inside it",
      `scripts run at start ${kb(run)}, later parts ${kb(late)} and wasm ${kb(wasm)} ` +
        `(gzipped, in base 85), style ${kb(style)}, font ${kb(font)}`,
      "",
      true,
    ],
  ];
}
