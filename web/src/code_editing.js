// The pupil's own program, above the code view's listing: "Промени" shows
// the editor (code_editor.js); "Изпълни" has the core read its text and,
// where it reads, the form start afresh on it (start), else the report shows
// and the editor marks where; "Към оригинала" brings the original back and
// runs it. "Сравни" and "Сравни по скрипт…" have the core compare the
// program that runs with the reference, the original or a teacher's program
// ("Образец…"), in one call each, and the line where they part is lit
// (differs). Programs open through the core's rule for a program file and
// save as downloads; nothing is stored. While the text differs from the one
// last opened, saved or brought back, the page warns before it unloads, and
// a question comes before another program replaces it (question_dialog.js).
// A line above the editor says what the form runs and what it is compared with.

import { CodeEditor } from "./code_editor.js";
import { button, download, make } from "./elements.js";
import { ask } from "./question_dialog.js";

/** @typedef {import("./lodarix.js").Core} Core */
/** @typedef {import("./lodarix.js").PageWindow} PageWindow */

/**
 * @typedef {object} EditingActs
 * @property {() => void} start the program read last runs the form afresh
 * @property {(line: number) => void} differs the line of the program that runs, where it parts
 */

const ProgramFiles = ".bas,text/plain";
const ScriptFiles = ".txt,text/plain";

/** @param {string} pattern @param {...string} values */
const fill = (pattern, ...values) =>
  values.reduce((text, value) => text.replace("{}", () => value), pattern);

export class CodeEditing {
  #core;
  #rules;
  #texts;
  #maxFileBytes;
  #acts;
  #original;
  /** The text last opened, saved or brought back. */
  #kept;
  /** The name of the file last opened or saved, or "". */
  #fileName = "";
  #runs;
  #reference;
  /** @type {(file: File) => void} */
  #chosen = () => {};
  #warn = (/** @type {BeforeUnloadEvent} */ event) => {
    event.preventDefault();
    event.returnValue = true;
  };

  /**
   * @param {Document} document
   * @param {Core} core
   * @param {PageWindow} rules
   * @param {Record<string, string>} texts the words of editing the code
   * @param {number} maxFileBytes the most of a file read as a program
   * @param {EditingActs} acts
   */
  constructor(document, core, rules, texts, maxFileBytes, acts) {
    this.#core = core;
    this.#rules = rules;
    this.#texts = texts;
    this.#maxFileBytes = maxFileBytes;
    this.#acts = acts;
    const t = texts;
    this.#original = this.#kept = core.originalCode();
    this.#runs = t.OriginalName;
    this.#reference = "";

    this.editButton = button(document, t.Edit, () => this.setEditing(!this.editing), {
      title: t.EditTip,
    });
    this.editButton.setAttribute("aria-pressed", "false");
    const run = button(document, t.Run, () => this.run(), { title: t.RunTip });
    run.setAttribute("aria-keyshortcuts", "Control+Enter");
    const bar = make(document, "div", undefined, "code-controls");
    bar.append(
      this.editButton,
      run,
      button(document, t.BackToOriginal, () => this.backToOriginal(), {
        title: t.BackToOriginalTip,
      }),
      button(document, t.Compare, () => this.compare(), { title: t.CompareTip }),
      button(
        document,
        t.CompareScript,
        () => this.#choose(t.OpenScriptTitle, ScriptFiles, (file) => this.compareScript(file)),
        { title: t.CompareScriptTip },
      ),
      button(
        document,
        t.OpenReference,
        () => this.#choose(t.OpenReferenceTitle, ProgramFiles, (file) => this.openReference(file)),
        { title: t.OpenReferenceTip },
      ),
      button(document, t.OpenProgram, () => this.#openAsked(), { title: t.OpenProgramTip }),
      button(document, t.SaveProgram, () => this.save(), { title: t.SaveProgramTip }),
    );
    this.file = /** @type {HTMLInputElement} */ (make(document, "input"));
    this.file.type = "file";
    this.file.hidden = true;
    this.file.tabIndex = -1;
    this.file.addEventListener("change", () => {
      const file = this.file.files?.[0];
      this.file.value = "";
      if (file) this.#chosen(file);
    });
    this.status = make(document, "p", undefined, "code-status");
    this.error = make(document, "p", undefined, "code-error");
    this.error.setAttribute("role", "alert");
    this.said = make(document, "p", undefined, "code-said");
    this.said.setAttribute("role", "status");
    this.editor = new CodeEditor(document, core, texts);
    this.editor.element.hidden = true;
    this.editor.text = this.#kept;
    this.editor.onRun = () => this.run();
    this.editor.onInput = () => this.#showUnsaved();
    this.element = make(document, "div", undefined, "code-editing");
    this.element.append(bar, this.file, this.status, this.error, this.said, this.editor.element);
    this.#showStatus();
  }

  get editing() {
    return this.editButton.getAttribute("aria-pressed") === "true";
  }

  /** Whether the text differs from the one last opened, saved or brought back. */
  get unsaved() {
    return this.editor.text !== this.#kept;
  }

  /** @param {boolean} on */
  setEditing(on) {
    this.editButton.setAttribute("aria-pressed", String(on));
    this.editor.element.hidden = !on;
    if (on) this.editor.box.focus();
  }

  /** Reads the text and, where it reads, runs it afresh; returns whether it ran. */
  run() {
    const text = this.editor.text;
    const failed = this.#rules.readProgram(text);
    if (failed) {
      /** @type {import("./lodarix.js").ReadingError} */
      const error = JSON.parse(failed);
      this.#tell(error.report);
      this.setEditing(true);
      this.editor.markError(error.line, error.column);
      return false;
    }
    this.#tell("");
    const t = this.#texts;
    this.#runs = this.#core.runningName(text, this.#fileName, this.#kept);
    this.#acts.start();
    this.#showStatus();
    return true;
  }

  /** The original, byte for byte, run afresh; unsaved edits are asked about first. */
  async backToOriginal() {
    const t = this.#texts;
    if (this.unsaved && !(await ask(this.element, t.UnsavedTitle, t.UnsavedBackToOriginal, t)))
      return;
    this.#keep(this.#original, "");
    this.run();
  }

  /** The session's own clicks and ticks through the program and the reference. */
  compare() {
    this.#compared(this.#rules.compareSession());
  }

  /** @param {File} file a script whose commands the two run */
  async compareScript(file) {
    const text = await this.#read(file);
    if (text !== null) this.#compared(this.#rules.compareScript(text));
  }

  /** @param {File} file a teacher's program, compared with from now on */
  async openReference(file) {
    const text = await this.#read(file);
    if (text === null) return;
    const failed = this.#rules.setReference(text);
    if (failed) return this.#tell(fill(this.#texts.CannotOpen, file.name, failed));
    this.#reference = file.name;
    this.#showStatus();
  }

  /** @param {File} file a program, put in the editor and run */
  async openProgram(file) {
    const text = await this.#read(file);
    if (text === null) return;
    this.#keep(text, file.name);
    this.setEditing(true);
    this.run();
  }

  /** The text as a download, named after the file it came from. */
  save() {
    const name = this.#fileName || this.#texts.ProgramFileName;
    const text = this.editor.text;
    download(this.element.ownerDocument, text, "text/plain;charset=utf-8", name);
    this.#keep(text, name, false);
  }

  async #openAsked() {
    const t = this.#texts;
    if (this.unsaved && !(await ask(this.element, t.UnsavedTitle, t.UnsavedOpen, t))) return;
    this.#choose(t.OpenProgramTitle, ProgramFiles, (file) => this.openProgram(file));
  }

  /**
   * @param {string} title
   * @param {string} accept the kinds of file offered
   * @param {(file: File) => void} then
   */
  #choose(title, accept, then) {
    this.file.title = title;
    this.file.accept = accept;
    this.#chosen = then;
    this.file.click();
  }

  /**
   * The file's text by the core's rule for a program file, or null, its
   * reason told; only the bytes the rule could take are read.
   * @param {File} file
   * @returns {Promise<string | null>}
   */
  async #read(file) {
    let read;
    try {
      const bytes = await file.slice(0, this.#maxFileBytes + 1).arrayBuffer();
      read = JSON.parse(this.#core.programFileJson(new Uint8Array(bytes)));
    } catch (error) {
      read = { reason: error instanceof Error ? error.message : String(error) };
    }
    if (read.reason === undefined) return read.text;
    this.#tell(fill(this.#texts.CannotOpen, file.name, read.reason));
    return null;
  }

  /**
   * @param {string} text
   * @param {string} fileName
   * @param {boolean} [into] whether the editor takes the text
   */
  #keep(text, fileName, into = true) {
    this.#kept = text;
    this.#fileName = fileName;
    if (into) this.editor.text = text;
    this.#showUnsaved();
  }

  /** @param {string} json a Comparison */
  #compared(json) {
    /** @type {import("./lodarix.js").Comparison} */
    const comparison = JSON.parse(json);
    this.#tell(comparison.badScript ? comparison.text : "");
    if (!comparison.badScript) this.said.textContent = comparison.text;
    if (comparison.line) this.#acts.differs(comparison.line);
  }

  /** @param {string} message an error, read out at once; "" for none */
  #tell(message) {
    this.error.textContent = message;
    if (message) this.said.textContent = "";
  }

  #showStatus() {
    this.status.textContent = this.#core.programStatus(this.#runs, this.#reference);
  }

  #showUnsaved() {
    const view = this.element.ownerDocument.defaultView;
    view?.removeEventListener("beforeunload", this.#warn);
    if (this.unsaved) view?.addEventListener("beforeunload", this.#warn);
  }
}
