// The window's description as the build writes it into the page's first
// script, where every byte delays the first frame: each control with only
// the fields in which it differs from most controls, and those most common
// fields once. The build packs it (tools/build_page.mjs); the page's start
// unpacks it (main.js).

/** @typedef {import("./lodarix.js").FormDescription} FormDescription */
/** @typedef {import("./lodarix.js").ControlDescription} ControlDescription */
/**
 * @typedef {object} PackedForm
 * @property {Omit<FormDescription, "controls"> & { controls: Partial<ControlDescription>[] }} form
 * @property {Partial<ControlDescription>} common each field's value in most controls
 */

/**
 * @param {FormDescription} form
 * @returns {PackedForm}
 */
export function packForm(form) {
  /** @type {Map<string, Map<string, number>>} */
  const counts = new Map();
  for (const control of form.controls) {
    for (const [field, value] of Object.entries(control)) {
      const values = counts.get(field) ?? new Map();
      const text = JSON.stringify(value);
      values.set(text, (values.get(text) ?? 0) + 1);
      counts.set(field, values);
    }
  }
  /** @type {Record<string, unknown>} */
  const common = {};
  for (const [field, values] of counts) {
    const [text, count] = [...values].reduce((most, next) => (next[1] > most[1] ? next : most));
    if (count > 1) common[field] = JSON.parse(text);
  }
  const controls = form.controls.map((control) =>
    Object.fromEntries(
      Object.entries(control).filter(
        ([field, value]) =>
          !(field in common) || JSON.stringify(value) !== JSON.stringify(common[field]),
      ),
    ),
  );
  return { form: { ...form, controls }, common };
}

/**
 * @param {PackedForm} packed
 * @returns {FormDescription}
 */
export function unpackForm({ form, common }) {
  return {
    ...form,
    controls: form.controls.map(
      (control) => /** @type {ControlDescription} */ ({ ...common, ...control }),
    ),
  };
}
