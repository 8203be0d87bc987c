// The events view's scripts: a labelled box to write a script in
// lodarix-replay's language, or to open one from a file or from the guide's
// examples; "Изпълни" (or Ctrl+Enter in the box) runs it in the core on a
// model of its own (PageScript), leaving the lesson alone. A bad line is
// told in Bulgarian, with its number, and announced at once; the box's
// caret goes to it. The run's JSON Lines, motion CSV and workbook download
// as the tool writes them. Nothing is stored.

import { download } from "./elements.js";

/** @typedef {import("./lodarix.js").Core} Core */
/** @typedef {import("./lodarix.js").PageScript} PageScript */
/** @typedef {import("./lodarix.js").EventsFacts} EventsFacts */

// A script longer than this is no lesson's; the box is spared it.
const LongestScriptBytes = 16 * 1024 * 1024;

let panels = 0;

/**
 * @param {Document} document
 * @param {string} text
 * @param {string} [tip]
 */
function button(document, text, tip) {
  const made = document.createElement("button");
  made.type = "button";
  made.textContent = text;
  if (tip) made.title = tip;
  return made;
}

export class ScriptPanel {
  #document;
  #core;
  #texts;
  #onRun;
  /** @type {PageScript | null} */
  #run = null;

  /**
   * @param {Document} document
   * @param {Core} core
   * @param {Record<string, string>} texts the events view's words
   * @param {EventsFacts} facts
   * @param {(run: PageScript) => void} onRun told of each run, the last one going
   */
  constructor(document, core, texts, facts, onRun) {
    this.#document = document;
    this.#core = core;
    this.#texts = texts;
    this.#onRun = onRun;
    const t = texts;
    this.element = document.createElement("div");
    this.element.className = "events-script";

    const id = `events-script-box-${++panels}`;
    const label = document.createElement("label");
    label.htmlFor = id;
    label.textContent = t.Script;
    this.box = document.createElement("textarea");
    this.box.id = id;
    this.box.spellcheck = false;
    this.box.wrap = "off";
    this.box.rows = 8;
    this.box.setAttribute("aria-keyshortcuts", "Control+Enter");
    this.box.addEventListener("keydown", (event) => {
      if (event.key === "Enter" && (event.ctrlKey || event.metaKey)) {
        event.preventDefault();
        this.run();
      }
    });

    this.examples = document.createElement("select");
    this.examples.setAttribute("aria-label", t.Examples);
    this.examples.append(new Option(t.ChooseExample, ""));
    facts.examples.forEach((example, at) =>
      this.examples.append(new Option(example.name, String(at))),
    );
    this.examples.addEventListener("change", () => {
      const example = facts.examples[Number(this.examples.value)];
      this.examples.value = "";
      if (!example) return;
      this.box.value = example.text;
      this.box.focus();
    });

    this.file = document.createElement("input");
    this.file.type = "file";
    this.file.accept = ".txt,text/plain";
    this.file.hidden = true;
    this.file.tabIndex = -1;
    this.file.addEventListener("change", () => this.#openChosen());
    const open = button(document, t.OpenScript, t.OpenScriptTip);
    open.addEventListener("click", () => this.file.click());
    this.runButton = button(document, t.Run, t.RunTip);
    this.runButton.addEventListener("click", () => this.run());
    const commands = document.createElement("div");
    commands.className = "events-controls";
    commands.append(this.examples, open, this.runButton, this.file);

    // An error is an alert, read at once; the outcome of a run is polite.
    this.error = document.createElement("p");
    this.error.className = "events-script-error";
    this.error.setAttribute("role", "alert");
    this.done = document.createElement("p");
    this.done.className = "events-script-done";
    this.done.setAttribute("role", "status");

    this.saveJsonLines = button(document, t.SaveJsonLines, t.SaveJsonLinesTip);
    this.saveJsonLines.addEventListener("click", () => this.#save("jsonl"));
    this.saveCsv = button(document, t.SaveScriptCsv, t.SaveScriptCsvTip);
    this.saveCsv.addEventListener("click", () => this.#save("csv"));
    this.saveWorkbook = button(document, t.SaveScriptWorkbook, t.SaveScriptWorkbookTip);
    this.saveWorkbook.addEventListener("click", () => this.#save("xlsx"));
    const saves = document.createElement("div");
    saves.className = "events-controls";
    saves.append(this.saveJsonLines, this.saveCsv, this.saveWorkbook);
    for (const save of [this.saveJsonLines, this.saveCsv, this.saveWorkbook]) save.disabled = true;

    this.element.append(label, this.box, commands, this.error, this.done, saves);
  }

  /** Runs the box's script now, and shows how it went. */
  run() {
    const run = new this.#core.PageScript(this.box.value);
    this.#onRun(run);
    this.#run?.delete();
    this.#run = run;
    const stopLine = run.stopLine();
    this.error.textContent = stopLine > 0 ? run.outcome() : "";
    this.done.textContent = stopLine > 0 ? "" : run.outcome();
    if (stopLine > 0) this.#caretToLine(stopLine);
    this.saveJsonLines.disabled = false;
    this.saveCsv.disabled = false;
    this.saveWorkbook.disabled = stopLine > 0;
  }

  /** @param {number} line counted from 1 */
  #caretToLine(line) {
    const lines = this.box.value.split("\n");
    const start = lines.slice(0, line - 1).reduce((sum, text) => sum + text.length + 1, 0);
    this.box.setSelectionRange(start, start + (lines[line - 1] ?? "").length);
  }

  async #openChosen() {
    const file = this.file.files?.[0];
    this.file.value = "";
    if (!file) return;
    try {
      if (file.size > LongestScriptBytes) throw new Error("too long");
      this.box.value = await file.text();
      this.error.textContent = "";
      this.done.textContent = "";
    } catch {
      this.error.textContent = this.#texts.CannotOpen.replace("{}", file.name);
    }
  }

  /** @param {"jsonl" | "csv" | "xlsx"} kind */
  #save(kind) {
    const run = this.#run;
    if (!run) return;
    const t = this.#texts;
    if (kind === "jsonl")
      download(this.#document, run.jsonLines(), "application/jsonl", t.JsonLinesFileName);
    else if (kind === "csv") download(this.#document, run.csv(), "text/csv", t.ScriptCsvFileName);
    else {
      const bytes = run.workbook();
      if (bytes)
        download(
          this.#document,
          bytes,
          "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet",
          t.ScriptWorkbookFileName,
        );
    }
  }
}
