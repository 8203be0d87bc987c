// What the user does to the form before its rules are loaded: the form is
// there from the page's first frame, and the core comes behind it. Each
// click on a control of the form (a floor button, a grille button) and each
// of the page's keys that it is given (the core's F1 to F4) is kept
// unapplied, with the time it was made: the grille button does not change
// its selection yet. An edit of a text box is refused meanwhile, since the
// load writes the box anew. Once the rules have run the load, the page takes
// what was kept, in order, and from then on the controls' own handlers act.
// It runs in the start-up check, before the page's modules, so that nothing
// done while they start is lost; so it is written in the oldest script
// language (ES5).

/**
 * @typedef {object} KeptEvent
 * @property {string} control the control's key (data-control), or "" for a key
 * @property {string} key the key pressed, or "" for a click
 * @property {number} detail a click's count in a series
 * @property {number} timeMs when it was made, on the page's clock
 */

/**
 * Keeps the form's clicks and the page's keys until release() is called.
 * @param {Document} document
 * @param {string[]} keys the page's keys, by KeyboardEvent.key
 * @returns {import("./lodarix.js").KeptInput}
 */
export function keepInput(document, keys) {
  /** @type {KeptEvent[]} */
  var kept = [];
  /** @param {MouseEvent} event */
  var onClick = function (event) {
    var target = /** @type {Element | null} */ (event.target);
    var control = target && target.closest ? target.closest(".form [data-control]") : null;
    if (!control) return;
    event.preventDefault();
    event.stopPropagation();
    kept.push({
      control: control.getAttribute("data-control") || "",
      key: "",
      detail: event.detail,
      timeMs: event.timeStamp,
    });
  };
  /** @param {KeyboardEvent} event */
  var onKey = function (event) {
    if (keys.indexOf(event.key) < 0 || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    event.stopPropagation();
    kept.push({ control: "", key: event.key, detail: 0, timeMs: event.timeStamp });
  };
  /** @param {Event} event */
  var onEdit = function (event) {
    var target = /** @type {Element | null} */ (event.target);
    if (target && target.closest && target.closest(".form")) event.preventDefault();
  };
  document.addEventListener("click", onClick, true);
  document.addEventListener("keydown", onKey, true);
  document.addEventListener("beforeinput", onEdit, true);
  return {
    sinceMs: performance.now(),
    release: function () {
      document.removeEventListener("click", onClick, true);
      document.removeEventListener("keydown", onKey, true);
      document.removeEventListener("beforeinput", onEdit, true);
      var taken = kept;
      kept = [];
      return taken;
    },
  };
}
