// The page's own script and style as the browser needs them: without
// comments, indentation and the blanks that separate nothing. The script is
// read by Debian's acorn (node-acorn, which emscripten brings), token by
// token, so that strings, templates and regular expressions stay as they are
// written; each token is copied from the source, a line break is kept
// wherever one stood between two tokens (so that no statement changes where
// it ends), and a blank only where two tokens would otherwise run together.
import { createRequire } from "node:module";

const require = createRequire(import.meta.url);
/** @type {{ tokenizer: (text: string, options: object) => Iterable<{ start: number, end: number }> }} */
const acorn = require("acorn");

/** @param {string} c */
const wordLike = (c) => /[\w$.\\\u0080-\uffff]/.test(c);
/** @param {string} c */
const joinsOperator = (c) => /[+\-*/%=<>&|!?^~]/.test(c);

/** @param {string} text an ES2022 script or module */
export function compactScript(text) {
  let out = "";
  let previous = -1;
  for (const token of acorn.tokenizer(text, {
    ecmaVersion: 2022,
    sourceType: "module",
    allowAwaitOutsideFunction: true,
  })) {
    if (previous >= 0) {
      const between = text.slice(previous, token.start);
      const before = text[previous - 1];
      const after = text[token.start];
      if (/[\n\r\u2028\u2029]/.test(between)) out += "\n";
      else if (
        between &&
        ((wordLike(before) && wordLike(after)) || (joinsOperator(before) && joinsOperator(after)))
      )
        out += " ";
    }
    out += text.slice(token.start, token.end);
    previous = token.end;
  }
  return out;
}

/** @param {string} text a style sheet whose strings hold no comment marks */
export function compactStyle(text) {
  return text
    .replace(/\/\*[\s\S]*?\*\//g, "")
    .split("\n")
    .map((line) => line.trim())
    .filter(Boolean)
    .join("\n");
}
