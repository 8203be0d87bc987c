// The window's description as the page's first script carries it: packed and
// unpacked, it is the same description, whatever its controls share; and
// packing leaves out exactly what most controls share.
import { test } from "node:test";
import assert from "node:assert/strict";
import { packForm, unpackForm } from "../src/packed_form.js";

const rect = { left: 0, top: 0, width: 10, height: 10 };
/** @param {Record<string, unknown>} fields @returns {any} */
const control = (fields) => ({
  name: "Option1",
  index: 0,
  rect,
  enabled: true,
  items: [],
  ...fields,
});
const form = (/** @type {any[]} */ controls) =>
  /** @type {import("../src/lodarix.js").FormDescription} */ ({
    name: "Lodarix",
    caption: "Lodarix",
    width: 100,
    height: 80,
    background: null,
    font: { family: "Serif", pointSize: 12, weight: 400 },
    controls,
  });

test("packed and unpacked, a description is the same", () => {
  for (const controls of [
    [],
    [control({})],
    [control({ index: null }), control({ index: 1 }), control({ index: 2, enabled: false })],
    [control({ items: ["I", "II"] }), control({ items: ["I", "II"], rect: { ...rect, top: 5 } })],
  ])
    assert.deepEqual(unpackForm(packForm(form(controls))), form(controls));
});

test("what most controls share is written once, what each has alone stays with it", () => {
  const controls = [
    control({ index: 0 }),
    control({ index: 1 }),
    control({ index: 2, enabled: false }),
  ];
  const { form: packed, common } = packForm(form(controls));
  assert.deepEqual(common, { name: "Option1", rect, enabled: true, items: [] });
  assert.deepEqual(packed.controls, [{ index: 0 }, { index: 1 }, { index: 2, enabled: false }]);
});
