// The page's start: the core's module (createLodarix, placed before this
// script in the same file), the form built from the core's description, and
// the trip rules bound to it. A floor button's click and the step timer are
// the only events that run a rule; the focus then starts at the first control
// in tab order, as on the desktop.

import { buildForm } from "./form_view.js";
import { LiveLog } from "./live_log.js";
import { windowControls } from "./window_controls.js";

// With a synchronous compile the factory gives the ready module itself.
const core = await createLodarix();
const description = core.formDescription();

/** @type {import("./lodarix.js").PageWindow | undefined} */
let rules;
const view = buildForm(document, description, {
  onPick: (floor) => rules?.pick(floor),
  onStep: () => rules?.step(),
});
const log = new LiveLog(document);
const failure = document.createElement("p");
failure.className = "failure";
failure.setAttribute("role", "alert");
failure.hidden = true;
document.body.append(view.form, failure, log.element);

// A failure inside a rule ends the window, as on the desktop, and says why.
const stop = (/** @type {string} */ message) => {
  view.form.inert = true;
  failure.textContent = message;
  failure.hidden = false;
  console.error(message);
};
rules = new core.PageWindow(windowControls(view.registry, log, stop));
if (rules.load()) {
  view.tabOrder.find((control) => !control.hidden)?.focus();
  document.body.dataset.ready = "true";
}
