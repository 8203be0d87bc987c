// The code view's editor: the pupil's program in a native text area, whose
// own text is transparent over a layer that draws the lines in view as the
// core highlights them, beside their numbers. Only the lines in view are
// drawn, once a frame, so a long program types as fast as a short one.
// Tab and Shift+Tab move the selected lines in and out by the core's rule,
// through the browser's own editing, so that undo takes them back; Escape,
// then Tab, leaves the editor. Ctrl+Enter runs the text (onRun). A reading
// error marks its line and, in it, its column, and the caret goes there.

import { make } from "./elements.js";

/** The classes of the spans by kind, as the core numbers the kinds. */
const Kinds = ["code-keyword", "code-name", "code-literal", "code-comment"];

let editors = 0;

export class CodeEditor {
  #core;
  /** @type {string[]} */
  #lines = [""];
  /** @type {{ line: number, column: number } | null} */
  #error = null;
  #escaped = false;
  /** @type {number | undefined} */
  #frame;
  /** Ctrl+Enter in the editor. */
  onRun = () => {};
  /** The text changed. */
  onInput = () => {};

  /**
   * @param {Document} document
   * @param {import("./lodarix.js").Core} core
   * @param {Record<string, string>} texts the words of editing the code
   */
  constructor(document, core, texts) {
    this.#core = core;
    this.element = make(document, "div", undefined, "code-editor");
    this.gutter = make(document, "div", undefined, "code-gutter");
    this.gutter.setAttribute("aria-hidden", "true");
    this.numbers = make(document, "div");
    this.gutter.append(this.numbers);
    this.layer = make(document, "div", undefined, "code-layer");
    this.layer.setAttribute("aria-hidden", "true");
    this.box = /** @type {HTMLTextAreaElement} */ (
      make(document, "textarea", undefined, "code-box")
    );
    this.box.spellcheck = false;
    this.box.wrap = "off";
    this.box.autocapitalize = "off";
    this.box.setAttribute("autocomplete", "off");
    this.box.setAttribute("aria-label", texts.EditorName);
    this.box.setAttribute("aria-keyshortcuts", "Control+Enter Tab Shift+Tab Escape");
    const keys = make(document, "p", texts.EditorKeys, "code-keys");
    keys.id = `code-editor-keys-${++editors}`;
    this.box.setAttribute("aria-describedby", keys.id);
    const area = make(document, "div", undefined, "code-area");
    area.append(this.layer, this.box);
    const frame = make(document, "div", undefined, "code-frame");
    frame.append(this.gutter, area);
    this.element.append(frame, keys);

    this.box.addEventListener("keydown", (event) => this.#key(event));
    this.box.addEventListener("blur", () => (this.#escaped = false));
    this.box.addEventListener("input", () => {
      this.#lines = this.box.value.split("\n");
      this.#error = null;
      this.#draw();
      this.onInput();
    });
    this.box.addEventListener("scroll", () => this.#draw());
    new ResizeObserver(() => this.#draw()).observe(this.box);
  }

  get text() {
    return this.box.value;
  }

  /** The text anew, its caret at the start; the browser's undo starts anew too. */
  set text(text) {
    this.box.value = text;
    this.box.setSelectionRange(0, 0);
    this.box.scrollTop = this.box.scrollLeft = 0;
    this.#lines = text.split("\n");
    this.#error = null;
    this.#draw();
  }

  /**
   * Marks where the text did not read, and puts the caret there.
   * @param {number} line from 1
   * @param {number} column in characters from 1; 0 where not known
   */
  markError(line, column) {
    this.#error = { line, column };
    const before = this.#lines.slice(0, line - 1).reduce((sum, one) => sum + one.length + 1, 0);
    const text = this.#lines[line - 1] ?? "";
    const at = before + [...text].slice(0, Math.max(column - 1, 0)).join("").length;
    this.box.focus();
    this.box.setSelectionRange(at, at);
    const height = this.#lineHeight();
    const top = (line - 1) * height;
    if (top < this.box.scrollTop || top + height > this.box.scrollTop + this.box.clientHeight)
      this.box.scrollTop = Math.max(0, top - this.box.clientHeight / 2);
    this.#drawNow();
  }

  /** Draws the lines in view at the next frame. */
  #draw() {
    this.#frame ??= requestAnimationFrame(() => this.#drawNow());
  }

  #lineHeight() {
    return parseFloat(getComputedStyle(this.box).lineHeight) || 20;
  }

  #drawNow() {
    if (this.#frame !== undefined) cancelAnimationFrame(this.#frame);
    this.#frame = undefined;
    if (this.element.offsetParent === null) return;
    const height = this.#lineHeight();
    const { scrollTop, scrollLeft, clientHeight } = this.box;
    const first = Math.floor(scrollTop / height);
    const shown = this.#lines.slice(first, first + Math.ceil(clientHeight / height) + 1);
    /** @type {[number, string][][]} */
    const spans = JSON.parse(this.#core.highlightedLinesJson(shown.join("\n")));
    const document = this.element.ownerDocument;
    const lines = shown.map((_, at) => {
      const line = make(document, "div", undefined, "code-layer-line");
      for (const [kind, part] of spans[at] ?? [])
        line.append(kind < 0 ? part : make(document, "span", part, Kinds[kind]));
      if (this.#error?.line === first + at + 1) markColumn(line, this.#error.column);
      return line;
    });
    const offset = first * height - scrollTop;
    this.layer.replaceChildren(...lines);
    this.layer.style.transform = `translate(${-scrollLeft}px, ${offset}px)`;
    this.numbers.textContent = shown.map((_, at) => first + at + 1).join("\n");
    this.numbers.style.transform = `translateY(${offset}px)`;
    this.gutter.style.width = `${String(this.#lines.length).length}ch`;
  }

  /** @param {KeyboardEvent} event */
  #key(event) {
    const escaped = this.#escaped;
    this.#escaped = false;
    if (event.key === "Escape" && !escaped) {
      this.#escaped = true;
      event.stopPropagation();
    } else if (event.key === "Tab" && !escaped && !event.ctrlKey && !event.altKey) {
      event.preventDefault();
      this.#indent(event.shiftKey);
    } else if (event.key === "Enter" && (event.ctrlKey || event.metaKey)) {
      event.preventDefault();
      this.onRun();
    }
  }

  /**
   * Moves the lines the selection touches in or out, as one edit the
   * browser can undo.
   * @param {boolean} outwards
   */
  #indent(outwards) {
    const box = this.box;
    const text = box.value;
    const { selectionStart: start, selectionEnd: end } = box;
    const from = text.lastIndexOf("\n", start - 1) + 1;
    const last = end > start && text[end - 1] === "\n" ? end - 1 : end;
    const lineEnd = text.indexOf("\n", last);
    const to = lineEnd < 0 ? text.length : lineEnd;
    const old = text.slice(from, to);
    const now = this.#core.indented(old, outwards);
    if (now === old) return;
    box.setSelectionRange(from, to);
    const document = box.ownerDocument;
    const done = now
      ? document.execCommand("insertText", false, now)
      : document.execCommand("delete");
    if (!done) {
      box.setRangeText(now);
      box.dispatchEvent(new Event("input"));
    }
    if (start === end) {
      const moved = now.split("\n", 1)[0].length - old.split("\n", 1)[0].length;
      const caret = Math.max(from, start + moved);
      box.setSelectionRange(caret, caret);
    } else box.setSelectionRange(from, from + now.length);
  }
}

/**
 * Wraps the character at column (from 1) of a drawn line in a marker, or
 * adds an empty one at its end.
 * @param {HTMLElement} line
 * @param {number} column
 */
function markColumn(line, column) {
  const document = line.ownerDocument;
  const marker = make(document, "span", undefined, "code-marker");
  let at = [...(line.textContent ?? "")].slice(0, Math.max(column - 1, 0)).join("").length;
  const walker = document.createTreeWalker(line, NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    const text = /** @type {Text} */ (node);
    if (at >= text.length) {
      at -= text.length;
      continue;
    }
    const rest = text.splitText(at);
    const after = rest.splitText(String.fromCodePoint(rest.data.codePointAt(0) ?? 32).length);
    after.before(marker);
    marker.append(rest);
    return;
  }
  line.append(marker);
}
