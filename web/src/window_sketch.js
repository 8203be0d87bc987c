// The small drawing of the window after a row of a trace, on a canvas: the
// core's sketch (web/page/trace_rows.h) scaled to the canvas's box, sharp at
// any zoom: the form, its frames, the floor buttons in their colours, the
// grille buttons and the status box showing the end of its text, as a box
// scrolled to its last line does. The canvas is an image whose description
// says what it shows.

/**
 * @typedef {object} SketchShape
 * @property {"frame" | "label" | "floorButton" | "radioButton" | "textBox"} kind
 * @property {number} left
 * @property {number} top
 * @property {number} width
 * @property {number} height
 * @property {string} fill
 * @property {string} text
 * @property {boolean} selected
 */

/**
 * @typedef {object} Sketch
 * @property {number} width
 * @property {number} height
 * @property {string} background
 * @property {string} name what the drawing is of: "Прозорецът след ред 4"
 * @property {string} description what it shows, in words
 * @property {SketchShape[]} shapes
 */

const FontPx = 16; // the form's 12 pt at 96 dots per inch

/**
 * Where the sketch lands on a canvas of the given CSS size: its scale and
 * its top left corner, centred.
 * @param {Sketch} sketch
 * @param {number} width
 * @param {number} height
 */
export function sketchPlacement(sketch, width, height) {
  const scale = Math.min(width / sketch.width, height / sketch.height);
  return {
    scale,
    left: (width - sketch.width * scale) / 2,
    top: (height - sketch.height * scale) / 2,
  };
}

/**
 * The lines of text that fit width, broken at blanks where they can be.
 * @param {CanvasRenderingContext2D} context
 * @param {string} text
 * @param {number} width
 */
function wrapped(context, text, width) {
  /** @type {string[]} */
  const lines = [];
  for (const paragraph of text.split("\n")) {
    let line = "";
    for (const word of paragraph.split(/(?<= )/)) {
      if (line && context.measureText(line + word).width > width) {
        lines.push(line);
        line = "";
      }
      line += word;
    }
    lines.push(line);
  }
  return lines;
}

/**
 * The colour share parts of color and the rest of other, as "rgb(...)".
 * @param {string} color "#RRGGBB"
 * @param {number} share 0 to 1
 * @param {string} other "#RRGGBB"
 */
function mixed(color, share, other) {
  const parts = (/** @type {string} */ hex) =>
    [1, 3, 5].map((at) => parseInt(hex.slice(at, at + 2), 16));
  const [a, b] = [parts(color), parts(other)];
  return `rgb(${a.map((value, at) => Math.round(value * share + b[at] * (1 - share))).join(",")})`;
}

/**
 * @param {CanvasRenderingContext2D} c
 * @param {number} x
 * @param {number} y
 * @param {number} w
 * @param {number} h
 * @param {string} face
 * @param {boolean} pressed
 */
function bevel(c, x, y, w, h, face, pressed) {
  const light = mixed(face, 0.4, "#ffffff");
  const dark = mixed(face, 0.45, "#000000");
  c.lineWidth = 1.5;
  c.strokeStyle = pressed ? dark : light;
  c.beginPath();
  c.moveTo(x, y + h);
  c.lineTo(x, y);
  c.lineTo(x + w, y);
  c.stroke();
  c.strokeStyle = pressed ? light : dark;
  c.beginPath();
  c.moveTo(x + w, y);
  c.lineTo(x + w, y + h);
  c.lineTo(x, y + h);
  c.stroke();
}

/**
 * Draws the sketch, or clears the canvas for none.
 * @param {HTMLCanvasElement} canvas
 * @param {Sketch | null} sketch
 */
export function drawSketch(canvas, sketch) {
  const ratio = window.devicePixelRatio || 1;
  const box = canvas.getBoundingClientRect();
  canvas.width = Math.max(1, Math.round(box.width * ratio));
  canvas.height = Math.max(1, Math.round(box.height * ratio));
  const c = /** @type {CanvasRenderingContext2D} */ (canvas.getContext("2d"));
  c.setTransform(ratio, 0, 0, ratio, 0, 0);
  c.clearRect(0, 0, box.width, box.height);
  if (!sketch) return;
  const { scale, left, top } = sketchPlacement(sketch, box.width, box.height);
  c.translate(left, top);
  c.scale(scale, scale);
  c.fillStyle = sketch.background;
  c.fillRect(0, 0, sketch.width, sketch.height);
  c.font = `${FontPx}px "Lodarix Serif", serif`;
  c.textBaseline = "middle";
  for (const shape of sketch.shapes) {
    const { left: x, top: y, width: w, height: h, fill } = shape;
    c.save();
    // The form's client area clips its controls, as on the screen.
    c.beginPath();
    c.rect(0, 0, sketch.width, sketch.height);
    c.clip();
    c.beginPath();
    c.rect(x - 1, y - 1, w + 2, h + 2);
    c.clip();
    c.fillStyle = fill;
    c.fillRect(x, y, w, h);
    c.fillStyle = "black";
    switch (shape.kind) {
      case "frame":
        c.strokeStyle = mixed(fill, 0.71, "#000000");
        c.lineWidth = 1;
        c.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
        break;
      case "label":
        c.textAlign = "center";
        c.fillText(shape.text, x + w / 2, y + h / 2);
        break;
      case "floorButton":
        bevel(c, x + 1, y + 1, w - 2, h - 2, fill, shape.selected);
        c.fillStyle = "black";
        c.textAlign = "center";
        c.fillText(shape.text, x + w / 2, y + h / 2);
        break;
      case "radioButton": {
        const radius = Math.min(h * 0.3, 6.5);
        const cx = x + 2 + radius;
        c.beginPath();
        c.arc(cx, y + h / 2, radius, 0, 2 * Math.PI);
        c.fillStyle = "white";
        c.fill();
        c.strokeStyle = "black";
        c.lineWidth = 1;
        c.stroke();
        if (shape.selected) {
          c.beginPath();
          c.arc(cx, y + h / 2, radius / 2, 0, 2 * Math.PI);
          c.fillStyle = "black";
          c.fill();
        }
        c.fillStyle = "black";
        c.textAlign = "left";
        c.fillText(shape.text, cx + radius + 4, y + h / 2);
        break;
      }
      case "textBox": {
        c.strokeStyle = "#7a7a7a";
        c.lineWidth = 1;
        c.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
        c.fillStyle = "black";
        c.textAlign = "left";
        const text = shape.text.endsWith("\n") ? shape.text.slice(0, -1) : shape.text;
        // From the top while it fits; else its last lines, as a box
        // scrolled to its end shows them.
        const lines = wrapped(c, text, w - 6);
        const lineHeight = FontPx * 1.15;
        const room = Math.max(1, Math.floor((h - 2) / lineHeight));
        const shown = lines.slice(-room);
        const first = lines.length > room ? y + h - 1 - shown.length * lineHeight : y + 1;
        shown.forEach((line, at) => {
          c.fillText(line, x + 3, first + (at + 0.5) * lineHeight);
        });
        break;
      }
    }
    c.restore();
  }
}
