// Bytes as text that a page can hold inside a script element, a quarter
// longer than the bytes where base64 is a third: each 4 bytes, read as one
// number most significant first, are 5 digits in base 85; a last group of
// 1 to 3 bytes is its first 2 to 4 digits, the group padded with zeros. The
// digits are the printable ASCII characters save those with a meaning in
// HTML or in a script's strings (" $ % & ' < > \ `), so that no text of them
// can close or escape the element that holds it. The build writes the text
// (tools/build_page.mjs); the page reads it (late_modules.js).

const Digits =
  "!#()*+,-./0123456789:;=?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^_abcdefghijklmnopqrstuvwxyz{|}~";
const Base = 85;

/** The value of each character code below 128, or 255 for none. */
const values = new Uint8Array(128).fill(255);
for (let digit = 0; digit < Base; ++digit) values[Digits.charCodeAt(digit)] = digit;

/**
 * @param {Uint8Array} bytes
 * @returns {string}
 */
export function toBase85(bytes) {
  let text = "";
  for (let at = 0; at < bytes.length; at += 4) {
    const taken = Math.min(4, bytes.length - at);
    let value = 0;
    for (let i = 0; i < 4; ++i) value = value * 256 + (i < taken ? bytes[at + i] : 0);
    let group = "";
    for (let i = 0; i < 5; ++i, value = Math.floor(value / Base))
      group = Digits[value % Base] + group;
    text += group.slice(0, taken + 1);
  }
  return text;
}

/**
 * @param {string} text
 * @param {number} at
 */
const refused = (text, at) => new Error(`not a base 85 text: ${text.slice(at, at + 5)} at ${at}`);

/**
 * The bytes of a text that toBase85 wrote; throws on any other. A whole
 * group is read in one step, written out: the page reads its wasm so as it
 * starts, before the browser has optimised this. The last group is read as
 * a whole one, padded with the highest digit, of which the bytes it had are
 * kept.
 * @param {string} text
 * @returns {Uint8Array}
 */
export function fromBase85(text) {
  const rest = text.length % 5;
  if (rest === 1) throw new Error("not a base 85 text: a group of one digit");
  const whole = text.length - rest;
  const bytes = new Uint8Array((whole / 5) * 4 + Math.max(rest - 1, 0));
  const view = new DataView(bytes.buffer);
  let to = 0;
  for (let at = 0; at < whole; at += 5, to += 4) {
    const c0 = text.charCodeAt(at);
    const c1 = text.charCodeAt(at + 1);
    const c2 = text.charCodeAt(at + 2);
    const c3 = text.charCodeAt(at + 3);
    const c4 = text.charCodeAt(at + 4);
    if ((c0 | c1 | c2 | c3 | c4) > 127) throw refused(text, at);
    const value =
      (((values[c0] * Base + values[c1]) * Base + values[c2]) * Base + values[c3]) * Base +
      values[c4];
    if (
      (values[c0] | values[c1] | values[c2] | values[c3] | values[c4]) === 255 ||
      value > 0xffffffff
    )
      throw refused(text, at);
    view.setUint32(to, value);
  }
  if (rest) {
    const last = fromBase85(text.slice(whole).padEnd(5, Digits[Base - 1]));
    bytes.set(last.subarray(0, rest - 1), to);
  }
  return bytes;
}
