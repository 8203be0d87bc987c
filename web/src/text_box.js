// A multi-line text box that the user edits and the rules write, kept as
// plain text with line feeds. The text lies in blocks of a few dozen lines
// each, so that writing a line at the end of a long text touches one small
// block: a browser's own text area lays out and copies its whole text on
// every change, which takes seconds at a few megabytes. The box reads its
// text back from the blocks as they are drawn: one line break at the end of a
// block draws nothing, and a line break there marks the end of a line only
// where a placeholder follows it. The user's edits are plain text only.

export const LinesPerBlock = 64;
const BlockTags = new Set(["DIV", "P", "LI", "PRE", "BLOCKQUOTE", "H1", "H2", "H3", "H4", "H5"]);

/**
 * The text as the box draws it, line feeds only.
 * @param {Node} box
 */
export function drawnText(box) {
  /** @type {string[]} */
  const blocks = [];
  /** @type {string[] | null} */
  let run = null;
  const endRun = () => {
    if (run !== null) blocks.push(run.join(""));
    run = null;
  };
  /** @param {Node} node */
  const visit = (node) => {
    for (let child = node.firstChild; child; child = child.nextSibling) {
      if (child.nodeType === Node.TEXT_NODE) (run ??= []).push(/** @type {Text} */ (child).data);
      else if (child.nodeName === "BR") (run ??= []).push("\n");
      else if (BlockTags.has(child.nodeName)) {
        endRun();
        visit(child);
        endRun();
      } else visit(child);
    }
  };
  visit(box);
  endRun();
  return blocks.map((block) => (block.endsWith("\n") ? block.slice(0, -1) : block)).join("\n");
}

export class TextBox {
  #edited = false;
  #newestShown = true;

  /**
   * Adopts the box the page holds, its text as the build wrote it (one
   * block, as #add makes it, in tools/form_markup.mjs), its name given and
   * editable; as plain text only, where the browser can.
   * @param {HTMLElement} box
   */
  constructor(box) {
    this.element = box;
    // A browser that does not know plaintext-only refuses it, by an error
    // (Firefox before 136) or by keeping its value.
    try {
      box.contentEditable = "plaintext-only";
    } catch {
      // the fallback below
    }
    if (box.contentEditable !== "plaintext-only") box.contentEditable = "true";
    box.addEventListener("input", () => (this.#edited = true));
  }

  /** The whole text, line feeds only. */
  text() {
    return drawnText(this.element);
  }

  /**
   * Replaces the whole text; a box with the focus gets its caret at the end.
   * @param {string} text
   */
  replace(text) {
    this.element.replaceChildren();
    this.#add(text);
    if (this.element.ownerDocument.activeElement === this.element) this.#caretToEnd();
    this.#showNewestLine();
  }

  /**
   * Writes text at the end. The user's caret and selection stay, except that
   * a caret at the very end moves past the new text.
   * @param {string} text
   */
  append(text) {
    const caretAtEnd = this.#caretAtEnd();
    this.#add(text);
    if (caretAtEnd) this.#caretToEnd();
    this.#showNewestLine();
  }

  /** True when the user changed the text since the last call. */
  takeUserEdit() {
    const edited = this.#edited;
    this.#edited = false;
    return edited;
  }

  /** @param {string} text */
  #add(text) {
    if (text === "") return;
    let block = this.#lastBlock();
    let lineEnds = block ? countLineEnds(block) : LinesPerBlock;
    let pending = "";
    for (const line of text.split(/(?<=\n)/)) {
      if (lineEnds >= LinesPerBlock) {
        if (block && pending) appendToBlock(block, pending);
        block = this.element.ownerDocument.createElement("div");
        this.element.append(block);
        pending = "";
        lineEnds = 0;
      }
      pending += line;
      if (line.endsWith("\n")) ++lineEnds;
    }
    if (block && pending) appendToBlock(block, pending);
    if (text.endsWith("\n")) block?.append(this.element.ownerDocument.createElement("br"));
  }

  /**
   * The innermost last block, made to hold exactly the text it draws, so that
   * text added to it goes on with the box's last line: a placeholder after a
   * final line break goes, and so does a line break at its end that draws
   * nothing. Text the user left outside any block is put in one first.
   */
  #lastBlock() {
    const box = this.element;
    if (box.lastChild === null) return null;
    if (!BlockTags.has(box.lastChild.nodeName)) {
      const block = box.ownerDocument.createElement("div");
      while (box.lastChild && !BlockTags.has(box.lastChild.nodeName)) block.prepend(box.lastChild);
      box.append(block);
    }
    let block = /** @type {Element} */ (box.lastChild);
    while (block.lastChild && BlockTags.has(block.lastChild.nodeName))
      block = /** @type {Element} */ (block.lastChild);
    let end = block.lastChild;
    while (end && end.nodeType === Node.ELEMENT_NODE && end.nodeName !== "BR" && end.lastChild)
      end = end.lastChild;
    if (end?.nodeName === "BR") end.remove();
    else if (end?.nodeType === Node.TEXT_NODE) {
      const last = /** @type {Text} */ (end);
      if (last.data.endsWith("\n")) last.deleteData(last.length - 1, 1);
    }
    return block;
  }

  // A caret is a selection whose two ends meet, told by its nodes and
  // offsets: isCollapsed would make the browser bring its style and layout
  // up to date, which a step that has just painted the floor buttons should
  // not wait for.
  #caretAtEnd() {
    const selection = this.element.ownerDocument.getSelection();
    const last = this.element.lastChild;
    if (!selection || !last || selection.focusNode === null) return false;
    if (!last.contains(selection.focusNode) && selection.focusNode !== this.element) return false;
    const caret =
      selection.anchorNode === selection.focusNode &&
      selection.anchorOffset === selection.focusOffset;
    if (!caret) return false;
    const rest = this.element.ownerDocument.createRange();
    rest.setStart(selection.focusNode, selection.focusOffset);
    rest.setEnd(this.element, this.element.childNodes.length);
    return rest.toString() === "";
  }

  #caretToEnd() {
    const selection = this.element.ownerDocument.getSelection();
    const last = this.element.lastChild;
    if (!selection || !last) return;
    const placeholder = last.lastChild?.nodeName === "BR" ? last.lastChild : null;
    if (placeholder) selection.collapse(last, last.childNodes.length - 1);
    else selection.collapse(last, last.childNodes.length);
  }

  // The newest line comes into view at the next frame, once however many
  // lines were written before it.
  #showNewestLine() {
    if (!this.#newestShown) return;
    this.#newestShown = false;
    requestAnimationFrame(() => {
      this.#newestShown = true;
      this.element.scrollTop = this.element.scrollHeight;
    });
  }
}

/** @param {Node} block */
function countLineEnds(block) {
  let count = 0;
  const text = block.textContent ?? "";
  for (let at = text.indexOf("\n"); at !== -1; at = text.indexOf("\n", at + 1)) ++count;
  return count;
}

/**
 * @param {Element} block
 * @param {string} text
 */
function appendToBlock(block, text) {
  const last = block.lastChild;
  if (last && last.nodeType === Node.TEXT_NODE) /** @type {Text} */ (last).appendData(text);
  else block.append(text);
}
