// A question answered yes or no, in a native modal dialog, which keeps the
// focus until it is answered and gives it back; Escape answers no. The
// dialog is made for the question and goes with its answer.

import { button, make } from "./elements.js";

let questions = 0;

/**
 * @param {HTMLElement} near where the dialog is placed
 * @param {string} title
 * @param {string} question
 * @param {Record<string, string>} texts with Yes and No
 * @returns {Promise<boolean>} whether the answer was yes
 */
export function ask(near, title, question, texts) {
  const document = near.ownerDocument;
  const dialog = /** @type {HTMLDialogElement} */ (make(document, "dialog", undefined, "question"));
  const id = `question-${++questions}`;
  const heading = make(document, "h3", title);
  heading.id = `${id}-title`;
  const text = make(document, "p", question);
  text.id = `${id}-text`;
  dialog.setAttribute("aria-labelledby", heading.id);
  dialog.setAttribute("aria-describedby", text.id);
  const answers = make(document, "div", undefined, "code-controls");
  /** @type {(yes: boolean) => void} */
  let answer = () => {};
  const yes = button(document, texts.Yes, () => dialog.close("yes"));
  answers.append(
    yes,
    button(document, texts.No, () => dialog.close("no")),
  );
  dialog.append(heading, text, answers);
  // Escape answers here, and closes nothing else.
  dialog.addEventListener("keydown", (event) => {
    if (event.key === "Escape") event.stopPropagation();
  });
  dialog.addEventListener("close", () => {
    dialog.remove();
    answer(dialog.returnValue === "yes");
  });
  near.append(dialog);
  dialog.showModal();
  yes.focus();
  return new Promise((resolve) => (answer = resolve));
}
