// Adopts the window that the build wrote into the page (tools/form_markup.mjs)
// from its description: each control's element, found by its data-control,
// becomes a control of the registry, with what the rules do to it (paint,
// select, write) and the events it raises. The option buttons of a
// container form a radio group; a click on one selects it and raises a pick
// (a floor button) or a grille click. The step timer, which has no element,
// is made here. The controls are found by name and index in the returned
// registry. The window goes back to its description when a program starts
// afresh (reset).

import { controlKey } from "./control_key.js";
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
 * @property {(key: string) => void} click an option button's click, as the user makes it
 * @property {(stored: import("./lodarix.js").StoredState[]) => void} reset puts every
 *   control back as the description has it, or as stored where the load changes it
 */

/**
 * @typedef {object} FormEvents
 * @property {(floor: number) => void} onPick a floor button was clicked and selected
 * @property {(dueMs: number) => void} onStep the step timer fired
 * @property {() => void} onGrille a grille button was clicked and selected, which runs no rule
 */

/**
 * @param {Document} document
 * @param {FormDescription} description
 * @param {FormEvents} events
 * @returns {FormView}
 */
export function adoptForm(document, description, events) {
  const form = /** @type {HTMLElement} */ (document.getElementById(description.name));
  /** @type {Map<string, HTMLElement>} */
  const elements = new Map();
  for (const element of form.querySelectorAll("[data-control]"))
    elements.set(
      /** @type {string} */ (element.getAttribute("data-control")),
      /** @type {HTMLElement} */ (element),
    );

  /** @type {Map<string, Control>} */
  const registry = new Map();
  /** @type {Map<HTMLElement, RadioGroup>} */
  const groups = new Map();
  /** @type {[number, HTMLElement][]} */
  const tabbed = [];
  for (const control of description.controls) {
    const key = controlKey(control.name, control.index);
    const made = adoptControl(elements.get(key) ?? null, control, events);
    const container = made.element?.parentElement;
    if (made.member && container) {
      let group = groups.get(container);
      if (!group) groups.set(container, (group = new RadioGroup()));
      group.add(made.member);
      made.group = group;
    }
    if (made.focusable && control.tabIndex !== null)
      tabbed.push([control.tabIndex, made.focusable]);
    registry.set(key, made);
  }

  /** @type {FormView["click"]} */
  const click = (key) => {
    const control = registry.get(key);
    if (!control?.member || !control.group) return;
    control.group.select(control.member);
    const { graphical, index } = control.description;
    if (graphical && index !== null) events.onPick(index);
    else events.onGrille();
  };
  for (const [key, control] of registry) {
    control.member?.focusable.addEventListener("click", (event) => {
      if (isRepeatClick(event)) event.preventDefault();
      else click(key);
    });
  }
  tabbed.sort((a, b) => a[0] - b[0]);
  /** @type {FormView["reset"]} */
  const reset = (stored) => {
    for (const [key, control] of registry) {
      const { description, element, member, box, timer } = control;
      const state = stored.find((one) => controlKey(one.name, one.index) === key) ?? description;
      if (state.background) control.paint?.(state.background, description.accessibleDescription);
      if (member && state.selected) control.group?.select(member);
      else member?.markDeselected();
      box?.replace(state.text);
      box?.takeUserEdit();
      timer?.stop();
      if (state.enabled) timer?.start();
      if (element) element.hidden = !state.visible;
    }
  };
  return { form, registry, tabOrder: tabbed.map(([, element]) => element), click, reset };
}

/**
 * @param {HTMLElement | null} element
 * @param {ControlDescription} control
 * @param {FormEvents} events
 * @returns {Control}
 */
function adoptControl(element, control, events) {
  /** @type {Control} */
  const made = { description: control, element, focusable: null };
  switch (control.kind) {
    case "OptionButton":
      Object.assign(made, optionButton(/** @type {HTMLElement} */ (element), control));
      break;
    case "ListBox":
      made.focusable = element;
      made.items = [...control.items];
      break;
    case "TextBox":
      made.box = new TextBox(/** @type {HTMLElement} */ (element));
      made.focusable = element;
      break;
    case "Timer":
      made.timer = new StepTimer(control.intervalMs, (dueMs) => events.onStep(dueMs));
      if (control.enabled) made.timer.start();
      break;
  }
  return made;
}

/**
 * A floor button, drawn as a push button that goes by its floor and says
 * what its marker means, or a grille button, a native radio button in its label.
 * @param {HTMLElement} element
 * @param {ControlDescription} control
 * @returns {Partial<Control>}
 */
function optionButton(element, control) {
  if (!control.graphical) {
    const input = /** @type {HTMLInputElement} */ (element.querySelector("input"));
    return {
      focusable: input,
      paint: (color) => element.style.setProperty("--face", color),
      member: {
        element,
        focusable: input,
        rect: control.rect,
        markSelected: () => (input.checked = true),
        markDeselected: () => (input.checked = false),
        isSelected: () => input.checked,
      },
    };
  }
  // Enter does not click it, as on the desktop; Space does. A press gives it
  // the focus in every browser, so that its cue shows.
  element.addEventListener("keydown", (event) => {
    if (event.key === "Enter") event.preventDefault();
  });
  element.addEventListener("pointerdown", () => element.focus({ preventScroll: true }));
  return {
    focusable: element,
    paint: (color, meaning) => {
      element.style.setProperty("--face", color);
      element.setAttribute("aria-label", `${control.accessibleName}, ${meaning}`);
      element.setAttribute("aria-description", meaning);
    },
    member: {
      element,
      focusable: element,
      rect: control.rect,
      markSelected: () => element.setAttribute("aria-checked", "true"),
      markDeselected: () => element.setAttribute("aria-checked", "false"),
      isSelected: () => element.getAttribute("aria-checked") === "true",
    },
  };
}
