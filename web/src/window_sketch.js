// The small drawing of the window after a row of a trace, on a canvas: the
// core's sketch (web/page/trace_rows.h) scaled to the canvas's box, sharp at
// any zoom, in the core's sizes and colours (SketchStyle): the form, its frames, the floor buttons in their colours, the
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
 * @property {string} edge a frame's or a text box's
 * @property {string} lit a floor button's lit bevel, its shaded one when pressed
 * @property {string} shaded
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
 * A floor button's raised or pressed edge.
 * @param {CanvasRenderingContext2D} c
 * @param {SketchShape} shape
 * @param {import("./lodarix.js").SketchStyle} style
 */
function bevel(c, shape, style) {
  const inset = style.bevelInset;
  const [x, y] = [shape.left + inset, shape.top + inset];
  const [w, h] = [shape.width - 2 * inset, shape.height - 2 * inset];
  c.lineWidth = style.bevelWidth;
  c.strokeStyle = shape.selected ? shape.shaded : shape.lit;
  c.beginPath();
  c.moveTo(x, y + h);
  c.lineTo(x, y);
  c.lineTo(x + w, y);
  c.stroke();
  c.strokeStyle = shape.selected ? shape.lit : shape.shaded;
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
 * @param {import("./lodarix.js").SketchStyle} style
 */
export function drawSketch(canvas, sketch, style) {
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
  c.font = `${style.fontPx}px "Lodarix Serif", serif`;
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
    c.fillStyle = style.ink;
    switch (shape.kind) {
      case "frame":
        c.strokeStyle = shape.edge;
        c.lineWidth = style.edgeWidth;
        c.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
        break;
      case "label":
        c.textAlign = "center";
        c.fillText(shape.text, x + w / 2, y + h / 2);
        break;
      case "floorButton":
        bevel(c, shape, style);
        c.fillStyle = style.ink;
        c.textAlign = "center";
        c.fillText(shape.text, x + w / 2, y + h / 2);
        break;
      case "radioButton": {
        const radius = Math.min(h * style.markShare, style.markWidth) / 2;
        const cx = x + style.markLeft + radius;
        c.beginPath();
        c.arc(cx, y + h / 2, radius, 0, 2 * Math.PI);
        c.fillStyle = style.markFill;
        c.fill();
        c.strokeStyle = style.ink;
        c.lineWidth = style.edgeWidth;
        c.stroke();
        if (shape.selected) {
          c.beginPath();
          c.arc(cx, y + h / 2, radius / 2, 0, 2 * Math.PI);
          c.fillStyle = style.ink;
          c.fill();
        }
        c.fillStyle = style.ink;
        c.textAlign = "left";
        c.fillText(shape.text, cx + radius + style.markGap, y + h / 2);
        break;
      }
      case "textBox": {
        c.strokeStyle = shape.edge;
        c.lineWidth = style.edgeWidth;
        c.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
        c.fillStyle = style.ink;
        c.textAlign = "left";
        const text = shape.text.endsWith("\n") ? shape.text.slice(0, -1) : shape.text;
        // From the top while it fits; else its last lines, as a box
        // scrolled to its end shows them.
        const lines = wrapped(c, text, w - 2 * style.textPadding);
        const lineHeight = style.fontPx * style.textLineHeight;
        const room = Math.max(1, Math.floor((h - 2) / lineHeight));
        const shown = lines.slice(-room);
        const first = lines.length > room ? y + h - 1 - shown.length * lineHeight : y + 1;
        shown.forEach((line, at) => {
          c.fillText(line, x + style.textPadding, first + (at + 0.5) * lineHeight);
        });
        break;
      }
    }
    c.restore();
  }
}
