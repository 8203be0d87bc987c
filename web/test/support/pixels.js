// Pixels of a screenshot, decoded by the browser itself in a blank page of
// its own (picture.js reads them).
import { picture } from "./picture.js";

/**
 * @param {import("playwright-core").BrowserContext} context
 * @param {Buffer} png
 * @returns {Promise<import("./picture.js").Picture>}
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
  return picture(width, height, 4, Buffer.from(data, "base64"));
}
