// What the page's runs in every browser engine ask of a browser, whatever
// drives it (engines/blink.js, gecko.js, webkit.js): open the page, run a
// function in it, click at a point and press a key as the user's pointer
// and keyboard do, take a screenshot, catch a download, and tell the script
// errors it saw; those calls as a playwright or puppeteer page makes them
// (pageCalls). Also the page's side of a download for a driver that
// cannot catch one: the file the page offers, by its name and bytes.

/**
 * @typedef {object} Engine
 * @property {string} name the browser and its version, as it reports them
 * @property {(url: string) => Promise<void>} open
 * @property {(fn: (arg: any) => any, arg?: any) => Promise<any>} evaluate runs a
 *   self-contained function in the page and gives its (awaited) result
 * @property {(x: number, y: number) => Promise<void>} click a point of the viewport, in CSS pixels
 * @property {(key: "F2" | "Escape") => Promise<void>} press
 * @property {() => Promise<Uint8Array>} screenshot the viewport, as PNG
 * @property {(click: () => Promise<void>) => Promise<SavedFile>} download what a click saves
 * @property {() => Promise<string[]>} problems the script errors and console errors so far
 * @property {() => Promise<void>} close
 */

/**
 * @typedef {object} SavedFile
 * @property {string} name
 * @property {Buffer} bytes
 */

export const Viewport = { width: 1280, height: 800 };

/**
 * What a playwright-core and a puppeteer-core page alike offer.
 * @typedef {object} DrivenPage
 * @property {(url: string) => Promise<unknown>} goto
 * @property {(fn: (arg: any) => any, arg?: any) => Promise<any>} evaluate
 * @property {{ click: (x: number, y: number) => Promise<void> }} mouse
 * @property {{ press: (key: "F2" | "Escape") => Promise<void> }} keyboard
 * @property {() => Promise<Uint8Array>} screenshot
 */

/**
 * The calls of an engine that such a page answers as it is.
 * @param {DrivenPage} page
 * @returns {Pick<Engine, "open" | "evaluate" | "click" | "press" | "screenshot">}
 */
export function pageCalls(page) {
  return {
    open: async (url) => {
      await page.goto(url);
    },
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    click: (x, y) => page.mouse.click(x, y),
    press: (key) => page.keyboard.press(key),
    screenshot: () => page.screenshot(),
  };
}

/**
 * Runs in the page: from here on, the file the page offers for download is
 * kept (by its name and a Blob of its bytes) instead of saved.
 */
export function keepOfferedFiles() {
  const scope = /** @type {any} */ (globalThis);
  scope.lodarixOffered = [];
  /** @type {Map<string, Blob>} */
  const blobs = new Map();
  const createObjectURL = URL.createObjectURL.bind(URL);
  URL.createObjectURL = (/** @type {Blob} */ blob) => {
    const url = createObjectURL(blob);
    blobs.set(url, blob);
    return url;
  };
  HTMLAnchorElement.prototype.click = function () {
    scope.lodarixOffered.push({ name: this.download, blob: blobs.get(this.href) });
  };
}

/**
 * Runs in the page: the oldest file offered and not yet taken, its bytes in
 * base64, or null.
 * @returns {Promise<{ name: string, base64: string } | null>}
 */
export async function takeOfferedFile() {
  const offered = /** @type {any} */ (globalThis).lodarixOffered.shift();
  if (!offered) return null;
  const bytes = new Uint8Array(await offered.blob.arrayBuffer());
  let binary = "";
  for (let at = 0; at < bytes.length; at += 0x8000)
    binary += String.fromCharCode(...bytes.subarray(at, at + 0x8000));
  return { name: offered.name, base64: btoa(binary) };
}

/**
 * Polls a condition until it holds, at most timeoutMs.
 * @template T
 * @param {() => Promise<T | undefined | null | false>} found a value once it holds
 * @param {string} what for the failure
 * @param {number} [timeoutMs]
 * @returns {Promise<T>}
 */
export async function poll(found, what, timeoutMs = 30000) {
  const deadline = Date.now() + timeoutMs;
  for (;;) {
    const value = await found();
    if (value !== undefined && value !== null && value !== false) return value;
    if (Date.now() > deadline) throw new Error(`waited ${timeoutMs} ms for ${what}`);
    await new Promise((next) => setTimeout(next, 25));
  }
}
