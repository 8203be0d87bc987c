// The page's side of the window operations (web/page/page_operations.h): the
// object the core calls to reach a control by its name and index. Each call
// says whether it found the control, so that the core can report one that is
// not there; what the rules write into a text box is also announced, line by
// line, through the live log, and so is the caption of an option button the
// rules select in place of another (the grille opening on arrival), as on the
// desktop. The step timer starts at the time of the event that starts it.
// A failure inside a rule stops the page (onRunTimeError); one of the
// form's code goes to the code view (onFormCodeFailed). A period the form's
// code gives the step timer is told to onPeriod, for the teacher's interval.

import { controlKey } from "./control_key.js";

/** @typedef {import("./form_view.js").Control} Control */

/**
 * @param {Map<string, Control>} registry
 * @param {import("./live_log.js").LiveLog} log
 * @param {(message: string) => void} onRunTimeError
 * @param {(report: string, line: number) => void} onFormCodeFailed
 * @param {() => number} eventMs the page's time of the event at hand
 * @param {(periodMs: number) => void} onPeriod
 * @returns {import("./lodarix.js").WindowControls}
 */
export function windowControls(registry, log, onRunTimeError, onFormCodeFailed, eventMs, onPeriod) {
  /**
   * @param {string} name
   * @param {number | null} index
   */
  const find = (name, index) => registry.get(controlKey(name, index));
  return {
    /** @param {string} name @param {number} index @param {string} color @param {string} meaning */
    setBackColor(name, index, color, meaning) {
      const paint = find(name, index)?.paint;
      paint?.(color, meaning);
      return paint !== undefined;
    },
    /** @param {string} name @param {number} index */
    isSelected(name, index) {
      return find(name, index)?.member?.isSelected();
    },
    /** @param {string} name @param {number} index */
    select(name, index) {
      const control = find(name, index);
      if (!control?.member || !control.group) return false;
      const { member, group, description } = control;
      const moves = group.members.some((other) => other !== member && other.isSelected());
      group.select(member);
      if (moves) log.announce(description.text);
      return true;
    },
    /** @param {string} name @param {boolean} enabled */
    setTimerEnabled(name, enabled) {
      const timer = find(name, null)?.timer;
      if (enabled) timer?.start(eventMs());
      else timer?.stop();
      return timer !== undefined;
    },
    /** @param {string} name @param {number} index */
    text(name, index) {
      return find(name, index)?.box?.text();
    },
    /** @param {string} name @param {number} index @param {string} text */
    replaceText(name, index, text) {
      const box = find(name, index)?.box;
      box?.replace(text);
      if (box) log.announce(text);
      return box !== undefined;
    },
    /** @param {string} name @param {number} index @param {string} text */
    appendText(name, index, text) {
      const box = find(name, index)?.box;
      box?.append(text);
      if (box) log.announce(text);
      return box !== undefined;
    },
    /** @param {string} name @param {number} index */
    takeUserEdit(name, index) {
      return find(name, index)?.box?.takeUserEdit();
    },
    /** null when there is no such list, undefined when it has no such item. */
    /** @param {string} name @param {number} item */
    listItem(name, item) {
      const items = find(name, null)?.items;
      return items ? items[item] : null;
    },
    /** @param {string} name @param {number} index */
    caption(name, index) {
      return find(name, index)?.description.text;
    },
    /** @param {string} name */
    listCount(name) {
      return find(name, null)?.items?.length ?? null;
    },
    /** @param {string} name */
    period(name) {
      return find(name, null)?.timer?.periodMs ?? null;
    },
    /** @param {string} name @param {number} periodMs */
    setPeriod(name, periodMs) {
      const timer = find(name, null)?.timer;
      if (!timer) return false;
      timer.setPeriod(periodMs);
      onPeriod(periodMs);
      return true;
    },
    /** @param {string} name */
    hide(name) {
      const element = find(name, null)?.element;
      if (element) element.hidden = true;
      return element != null;
    },
    /** @param {string} message */
    runTimeError(message) {
      onRunTimeError(message);
    },
    /** @param {string} report @param {number} line */
    formCodeFailed(report, line) {
      onFormCodeFailed(report, line);
    },
  };
}
