// Small builders of the page's own elements, outside the form: an element
// with its text and class, a button, a labelled number field, and a
// download of bytes the page made.

/**
 * @param {Document} document
 * @param {string} tag
 * @param {string} [text]
 * @param {string} [className]
 */
export function make(document, tag, text, className) {
  const element = document.createElement(tag);
  if (text !== undefined) element.textContent = text;
  if (className) element.className = className;
  return element;
}

/**
 * A button that runs onClick; title is its tooltip, if any.
 * @param {Document} document
 * @param {string} text
 * @param {() => void} onClick
 * @param {{ title?: string, className?: string }} [more]
 */
export function button(document, text, onClick, more = {}) {
  const made = /** @type {HTMLButtonElement} */ (make(document, "button", text, more.className));
  made.type = "button";
  if (more.title) made.title = more.title;
  made.addEventListener("click", onClick);
  return made;
}

/**
 * A spin field from min to max, labelled with text: a text field, so that
 * what was typed reaches its reader as typed (a decimal comma included).
 * @param {Document} document
 * @param {string} text
 * @param {{ min: number, max: number, decimals: boolean }} range
 */
export function spinField(document, text, { min, max, decimals }) {
  const label = make(document, "label", undefined, "motion-number");
  const input = /** @type {HTMLInputElement} */ (make(document, "input"));
  input.type = "text";
  input.inputMode = decimals ? "decimal" : "numeric";
  input.autocomplete = "off";
  input.spellcheck = false;
  input.setAttribute("role", "spinbutton");
  input.setAttribute("aria-valuemin", String(min));
  input.setAttribute("aria-valuemax", String(max));
  label.append(make(document, "span", text), input);
  return { label, input };
}

/**
 * Offers bytes as a download of the given name.
 * @param {Document} document
 * @param {BlobPart} bytes
 * @param {string} type
 * @param {string} name
 */
export function download(document, bytes, type, name) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement("a");
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 0);
}
