// Pixels of a screenshot, decoded by the browser itself in a blank page of
// its own: the colour at a point, and the colour most of a rectangle has.

/**
 * @typedef {object} Picture
 * @property {number} width
 * @property {number} height
 * @property {(x: number, y: number) => string} at "#RRGGBB"
 * @property {(rect: {left: number, top: number, width: number, height: number}) => string} dominant
 */

/**
 * @param {import("playwright-core").BrowserContext} context
 * @param {Buffer} png
 * @returns {Promise<Picture>}
 */
export async function decode(context, png) {
  const page = await context.newPage();
  const { width, height, data } = await page.evaluate(async (base64) => {
    const image = new Image();
    image.src = `data:image/png;base64,${base64}`;
    await image.decode();
    const canvas = document.createElement("canvas");
    canvas.width = image.width;
    canvas.height = image.height;
    const context2d = /** @type {CanvasRenderingContext2D} */ (canvas.getContext("2d"));
    context2d.drawImage(image, 0, 0);
    const pixels = context2d.getImageData(0, 0, image.width, image.height).data;
    let binary = "";
    for (let at = 0; at < pixels.length; at += 0x8000)
      binary += String.fromCharCode(...pixels.subarray(at, at + 0x8000));
    return { width: image.width, height: image.height, data: btoa(binary) };
  }, png.toString("base64"));
  await page.close();
  const bytes = Buffer.from(data, "base64");
  const hex = (/** @type {number} */ value) => value.toString(16).padStart(2, "0").toUpperCase();
  /** @type {(x: number, y: number) => string} */
  const at = (x, y) => {
    const i = (Math.round(y) * width + Math.round(x)) * 4;
    return `#${hex(bytes[i])}${hex(bytes[i + 1])}${hex(bytes[i + 2])}`;
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
