// The page's tools under the form (or beside it): the views' openers, and
// the controls of the screen: "fit the window" as a toggle (pressed while
// the page fills the window, released at the original size; the choice
// lasts while the page is open and is stored nowhere), full screen where
// the browser has the Fullscreen API, and the help, which F1 opens too.
// Each is a button with an icon and its name, which shows beside it when
// there is room. The help's script comes with its first opening.

/** @typedef {import("./page_layout.js").PageLayout} PageLayout */
/** @typedef {import("./late_modules.js").LateModules} LateModules */

const Icons = {
  graph: "M3 3v18h18M7 15l4-5 3 3 6-7",
  fit: "M9 3H3v6M15 3h6v6M9 21H3v-6M15 21h6v-6M3 3l6 6M21 3l-6 6M3 21l6-6M21 21l-6-6",
  fullScreen: "M3 9V3h6M21 9V3h-6M3 15v6h6M21 15v6h-6",
  events: "M8 6h13M8 12h13M8 18h13M3 6h1M3 12h1M3 18h1",
  code: "M8 7l-5 5 5 5M16 7l5 5-5 5M14 4l-4 16",
};

/**
 * A button of the tools: its icon (or mark), then its name.
 * @param {Document} document
 * @param {string} name
 * @param {keyof typeof Icons | { mark: string }} icon
 */
export function toolButton(document, name, icon) {
  const button = document.createElement("button");
  button.type = "button";
  if (typeof icon === "string") {
    const svg = document.createElementNS("http://www.w3.org/2000/svg", "svg");
    svg.setAttribute("viewBox", "0 0 24 24");
    svg.setAttribute("aria-hidden", "true");
    svg.setAttribute("fill", "none");
    svg.setAttribute("stroke", "currentColor");
    svg.setAttribute("stroke-width", "2");
    svg.setAttribute("stroke-linecap", "round");
    svg.setAttribute("stroke-linejoin", "round");
    const path = document.createElementNS("http://www.w3.org/2000/svg", "path");
    path.setAttribute("d", Icons[icon]);
    svg.append(path);
    button.append(svg);
  } else {
    const mark = document.createElement("span");
    mark.className = "help-mark";
    mark.setAttribute("aria-hidden", "true");
    mark.textContent = icon.mark;
    button.append(mark);
  }
  const text = document.createElement("span");
  text.className = "tool-text";
  text.textContent = name;
  button.append(text);
  return button;
}

/**
 * Adds the controls of the screen to the layout's tools, and the help to its
 * page when it is first opened.
 * @param {Document} document
 * @param {PageLayout} layout
 * @param {Record<string, string>} texts the core's page_screen_texts
 * @param {LateModules} late
 * @param {string[]} helpKeys the keys that open the help, by KeyboardEvent.key
 */
export function addScreenTools(document, layout, texts, late, helpKeys) {
  layout.tools.setAttribute("aria-label", texts.Tools);
  const fit = toolButton(document, texts.FitToWindow, "fit");
  fit.title = texts.FitToWindowTip;
  const showFitted = () => fit.setAttribute("aria-pressed", String(layout.fitted));
  showFitted();
  fit.addEventListener("click", () => layout.setFitted(!layout.fitted));
  layout.onFittedChange(showFitted);
  layout.tools.append(fit);

  const root = /** @type {any} */ (document.documentElement);
  const doc = /** @type {any} */ (document);
  const request = root.requestFullscreen ?? root.webkitRequestFullscreen;
  const exit = document.exitFullscreen ?? doc.webkitExitFullscreen;
  const current = () => document.fullscreenElement ?? doc.webkitFullscreenElement ?? null;
  if ((document.fullscreenEnabled ?? doc.webkitFullscreenEnabled) && request && exit) {
    const full = toolButton(document, texts.FullScreen, "fullScreen");
    full.title = texts.FullScreenTip;
    const showFull = () => full.setAttribute("aria-pressed", String(current() !== null));
    showFull();
    full.addEventListener("click", () => {
      const done = current() ? exit.call(document) : request.call(root);
      Promise.resolve(done).catch(() => {});
    });
    for (const change of ["fullscreenchange", "webkitfullscreenchange"])
      document.addEventListener(change, showFull);
    layout.tools.append(full);
  }

  /** @type {Promise<import("./help_dialog.js").HelpDialog> | undefined} */
  let dialog;
  const showHelp = () => {
    dialog ??= late.load("help").then(({ HelpDialog, help }) => {
      const made = new HelpDialog(document, help);
      layout.page.append(made.element);
      return made;
    });
    dialog.then((made) => made.show());
  };
  const open = toolButton(document, texts.Help, { mark: "?" });
  open.title = texts.HelpTip;
  open.setAttribute("aria-keyshortcuts", helpKeys.join(" "));
  open.setAttribute("aria-haspopup", "dialog");
  open.addEventListener("click", showHelp);
  layout.tools.append(open);
  document.addEventListener("keydown", (event) => {
    if (!helpKeys.includes(event.key) || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    showHelp();
  });
}
