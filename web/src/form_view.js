// Builds the window from its description: the form with its client size,
// background and font, then every control in the stored order (so a later
// control is drawn above an earlier one it overlaps), each placed in its
// container at its pixel rectangle (times the page's scale), with its
// colours, texts and initial state, in the tab order of the tab indices. The
// option buttons of a container form a radio group; a floor button (a
// graphical option button) is drawn as a push button that goes by its floor
// and says what its marker means; the title label is the page's heading. The
// controls are found by name and index in the returned registry.

import { RadioGroup, isRepeatClick } from "./radio_group.js";
import { StepTimer } from "./step_timer.js";
import { TextBox } from "./text_box.js";

/** @typedef {import("./lodarix.js").FormDescription} FormDescription */
/** @typedef {import("./lodarix.js").ControlDescription} ControlDescription */

/**
 * @typedef {object} Control
 * @property {ControlDescription} description
 * @property {HTMLElement | null} element
 * @property {HTMLElement | null} focusable what takes the focus, if anything
 * @property {RadioGroup} [group]
 * @property {import("./radio_group.js").GroupMember} [member]
 * @property {(color: string, meaning: string) => void} [paint]
 * @property {TextBox} [box]
 * @property {StepTimer} [timer]
 * @property {string[]} [items]
 */

/**
 * @typedef {object} FormView
 * @property {HTMLElement} form
 * @property {Map<string, Control>} registry by controlKey(name, index)
 * @property {HTMLElement[]} tabOrder the controls that take the focus, by tab index
 */

/**
 * @param {string} name
 * @param {number | null} index
 */
export function controlKey(name, index) {
  return index === null ? name : `${name}(${index})`;
}

/**
 * A length of the desktop window in pixels, as the page shows it: times the
 * page's scale (page_layout.js), exact at the original size.
 * @param {number} pixels
 */
export function scaled(pixels) {
  return `calc(${pixels}px * var(--form-scale, 1))`;
}

/**
 * @param {HTMLElement} element
 * @param {{ left: number, top: number, width: number, height: number }} rect
 */
function place(element, rect) {
  element.style.left = scaled(rect.left);
  element.style.top = scaled(rect.top);
  element.style.width = scaled(rect.width);
  element.style.height = scaled(rect.height);
}

/**
 * @param {Document} document
 * @param {FormDescription} description
 * @param {{ onPick: (floor: number) => void, onStep: (dueMs: number) => void, onGrille?: () => void }} events
 *   onGrille: a grille button was clicked and selected, which runs no rule
 * @returns {FormView}
 */
export function buildForm(document, description, events) {
  const form = document.createElement("div");
  form.className = "form";
  form.id = description.name;
  form.style.width = scaled(description.width);
  form.style.height = scaled(description.height);
  form.style.setProperty("--background", description.background ?? "");
  form.style.backgroundColor = "var(--background)";
  form.style.fontFamily = `"Lodarix Serif", "${description.font.family}", serif`;
  form.style.fontSize = `calc(${description.font.pointSize}pt * var(--form-scale, 1))`;
  form.style.fontWeight = String(description.font.weight);

  /** @type {Map<string, Control>} */
  const registry = new Map();
  /** @type {Map<HTMLElement, RadioGroup>} */
  const groups = new Map();
  /** @type {[number, HTMLElement][]} */
  const tabbed = [];

  for (const control of description.controls) {
    const container = control.container
      ? /** @type {Control} */ (registry.get(controlKey(control.container, null))).element
      : form;
    const made = makeControl(document, control, events);
    if (made.element) {
      if (control.kind !== "Timer") place(made.element, control.rect);
      if (control.background) made.element.style.setProperty("--face", control.background);
      if (!control.visible) made.element.hidden = true;
      /** @type {HTMLElement} */ (container).append(made.element);
    }
    if (made.member && container) {
      let group = groups.get(container);
      if (!group) {
        group = new RadioGroup();
        groups.set(container, group);
        container.setAttribute("role", "radiogroup");
      }
      group.add(made.member);
      made.group = group;
      if (control.selected) group.select(made.member);
    }
    if (made.focusable && control.tabIndex !== null) {
      made.focusable.tabIndex = control.tabIndex + 1;
      tabbed.push([control.tabIndex, made.focusable]);
    }
    registry.set(controlKey(control.name, control.index), made);
  }

  for (const control of registry.values()) {
    const { member, group, description: described } = control;
    if (!member || !group) continue;
    member.focusable.addEventListener("click", (event) => {
      if (isRepeatClick(event)) {
        event.preventDefault();
        return;
      }
      group.select(member);
      if (described.graphical && described.index !== null) events.onPick(described.index);
      else events.onGrille?.();
    });
  }
  // A group's buttons are read out in the order they appear.
  for (const [container, group] of groups)
    container.append(...group.members.map((member) => member.element));
  tabbed.sort((a, b) => a[0] - b[0]);
  return { form, registry, tabOrder: tabbed.map(([, element]) => element) };
}

/**
 * @param {Document} document
 * @param {ControlDescription} control
 * @param {{ onStep: (dueMs: number) => void }} events
 * @returns {Control}
 */
function makeControl(document, control, events) {
  /** @type {Control} */
  const made = { description: control, element: null, focusable: null };
  switch (control.kind) {
    case "Frame": {
      made.element = document.createElement("div");
      made.element.className = "frame";
      made.element.setAttribute("role", "group");
      if (control.accessibleName) made.element.setAttribute("aria-label", control.accessibleName);
      break;
    }
    case "OptionButton":
      Object.assign(
        made,
        control.graphical ? floorButton(document, control) : optionButton(document, control),
      );
      break;
    case "ListBox": {
      const list = document.createElement("select");
      list.className = "list-box";
      list.size = Math.max(2, control.items.length);
      if (control.accessibleName) list.setAttribute("aria-label", control.accessibleName);
      for (const item of control.items) list.append(new Option(item));
      made.element = made.focusable = list;
      made.items = [...control.items];
      break;
    }
    case "TextBox": {
      made.box = new TextBox(document, control.accessibleName, control.text);
      made.element = made.focusable = made.box.element;
      break;
    }
    case "Label": {
      // The window's title, and so the page's heading.
      made.element = document.createElement("div");
      made.element.className = "label";
      made.element.setAttribute("role", "heading");
      made.element.setAttribute("aria-level", "1");
      made.element.textContent = control.text;
      break;
    }
    case "Timer": {
      made.timer = new StepTimer(control.intervalMs, (dueMs) => events.onStep(dueMs));
      if (control.enabled) made.timer.start();
      break;
    }
  }
  return made;
}

/**
 * @param {Document} document
 * @param {ControlDescription} control
 * @returns {Partial<Control>}
 */
function floorButton(document, control) {
  const button = document.createElement("button");
  button.type = "button";
  button.className = "floor-button";
  button.textContent = control.text;
  button.setAttribute("role", "radio");
  button.setAttribute("aria-checked", "false");
  // Enter does not click it, as on the desktop; Space does.
  button.addEventListener("keydown", (event) => {
    if (event.key === "Enter") event.preventDefault();
  });
  // A press gives it the focus in every browser, so that its cue shows.
  button.addEventListener("pointerdown", () => button.focus({ preventScroll: true }));
  const paint = (/** @type {string} */ color, /** @type {string} */ meaning) => {
    button.style.setProperty("--face", color);
    button.setAttribute("aria-label", `${control.accessibleName}, ${meaning}`);
    button.setAttribute("aria-description", meaning);
  };
  paint(control.background ?? "", control.accessibleDescription);
  return {
    element: button,
    focusable: button,
    paint,
    member: {
      element: button,
      focusable: button,
      rect: control.rect,
      markSelected: () => button.setAttribute("aria-checked", "true"),
      markDeselected: () => button.setAttribute("aria-checked", "false"),
      isSelected: () => button.getAttribute("aria-checked") === "true",
    },
  };
}

/**
 * @param {Document} document
 * @param {ControlDescription} control
 * @returns {Partial<Control>}
 */
function optionButton(document, control) {
  const label = document.createElement("label");
  label.className = "option-button";
  const input = document.createElement("input");
  input.type = "radio";
  input.checked = control.selected;
  const caption = document.createElement("span");
  caption.textContent = control.text;
  label.append(input, caption);
  return {
    element: label,
    focusable: input,
    paint: (color) => label.style.setProperty("--face", color),
    member: {
      element: label,
      focusable: input,
      rect: control.rect,
      markSelected: () => (input.checked = true),
      markDeselected: () => (input.checked = false),
      isSelected: () => input.checked,
    },
  };
}
