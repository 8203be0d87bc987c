// The size of lodarix.html, as it is and gzipped (group "size").
import { readFileSync, statSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { fixed } from "./figures.mjs";

/**
 * @param {import("./figures.mjs").Bench} bench
 * @returns {Promise<import("./figures.mjs").Figure[]>}
 */
export async function sizeFigures({ pagePath }) {
  const bytes = statSync(pagePath).size;
  const gzipped = gzipSync(readFileSync(pagePath), { level: 9 }).length;
  return [
    [
      "size of lodarix.html",
      `${fixed(bytes / 1000)} KB (${fixed(gzipped / 1000)} KB gzipped)`,
      "≤ 300 KB",
      bytes <= 300_000,
    ],
  ];
}
