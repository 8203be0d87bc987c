// The window as markup, written into the page when it is built, from the
// core's description of the window as it stands once loaded: the form with
// its controls in the stored order (so a later control is drawn above an
// earlier one it overlaps), each in its container, with its texts, roles and
// initial state, in the tab order of the tab indices; and a style sheet with
// each control's rectangle (times the page's scale) and colours, since the
// page's policy allows no style attribute. The option buttons of a container
// form a radio group, read out in the order they appear; a floor button (a
// graphical option button) is a push button that says what its marker means;
// the title label is the page's heading. Every element that stands for a
// control carries data-control, its name and index, by which the page's
// script adopts it (src/form_view.js).

import { controlKey } from "../src/control_key.js";
import { LinesPerBlock } from "../src/text_box.js";

/** @typedef {import("../src/lodarix.js").FormDescription} FormDescription */
/** @typedef {import("../src/lodarix.js").ControlDescription} ControlDescription */

/**
 * The room the page's tools take below the form (two rows of buttons and the
 * gaps) and beside it (a column of icons and the gap), in the desktop
 * window's pixels, as page_layout.js measures them once the script has
 * added them: the style keeps it for them until then (layout.css).
 */
const ToolsRoom = { below: 72, beside: 38 };

/** @param {string} text */
export const escapeHtml = (text) =>
  text.replace(
    /[&<>"]/g,
    (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" })[c] ?? c,
  );

/**
 * A length of the desktop window in pixels, as the page shows it (--form-px,
 * layout.css).
 * @param {number | string} pixels
 */
const scaled = (pixels) => `calc(${pixels} * var(--form-px))`;

/** @param {Record<string, string | number | boolean | null>} attributes */
function attributeText(attributes) {
  return Object.entries(attributes)
    .filter(([, value]) => value !== null && value !== false)
    .map(([name, value]) =>
      value === true ? ` ${name}` : ` ${name}="${escapeHtml(String(value))}"`,
    )
    .join("");
}

/**
 * The status box's text as the box keeps it (src/text_box.js): one block,
 * its lines ended by line feeds, and a placeholder after a final one.
 * @param {string} text
 */
function textBlock(text) {
  if (text === "") return "";
  if (text.split("\n").length - 1 > LinesPerBlock)
    throw new Error(`a text box's first text is longer than ${LinesPerBlock} lines`);
  return `<div>${escapeHtml(text)}${text.endsWith("\n") ? "<br>" : ""}</div>`;
}

/**
 * @param {ControlDescription} control
 * @param {Record<string, string | number | boolean | null>} common
 */
function controlMarkup(control, common) {
  const tabIndex = control.tabIndex === null ? null : control.tabIndex + 1;
  switch (control.kind) {
    case "OptionButton":
      if (control.graphical)
        return `<button${attributeText({
          type: "button",
          class: "floor-button",
          ...common,
          role: "radio",
          "aria-checked": String(control.selected),
          "aria-label": `${control.accessibleName}, ${control.accessibleDescription}`,
          "aria-description": control.accessibleDescription,
          tabindex: tabIndex,
        })}>${escapeHtml(control.text)}</button>`;
      return `<label${attributeText({ class: "option-button", ...common })}><input${attributeText({
        type: "radio",
        checked: control.selected,
        tabindex: tabIndex,
      })}><span>${escapeHtml(control.text)}</span></label>`;
    case "ListBox":
      return `<select${attributeText({
        class: "list-box",
        ...common,
        size: Math.max(2, control.items.length),
        "aria-label": control.accessibleName || null,
        tabindex: tabIndex,
      })}>${control.items.map((item) => `<option>${escapeHtml(item)}</option>`).join("")}</select>`;
    case "TextBox":
      return `<div${attributeText({
        class: "text-box",
        ...common,
        role: "textbox",
        "aria-multiline": "true",
        "aria-label": control.accessibleName || null,
        contenteditable: "true",
        spellcheck: "false",
        autocapitalize: "off",
        autocorrect: "off",
        tabindex: tabIndex,
      })}>${textBlock(control.text)}</div>`;
    case "Label":
      return `<div${attributeText({
        class: "label",
        ...common,
        role: "heading",
        "aria-level": "1",
      })}>${escapeHtml(control.text)}</div>`;
    default:
      throw new Error(`${control.name}: no markup for a ${control.kind}`);
  }
}

/**
 * The form's markup and its style sheet.
 * @param {FormDescription} description
 * @returns {{ html: string, css: string }}
 */
export function formMarkup(description) {
  const { width, height } = description;
  const css = [
    `:root{--form-width:${width}px;--form-w:${width};--form-h:${height};` +
      `--tools-below:${ToolsRoom.below};--tools-beside:${ToolsRoom.beside}}`,
    // Where the form is larger with the tools beside it.
    `@media (min-aspect-ratio:${width + ToolsRoom.beside}/${height + ToolsRoom.below}){` +
      `:root:not([data-size]) .form-column{flex-direction:row}` +
      `:root:not([data-size]) .page-tools{min-height:0;min-width:${scaled(ToolsRoom.beside - 6)}}}`,
    `#${description.name}{width:${scaled(description.width)};height:${scaled(description.height)};` +
      `--background:${description.background ?? ""};background-color:var(--background);` +
      `font-family:"Lodarix Serif","${description.font.family}",serif;` +
      `font-size:calc(${(description.font.pointSize * 4) / 3} * var(--form-px));` +
      `font-weight:${description.font.weight}}`,
    // Each control's rectangle, from its own rule's --x, --y, --w and --h.
    `#${description.name} [data-control]{left:${scaled("var(--x)")};top:${scaled("var(--y)")};` +
      `width:${scaled("var(--w)")};height:${scaled("var(--h)")}}`,
  ];
  /** @typedef {{ control: ControlDescription, children: string[], radios: [ControlDescription, string][] }} Frame */
  /** @type {Map<string, Frame>} */
  const containers = new Map();
  /** @type {(string | Frame)[]} the form's own controls' markup, and its frames */
  const top = [];
  for (const control of description.controls) {
    if (control.kind === "Timer") continue;
    const key = controlKey(control.name, control.index);
    const { left, top: y, width, height } = control.rect;
    css.push(
      `[data-control="${key}"]{--x:${left};--y:${y};--w:${width};--h:${height}` +
        `${control.background ? `;--face:${control.background}` : ""}}`,
    );
    const common = { "data-control": key, hidden: !control.visible };
    const into = control.container ? containers.get(control.container) : undefined;
    if (control.container && !into) throw new Error(`${key}: its container comes after it`);
    if (control.kind === "Frame") {
      /** @type {Frame} */
      const frame = { control, children: [], radios: [] };
      containers.set(control.name, frame);
      top.push(frame);
      continue;
    }
    const markup = controlMarkup(control, common);
    if (control.kind === "OptionButton" && into) into.radios.push([control, markup]);
    else (into?.children ?? top).push(markup);
  }
  const frameMarkup = (/** @type {Frame} */ { control, children, radios }) => {
    radios.sort(([a], [b]) => a.rect.top - b.rect.top || a.rect.left - b.rect.left);
    return `<div${attributeText({
      class: "frame",
      "data-control": controlKey(control.name, control.index),
      hidden: !control.visible,
      role: radios.length ? "radiogroup" : "group",
      "aria-label": control.accessibleName || null,
    })}>${[...children, ...radios.map(([, markup]) => markup)].join("")}</div>`;
  };
  const html = `<div class="form" id="${escapeHtml(description.name)}">${top
    .map((part) => (typeof part === "string" ? part : frameMarkup(part)))
    .join("")}</div>`;
  return { html, css: css.join("\n") };
}
