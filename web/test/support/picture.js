// A decoded screenshot as the page's tests read it: the colour at a point,
// and the colour most of a rectangle has. Both decoders (pixels.js in the
// browser, png.js in node) hand over their pixels, a row after another.

/**
 * @typedef {object} Picture
 * @property {number} width
 * @property {number} height
 * @property {(x: number, y: number) => string} at "#RRGGBB"
 * @property {(rect: {left: number, top: number, width: number, height: number}) => string} dominant
 */

/**
 * @param {number} width
 * @param {number} height
 * @param {number} channels bytes a pixel: 3 for RGB, 4 for RGBA
 * @param {Uint8Array} pixels
 * @returns {Picture}
 */
export function picture(width, height, channels, pixels) {
  const hex = (/** @type {number} */ value) => value.toString(16).padStart(2, "0").toUpperCase();
  /** @type {(x: number, y: number) => string} */
  const at = (x, y) => {
    const i = (Math.round(y) * width + Math.round(x)) * channels;
    return `#${hex(pixels[i])}${hex(pixels[i + 1])}${hex(pixels[i + 2])}`;
  };
  return {
    width,
    height,
    at,
    dominant(rect) {
      /** @type {Map<string, number>} */
      const counts = new Map();
      for (let y = Math.ceil(rect.top); y < rect.top + rect.height; ++y)
        for (let x = Math.ceil(rect.left); x < rect.left + rect.width; ++x)
          counts.set(at(x, y), (counts.get(at(x, y)) ?? 0) + 1);
      return [...counts].sort((a, b) => b[1] - a[1])[0][0];
    },
  };
}
