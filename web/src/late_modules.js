// The parts of the page that its start does without: the core's module, the
// motion view, the events view, the code view and the help. The build
// bundles each apart and keeps them in the page as inert text, in blocks
// (the core's module alone; the views' and the help's together, which packs
// them smaller), each gzipped and written in base 85 (base85.js), in a
// script element of type application/gzip whose data-late names the modules
// it keeps: neither run nor parsed while the page starts. The first time one
// is needed it is unpacked and run as an inline module, which the page's
// policy allows by its hash; it adds its view's style sheet to the page's,
// and announces what it exports by an event on the document, and the page
// holds that from then on.

import { fromBase85 } from "./base85.js";

const Announced = "lodarix-late";

/**
 * A late module's last line: hands the page what it exports.
 * @param {string} name
 * @param {object} exports
 */
export function announceLate(name, exports) {
  document.dispatchEvent(new CustomEvent(Announced, { detail: { name, exports } }));
}

/**
 * A late module's first line: its style sheet, added after the page's.
 * @param {string} style
 */
export function adoptLateStyle(style) {
  const sheet = new CSSStyleSheet();
  sheet.replaceSync(style);
  document.adoptedStyleSheets = [...document.adoptedStyleSheets, sheet];
}

/**
 * A gzipped block that the page keeps in base 85 (base85.js), as a response
 * whose body is unpacked as it is read, through a stream of the page's own
 * (a Blob's would be read through the browser).
 * @param {string} kept
 * @param {string} type the body's content type
 */
export function unpack(kept, type) {
  const gzipped = fromBase85(kept);
  return new Response(
    new ReadableStream({
      start(controller) {
        controller.enqueue(gzipped);
        controller.close();
      },
    }).pipeThrough(new DecompressionStream("gzip")),
    { headers: { "Content-Type": type } },
  );
}

/**
 * The text of a block the page keeps, by its element's id.
 * @param {Document} document
 * @param {string} id
 */
export function keptBlock(document, id) {
  const block = document.getElementById(id);
  if (!block) throw new Error(`the page keeps no ${id}`);
  return (block.textContent ?? "").trim();
}

/**
 * The texts of a block of late modules, as the build joins them: a first
 * line of their names and lengths, [[name, length], ...], then the texts one
 * after another.
 * @param {string} joined
 * @returns {Map<string, string>}
 */
function parted(joined) {
  const lineEnd = joined.indexOf("\n");
  /** @type {[string, number][]} */
  const lengths = JSON.parse(joined.slice(0, lineEnd));
  const texts = new Map();
  let at = lineEnd + 1;
  for (const [name, length] of lengths) {
    texts.set(name, joined.slice(at, at + length));
    at += length;
  }
  return texts;
}

export class LateModules {
  #document;
  /** @type {Map<string, Promise<any>>} */
  #loaded = new Map();
  /** @type {Map<string, Promise<Map<string, string>>>} */
  #blocks = new Map();

  /** @param {Document} document */
  constructor(document) {
    this.#document = document;
  }

  /**
   * What the late module exports, once it has run; it runs once.
   * @param {string} name
   * @returns {Promise<any>}
   */
  load(name) {
    let loaded = this.#loaded.get(name);
    if (!loaded) {
      loaded = this.#run(name);
      this.#loaded.set(name, loaded);
    }
    return loaded;
  }

  /**
   * The late module's text, from the block that keeps it with others,
   * unpacked once for all of them.
   * @param {string} name
   */
  async #textOf(name) {
    const block = this.#document.querySelector(`script[data-late~="${name}"]`);
    if (!block) throw new Error(`the page keeps no ${name}`);
    let texts = this.#blocks.get(block.id);
    if (!texts) {
      texts = unpack(keptBlock(this.#document, block.id), "text/plain").text().then(parted);
      this.#blocks.set(block.id, texts);
    }
    const text = (await texts).get(name);
    if (text === undefined) throw new Error(`the page's ${block.id} keeps no ${name}`);
    return text;
  }

  /** @param {string} name */
  async #run(name) {
    const document = this.#document;
    const text = await this.#textOf(name);
    return new Promise((resolve, reject) => {
      const onAnnounced = (/** @type {Event} */ event) => {
        const { detail } = /** @type {CustomEvent} */ (event);
        if (detail.name !== name) return;
        document.removeEventListener(Announced, onAnnounced);
        resolve(detail.exports);
      };
      document.addEventListener(Announced, onAnnounced);
      const script = document.createElement("script");
      script.type = "module";
      script.textContent = text;
      script.addEventListener("error", () => reject(new Error(`the page's ${name} did not run`)));
      document.head.append(script);
    });
  }
}
