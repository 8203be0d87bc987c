// The code view beside the form: the form's code, which runs the form from
// the view's first showing on, in place of the built-in rules (the core's
// PageWindow takes over between events). After each event it lights the
// lines that ran, with what each changed (code_listing.js). "Ред по ред"
// makes each event wait before every line, and "Следващ ред" (or its key)
// runs the next; released mid-way, the procedure runs to its end. An error
// of the code stops that program only: its report shows, its line is lit,
// and "Отначало" starts the program again from its load. A screen reader
// hears the line that ran last, with its changes, on "Прочети реда" or its
// key, through the page's live log; nothing is read out while lines run.
// Under the code, the steps that ran (step_bar.js): the view follows the
// latest until the user chooses a past one, whose line it lights, and tells
// the events view that step's row (onStepChosen); a row chosen there is
// chosen here (chooseRow). While browsing, "Прочети реда" reads the step.
// Above the listing, the pupil's own program (code_editing.js): it runs the
// form afresh, the window put back to its description first, and the
// listing, the lit lines and the steps follow the program that runs, never
// the text being edited.

import { CodeEditing } from "./code_editing.js";
import { button } from "./elements.js";
import { CodeListing } from "./code_listing.js";
import { StepBar } from "./step_bar.js";

/** @typedef {import("./lodarix.js").PageWindow} PageWindow */
/** @typedef {import("./lodarix.js").CodeFacts} CodeFacts */
/** @typedef {import("./lodarix.js").PageKeys} PageKeys */
/** @typedef {import("./form_runner.js").FormRunner} FormRunner */
/** @typedef {import("./live_log.js").LiveLog} LiveLog */

/**
 * @typedef {object} Taken what ran since the view last asked
 * @property {boolean} fresh an event began since then
 * @property {[number, ...string[]][]} ran each statement's line and changes
 * @property {number} next the line to run next, or 0
 */

export class CodeView {
  #rules;
  #runner;
  #log;
  #texts;
  /** @type {{ report: string, line: number } | null} */
  #error = null;
  #last = 0;
  #next = 0;
  #following = true;
  /** @type {number | undefined} */
  #frame;
  /** @type {(row: number) => void} the user chose a past step, of the row (-1 for none) */
  onStepChosen = () => {};

  /**
   * @param {Document} document
   * @param {import("./page_views.js").Lesson} lesson whose rules the form's code runs from now on
   * @param {Record<string, string>} texts the view's words
   * @param {Record<string, string>} editingTexts the words of editing the code
   * @param {CodeFacts} facts
   * @param {PageKeys} keys
   * @param {(canvas: HTMLCanvasElement, sketch: import("./window_sketch.js").Sketch | null) => void} draw
   *   draws a sketch of the window
   */
  constructor(document, lesson, texts, editingTexts, facts, keys, draw) {
    const { core, rules, runner, log, resetForm } = lesson;
    this.#rules = rules;
    this.#runner = runner;
    this.#log = log;
    this.#texts = texts;
    const t = texts;
    this.element = document.createElement("section");
    this.element.className = "code-view";
    this.element.setAttribute("aria-label", t.WindowTitle);
    this.element.hidden = true;
    for (const [kind, color] of Object.entries(facts.colors)) {
      const name = kind.replace(/[A-Z]/g, (capital) => `-${capital.toLowerCase()}`);
      this.element.style.setProperty(`--code-${name}`, color);
    }

    /** @param {string} text @param {string} tip @param {() => void} act */
    const tipped = (text, tip, act) => button(document, text, act, { title: tip });
    this.lineByLine = tipped(t.LineByLine, t.LineByLineTip, () =>
      this.setLineByLine(!this.lineByLineOn),
    );
    this.lineByLine.setAttribute("aria-pressed", "false");
    this.nextButton = tipped(t.NextLine, t.NextLineTip, () => this.nextLine());
    this.nextButton.setAttribute("aria-keyshortcuts", keys.nextLine.join(" "));
    this.restartButton = tipped(t.Restart, t.RestartTip, () => this.restart());
    this.readButton = tipped(t.ReadLine, t.ReadLineTip, () => this.readLine());
    this.readButton.setAttribute("aria-keyshortcuts", keys.readLine.join(" "));
    const bar = document.createElement("div");
    bar.className = "code-controls";
    bar.append(this.lineByLine, this.nextButton, this.restartButton, this.readButton);

    this.failure = document.createElement("p");
    this.failure.className = "code-error";
    this.failure.setAttribute("role", "alert");
    this.failure.hidden = true;
    this.listing = new CodeListing(document, t.FormCodeName);
    this.listing.element.addEventListener("keydown", (event) => {
      if (!keys.readLine.includes(event.key) || event.altKey || event.ctrlKey || event.metaKey)
        return;
      event.preventDefault();
      this.readLine();
    });
    this.steps = new StepBar(
      document,
      t,
      {
        move: (by) => this.#chose(() => rules.moveStep(by)),
        choose: (step) => this.#chose(() => rules.chooseStep(step)),
      },
      draw,
    );
    const heading = document.createElement("h2");
    heading.textContent = t.WindowTitle;
    rules.runFormCode();
    this.editing = new CodeEditing(document, core, rules, editingTexts, facts.maxFileBytes, {
      start: () => {
        this.#clearError();
        this.listing.clear();
        runner.startAfresh(() => resetForm(facts.storedStates));
        this.#showLines();
      },
      differs: (line) => this.listing.differs(line),
    });
    this.element.append(
      heading,
      this.editing.element,
      bar,
      this.failure,
      this.listing.element,
      this.steps.element,
    );
    this.#showLines();
  }

  get shown() {
    return !this.element.hidden;
  }

  get lineByLineOn() {
    return this.lineByLine.getAttribute("aria-pressed") === "true";
  }

  /**
   * Hidden, the view leaves line by line, so that no procedure waits unseen
   * for a line it cannot be given.
   * @param {boolean} shown
   */
  setShown(shown) {
    this.element.hidden = !shown;
    if (shown) this.#drawStep();
    else {
      if (this.#frame !== undefined) cancelAnimationFrame(this.#frame);
      this.#frame = undefined;
      if (this.lineByLineOn) this.setLineByLine(false);
    }
  }

  /**
   * Line by line from the next event on; released, the procedure part-way
   * runs to its end.
   * @param {boolean} on
   */
  setLineByLine(on) {
    this.lineByLine.setAttribute("aria-pressed", String(on));
    this.#following = true;
    this.#rules.setStepwise(on);
    if (!on) this.#runner.finish();
    this.#showState();
  }

  /** The next line of the procedure part-way, if one is. */
  nextLine() {
    this.#following = true;
    this.#runner.advance();
  }

  restart() {
    this.#clearError();
    this.listing.clear();
    this.#last = this.#next = 0;
    this.#runner.restart();
  }

  /**
   * Another program in place of the form's code, from its state now.
   * @param {string} source
   */
  runProgram(source) {
    this.#clearError();
    this.#rules.runProgram(source);
    this.#showLines();
  }

  /** What ran since the last call, lit. */
  refresh() {
    /** @type {Taken} */
    const taken = JSON.parse(this.#rules.takeRanJson());
    if (taken.fresh) {
      this.listing.clear();
      this.#last = 0;
    }
    for (const [line, ...changes] of taken.ran) {
      this.listing.ran(line, changes);
      this.#last = line;
    }
    this.#next = taken.next;
    if (this.#error) this.listing.failed(this.#error.line);
    if (this.#following) this.listing.mark(this.#last, this.#next);
    this.#showState();
    if (this.shown) this.#frame ??= requestAnimationFrame(() => this.#drawStep());
  }

  /**
   * The first step of the events trace's row, chosen there by the user; or,
   * where that row ran none, the choice kept and the view saying so.
   * @param {number} row
   */
  chooseRow(row) {
    if (this.#rules.chooseRow(row)) this.#drawStep();
    else this.#drawStep(this.#texts.RowRanNoLines);
  }

  /**
   * The form's code stopped: its report, and its line (0 for none).
   * @param {string} report
   * @param {number} line
   */
  failed(report, line) {
    this.#error = { report, line };
    this.failure.textContent = report;
    this.failure.hidden = false;
    this.listing.failed(line);
    this.#showState();
  }

  /** The line that ran last, with what it changed, read out by a screen reader. */
  readLine() {
    this.#log.announce(this.#rules.lineSummary());
  }

  /**
   * A choice of the user's, made by act: drawn at once, and its row told.
   * @param {() => void} act
   */
  #chose(act) {
    act();
    const state = this.#drawStep();
    if (!state.following) this.onStepChosen(state.row);
  }

  /**
   * The step the core shows, in the bar and in the listing.
   * @param {string} [note]
   */
  #drawStep(note) {
    if (this.#frame !== undefined) cancelAnimationFrame(this.#frame);
    this.#frame = undefined;
    /** @type {import("./step_bar.js").StepState} */
    const state = JSON.parse(this.#rules.historyJson());
    this.#following = state.count === 0 || state.following;
    if (this.#following) this.listing.mark(this.#last, this.#next);
    else this.listing.mark(state.line, 0);
    this.steps.show(state, note);
    return state;
  }

  #clearError() {
    this.#error = null;
    this.failure.hidden = true;
  }

  #showLines() {
    this.listing.setLines(JSON.parse(this.#rules.codeLinesJson()));
    this.#last = this.#next = 0;
    if (this.#error) this.listing.failed(this.#error.line);
    this.#showState();
    this.#following = true;
    if (this.shown) this.#drawStep();
  }

  #showState() {
    this.nextButton.disabled = !this.lineByLineOn;
    this.restartButton.disabled = this.#runner.partWay;
  }
}
