// The browser floor is stated once for each reader, and the same in each:
// the browserslist of package.json that the lint holds the page to, the
// page's own notice (core/texts/page_texts.h), the README and the teacher's
// guide; and the oldest Blink the tests run is the floor's.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { pageFacts } from "./support/page_facts.js";

const read = (/** @type {string} */ path) =>
  readFileSync(new URL(`../${path}`, import.meta.url), "utf8");
const manifest = JSON.parse(read("package.json"));

/** The lowest version of each browser the browserslist names. */
function floor() {
  /** @type {Record<string, string>} */
  const versions = {};
  for (const query of manifest.browserslist) {
    const [, browser, version] = /^(\w+) >= ([\d.]+)$/.exec(query) ?? [];
    assert.ok(browser, `"${query}" is "BROWSER >= VERSION"`);
    versions[browser] = version;
  }
  return versions;
}

test("the browserslist names the floor: Chrome and Edge 103, Firefox 115, Safari 16.4", () => {
  assert.deepEqual(floor(), {
    chrome: "103",
    edge: "103",
    firefox: "115",
    safari: "16.4",
    ios_saf: "16.4",
  });
});

test("the notice, the README and the guide state that floor", () => {
  const { chrome, edge, firefox, safari, ios_saf: ios } = floor();
  assert.equal(chrome, edge);
  const { WhatToDo } = pageFacts().pageTexts;
  for (const phrase of [`Chrome или Edge ${chrome}`, `Firefox ${firefox}`, `Safari ${safari}`])
    assert.ok(WhatToDo.includes(phrase), `the notice: ${phrase}`);
  assert.match(WhatToDo, new RegExp(`iOS ${ios.replace(".", "\\.")}`));
  const readme = read("../README.md").replace(/\s+/g, " ");
  for (const phrase of [`Chrome or Edge ${chrome}`, `Firefox ${firefox}`, `Safari ${safari}`])
    assert.ok(readme.includes(phrase), `the README: ${phrase}`);
  const guide = read("../docs/guide-bg.md").replace(/\s+/g, " ");
  for (const phrase of [`Chrome или Edge ${chrome}`, `Firefox ${firefox}`, `Safari ${safari}`])
    assert.ok(guide.includes(phrase), `the guide: ${phrase}`);
});

test("the oldest Blink the tests run is the floor's", () => {
  const tested = Object.entries(manifest.devDependencies)
    .map(([name, version]) => [name, /^npm:@sparticuz\/chromium@(\d+)\./.exec(String(version))])
    .filter(([, match]) => match);
  const { chrome } = floor();
  const majors = tested.map(([, match]) => Number(/** @type {RegExpExecArray} */ (match)[1]));
  assert.ok(majors.includes(Number(chrome)), `Chromium ${chrome} among ${majors}`);
  assert.ok(
    majors.some((major) => major < Number(chrome)),
    "and one below it, for the notice",
  );
});
