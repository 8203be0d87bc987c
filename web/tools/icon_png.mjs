// The desktop program's icon, drawn once as packaging/icons/lodarix.xpm, as
// the square PNGs that a home screen asks for: the drawing scaled by the
// largest whole factor that leaves a margin, nearest neighbour, so that its
// pixels stay sharp, and centred on a background of one colour, since a home
// screen may fill what is transparent with black.
import { crc32, deflateSync } from "node:zlib";

/**
 * The pixels of an XPM drawing with one character a pixel, as "#RRGGBB" or
 * null where it is transparent.
 * @param {string} text
 * @returns {{ width: number, height: number, at: (x: number, y: number) => string | null }}
 */
export function readXpm(text) {
  const strings = [...text.matchAll(/"([^"]*)"/g)].map((match) => match[1]);
  const [width, height, colourCount, perPixel] = strings[0].trim().split(/\s+/).map(Number);
  if (perPixel !== 1) throw new Error("the drawing must have one character a pixel");
  /** @type {Map<string, string | null>} */
  const colours = new Map();
  for (const line of strings.slice(1, 1 + colourCount)) {
    const value = /\sc\s+(\S+)/.exec(line.slice(1))?.[1];
    if (!value) throw new Error(`no colour in "${line}"`);
    colours.set(line[0], value.toLowerCase() === "none" ? null : value.toUpperCase());
  }
  const rows = strings.slice(1 + colourCount, 1 + colourCount + height);
  if (rows.length !== height || rows.some((row) => row.length !== width))
    throw new Error(`the drawing is not ${width} x ${height}`);
  return {
    width,
    height,
    at: (x, y) => {
      const colour = colours.get(rows[y][x]);
      if (colour === undefined) throw new Error(`no colour for "${rows[y][x]}"`);
      return colour;
    },
  };
}

/**
 * @param {string} type
 * @param {Buffer} data
 */
function chunk(type, data) {
  const length = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  const body = Buffer.concat([Buffer.from(type, "latin1"), data]);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(body));
  return Buffer.concat([length, body, crc]);
}

/**
 * A PNG of size × size pixels: the drawing on the background, with at
 * least a twelfth of the size as margin all round.
 * @param {ReturnType<typeof readXpm>} drawing
 * @param {number} size
 * @param {string} background "#RRGGBB"
 */
export function iconPng(drawing, size, background) {
  const factor = Math.floor(
    (size - 2 * Math.ceil(size / 12)) / Math.max(drawing.width, drawing.height),
  );
  if (factor < 1) throw new Error(`${size} px is too small for the drawing`);
  const left = Math.floor((size - factor * drawing.width) / 2);
  const top = Math.floor((size - factor * drawing.height) / 2);
  const rgb = (/** @type {string} */ hex) =>
    [1, 3, 5].map((at) => parseInt(hex.slice(at, at + 2), 16));
  const rows = Buffer.alloc(size * (1 + 3 * size));
  for (let y = 0; y < size; ++y) {
    const row = y * (1 + 3 * size);
    for (let x = 0; x < size; ++x) {
      const [dx, dy] = [Math.floor((x - left) / factor), Math.floor((y - top) / factor)];
      const inside = x >= left && y >= top && dx < drawing.width && dy < drawing.height;
      const colour = (inside && drawing.at(dx, dy)) || background;
      rows.set(rgb(colour), row + 1 + 3 * x);
    }
  }
  const header = Buffer.alloc(13);
  header.writeUInt32BE(size, 0);
  header.writeUInt32BE(size, 4);
  header.set([8, 2, 0, 0, 0], 8); // 8 bits, true colour, no interlace
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk("IHDR", header),
    chunk("IDAT", deflateSync(rows, { level: 9 })),
    chunk("IEND", Buffer.alloc(0)),
  ]);
}
