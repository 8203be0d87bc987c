// The page's start-up check: a classic script that runs before the page's
// modules, in any browser that runs scripts at all, so it is written in the
// oldest script language (ES5). It looks for what the page needs and the
// build's lint cannot see: WebAssembly, and that the page's security policy
// lets this browser compile it; module scripts and the language they are
// written in; the APIs and the CSS the page uses; inert. Where something is
// missing, the notice stands in place of the form (start_notice.js) and the
// page's module goes no further. Otherwise it watches the start until the
// page is ready: an error no one caught becomes the notice of a failed
// start, and a module that never ran (a browser that cannot parse it) the
// notice of a browser too old; and it keeps what the user does to the form
// until the rules are loaded (kept_input.js). The build places the page's
// texts (lodarixPageTexts) and keys (lodarixKeys) before it.

import { keepInput } from "./kept_input.js";
import { noticeShown, showStartFailure, showTooOld } from "./start_notice.js";

// The smallest module there is: compiling it is what the policy allows or not.
var EmptyWasm = [0, 0x61, 0x73, 0x6d, 1, 0, 0, 0];

// A function of one try with a catch-all: the core throws and catches its
// errors with WebAssembly's own instructions.
var TryCatchWasm = [
  0, 0x61, 0x73, 0x6d, 1, 0, 0, 0, 1, 4, 1, 0x60, 0, 0, 3, 2, 1, 0, 0x0a, 8, 1, 6, 0, 0x06, 0x40,
  0x19, 0x0b, 0x0b,
];

/** @param {string} name */
function isFunction(name) {
  return typeof (/** @type {any} */ (window)[name]) === "function";
}

function hasWebAssembly() {
  return (
    typeof WebAssembly === "object" &&
    typeof WebAssembly.compile === "function" &&
    typeof WebAssembly.instantiate === "function"
  );
}

function hasWasmExceptions() {
  return !hasWebAssembly() || WebAssembly.validate(new Uint8Array(TryCatchWasm));
}

// Without 'wasm-unsafe-eval' in its policy a browser refuses to compile.
function policyAllowsWasm() {
  if (!hasWebAssembly()) return true;
  try {
    new WebAssembly.Module(new Uint8Array(EmptyWasm));
    return true;
  } catch (error) {
    return false;
  }
}

// Its syntax cannot be tried without eval, which the policy forbids: what
// came with it stands for it (lookbehind came last, with Safari 16.4).
function hasLanguage() {
  try {
    new RegExp("(?<=a)b");
  } catch (error) {
    return false;
  }
  return typeof Object.hasOwn === "function" && typeof Array.prototype.at === "function";
}

function hasDecompression() {
  return (
    isFunction("DecompressionStream") &&
    isFunction("Response") &&
    isFunction("ReadableStream") &&
    typeof ReadableStream.prototype.pipeThrough === "function"
  );
}

// Read from the prototypes: a context made to look would cost a slow
// device more than the rest of the check.
function hasCanvas() {
  return (
    isFunction("CanvasRenderingContext2D") &&
    typeof CanvasRenderingContext2D.prototype.setLineDash === "function" &&
    isFunction("HTMLCanvasElement") &&
    typeof HTMLCanvasElement.prototype.toBlob === "function"
  );
}

function hasDownloads() {
  return isFunction("Blob") && !!URL.createObjectURL && "download" in document.createElement("a");
}

/** @type {[string, () => boolean][]} */
var Needs = [
  ["NeedsWebAssembly", hasWebAssembly],
  ["NeedsWasmExceptions", hasWasmExceptions],
  ["NeedsWasmPolicy", policyAllowsWasm],
  [
    "NeedsModules",
    function () {
      return "noModule" in document.createElement("script");
    },
  ],
  ["NeedsLanguage", hasLanguage],
  ["NeedsDecompression", hasDecompression],
  [
    "NeedsInert",
    function () {
      return "inert" in document.createElement("div");
    },
  ],
  ["NeedsCanvas", hasCanvas],
  ["NeedsDownloads", hasDownloads],
];

// What the layout cannot do without: the colours by custom property, the
// flexible boxes, the live log out of sight, the focus cue of the grille.
var Style = [
  ["--face", "#00ff00"],
  ["display", "flex"],
  ["clip-path", "inset(50%)"],
  ["selector(:focus-within)"],
];

/** @param {Record<string, string>} texts */
function missingNeeds(texts) {
  /** @type {string[]} */
  var missing = [];
  for (var at = 0; at < Needs.length; ++at) {
    var present = false;
    try {
      present = Needs[at][1]();
    } catch (error) {
      present = false;
    }
    if (!present) missing.push(texts[Needs[at][0]]);
  }
  var supports = window.CSS && CSS.supports;
  /** @type {string[]} */
  var style = [];
  for (var rule = 0; rule < Style.length; ++rule) {
    var declaration = Style[rule];
    var supported =
      !!supports &&
      (declaration.length === 1
        ? CSS.supports(declaration[0])
        : CSS.supports(declaration[0], declaration[1]));
    if (!supported) style.push(declaration.join(": "));
  }
  if (style.length) missing.push(texts.NeedsStyle.replace("{}", style.join(", ")));
  return missing;
}

// The page's module marks its first line, and the page once ready.
function moduleBegan() {
  return document.documentElement.getAttribute("data-start") !== null;
}

function pageReady() {
  return document.body.getAttribute("data-ready") === "true";
}

/** @param {unknown} reason */
function described(reason) {
  if (reason instanceof Error) return reason.name + ": " + reason.message;
  return String(reason);
}

/** @param {Record<string, string>} texts */
function watchTheStart(texts) {
  /**
   * @param {string} reason
   */
  var failed = function (reason) {
    if (pageReady() || noticeShown(document)) return;
    if (moduleBegan()) showStartFailure(document, texts, reason);
    else showTooOld(document, texts, [texts.NeedsLanguage]);
  };
  window.addEventListener("error", function (event) {
    failed(event.error ? described(event.error) : event.message);
  });
  window.addEventListener("unhandledrejection", function (event) {
    failed(described(event.reason));
  });
  document.addEventListener("DOMContentLoaded", function () {
    if (!moduleBegan() && !noticeShown(document))
      showTooOld(document, texts, [texts.NeedsLanguage]);
  });
}

var missing = missingNeeds(lodarixPageTexts);
if (missing.length) showTooOld(document, lodarixPageTexts, missing);
else {
  watchTheStart(lodarixPageTexts);
  window.lodarixKeptInput = keepInput(
    document,
    lodarixKeys.help.concat(lodarixKeys.motionView, lodarixKeys.eventsView, lodarixKeys.codeView),
  );
}
