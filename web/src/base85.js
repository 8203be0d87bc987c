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
 * The bytes of a text that toBase85 wrote; throws on any other.
 * @param {string} text
 * @returns {Uint8Array}
 */
export function fromBase85(text) {
  const rest = text.length % 5;
  if (rest === 1) throw new Error("not a base 85 text: a group of one digit");
  const bytes = new Uint8Array(Math.floor(text.length / 5) * 4 + Math.max(rest - 1, 0));
  const view = new DataView(bytes.buffer);
  for (let at = 0, to = 0; at < text.length; at += 5, to += 4) {
    let value = 0;
    for (let i = at; i < at + 5; ++i) {
      const code = i < text.length ? text.charCodeAt(i) : Digits.charCodeAt(Base - 1);
      const digit = code < 128 ? values[code] : 255;
      if (digit === 255) throw new Error(`not a base 85 text: ${text[i]} at ${i}`);
      value = value * Base + digit;
    }
    if (value > 0xffffffff) throw new Error(`not a base 85 text: a group too large at ${at}`);
    if (to + 4 <= bytes.length) view.setUint32(to, value);
    else for (let i = 0; to + i < bytes.length; ++i) bytes[to + i] = value >>> (24 - 8 * i);
  }
  return bytes;
}
