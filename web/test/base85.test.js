// The page's base 85: every length of bytes comes back whole, including the
// last group's 1 to 3 bytes at their largest; no text holds a character
// that could close or escape a script element; and a text that no bytes
// make is refused rather than read as other bytes.
import { test } from "node:test";
import assert from "node:assert/strict";
import { fromBase85, toBase85 } from "../src/base85.js";

/** Bytes from a fixed seed, so a failure repeats. @param {number} length */
function someBytes(length, seed = length) {
  const bytes = new Uint8Array(length);
  for (let at = 0; at < length; ++at) bytes[at] = seed = (seed * 1103515245 + 12345) >>> 16;
  return bytes;
}

test("bytes of every length come back whole, the largest values included", () => {
  for (let length = 0; length <= 64; ++length) {
    for (const bytes of [
      someBytes(length),
      new Uint8Array(length).fill(255),
      new Uint8Array(length),
    ]) {
      const text = toBase85(bytes);
      assert.equal(text.length, Math.ceil((length * 5) / 4));
      assert.deepEqual(fromBase85(text), bytes);
    }
  }
});

test("no text holds a character with a meaning in HTML or in a string", () => {
  const text = toBase85(someBytes(100_000));
  assert.doesNotMatch(text, /[\s"$%&'<>\\`]/);
  assert.match(text, /^[!-~]+$/);
});

test("a text that no bytes make is refused", () => {
  for (const text of ["!!<!!", "abcd\u00e9", "!!!!!!", "~~~~~"])
    assert.throws(() => fromBase85(text), /not a base 85 text/);
});
