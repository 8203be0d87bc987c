// How the page stands in the browser's window. The page is a main landmark
// of two parts: the form's column (the form, then the page's tools: the
// views' openers and the controls of the screen) and the views' column (the
// motion view, and any other view shown beside the form).
//
// At the original size (?zoom=1 in the address) the form has the desktop
// window's pixels at 96 dots per inch, and browser zoom scales it. To fit,
// the default, one scale makes the form's column as large as the window
// allows while the form keeps its proportions: the tools go below the form
// or beside it, whichever gives the larger form. With a view shown, the
// views stand beside the form where the window is wider than tall, as high
// as the window, at the form's scale or less where their graphs need the
// room; below it where the window is taller than wide, at least at their
// original size. Every size of the form,
// the tools and the views is a multiple of a custom property of the page
// (--form-scale, --view-scale), so the browser lays them out and draws them
// anew at that size: text, borders and canvases stay sharp. The scale is set
// again at once when the window's size changes or a view is shown or hidden,
// before the next frame is drawn.

/** Pixels between the window's edge and the page, when fitted. */
const Margin = 4;
/** Pixels between the parts of the page at the original size, times its scale. */
const Gap = 6;
/** The narrowest the views' column may be beside the form, at the original size. */
const ViewsWidth = 480;
/** How high the views' column is meant to be at least, at its own scale. */
const ViewsHeight = 720;

/**
 * Whether the address asks for the original size.
 * @param {Location} location
 */
export function originalSizeAsked(location) {
  return new URLSearchParams(location.search).get("zoom") === "1";
}

export class PageLayout {
  #document;
  #formWidth;
  #formHeight;
  #fitted;
  /** @type {Set<(fitted: boolean) => void>} */
  #listeners = new Set();
  /** @type {{ below: { width: number, height: number }, beside: { width: number, height: number } } | undefined} */
  #toolSizes;
  /** @type {MutationObserver} */
  #toolsChange;

  /**
   * Adopts the page's parts that the build wrote (tools/build_page.mjs):
   * the page, the form's column with the form and the tools' place, and the
   * views' column.
   * @param {Document} document
   * @param {{ width: number, height: number }} size the form's, at the original size
   * @param {boolean} fitted
   */
  constructor(document, size, fitted) {
    this.#document = document;
    this.#formWidth = size.width;
    this.#formHeight = size.height;
    this.#fitted = fitted;
    /** @param {string} selector */
    const part = (selector) => /** @type {HTMLElement} */ (document.querySelector(selector));
    this.page = part(".page");
    this.column = part(".form-column");
    this.tools = part(".page-tools");
    this.views = part(".views");
    const view = document.defaultView;
    view?.addEventListener("resize", () => this.fit());
    // A view added, shown or hidden; not what changes within a view.
    new MutationObserver((changes) => {
      if (
        changes.some(
          (change) => change.target === this.views || change.target.parentNode === this.views,
        )
      )
        this.fit();
    }).observe(this.views, {
      childList: true,
      subtree: true,
      attributes: true,
      attributeFilter: ["hidden"],
    });
    // The tools are measured once, and again when they or the fonts change.
    const remeasure = () => {
      this.#toolSizes = undefined;
      this.fit();
    };
    this.#toolsChange = new MutationObserver(remeasure);
    this.#toolsChange.observe(this.tools, {
      childList: true,
      subtree: true,
      characterData: true,
      attributes: true,
      attributeFilter: ["hidden"],
    });
    document.fonts?.addEventListener("loadingdone", remeasure);
  }

  /** Whether the page fits the window, rather than showing the original size. */
  get fitted() {
    return this.#fitted;
  }

  /** @param {boolean} fitted */
  setFitted(fitted) {
    if (fitted === this.#fitted) return;
    this.#fitted = fitted;
    this.fit();
    for (const listener of this.#listeners) listener(fitted);
  }

  /** @param {(fitted: boolean) => void} listener called when the choice changes */
  onFittedChange(listener) {
    this.#listeners.add(listener);
  }

  /** Lays the page out for the window as it is now. */
  fit() {
    const root = this.#document.documentElement;
    const shownViews = [...this.views.children].some(
      (view) => !(/** @type {HTMLElement} */ (view).hidden),
    );
    if (this.views.hidden === shownViews) this.views.hidden = !shownViews;
    if (!this.#fitted) {
      root.dataset.size = "original";
      for (const name of ["--form-scale", "--form-px", "--view-scale", "--fit-height"])
        root.style.removeProperty(name);
      delete root.dataset.views;
      delete root.dataset.tools;
      return;
    }
    root.dataset.size = "fit";
    const wide = root.clientWidth >= root.clientHeight;
    root.dataset.views = !shownViews ? "none" : wide ? "beside" : "below";
    const width = root.clientWidth - 2 * Margin;
    const height = root.clientHeight - 2 * Margin;
    root.style.setProperty("--fit-height", `${height}px`);
    this.#toolSizes ??= this.#measureTools(root);
    const { below, beside } = this.#toolSizes;
    const besideViews = shownViews && wide ? Gap + ViewsWidth : 0;
    const scaleOf = (/** @type {number} */ columnWidth, /** @type {number} */ columnHeight) =>
      Math.min(width / (columnWidth + besideViews), height / columnHeight);
    const scaleBelow = scaleOf(this.#formWidth, this.#formHeight + Gap + below.height);
    const scaleBeside = scaleOf(
      this.#formWidth + Gap + beside.width,
      Math.max(this.#formHeight, beside.height),
    );
    root.dataset.tools = scaleBeside > scaleBelow ? "beside" : "below";
    const views = /** @type {"none" | "beside" | "below"} */ (root.dataset.views);
    this.#apply(root, Math.max(scaleBelow, scaleBeside), views, height);
    // The tools keep a size that a finger can hit, so on a small screen
    // they may take more than their share: the scale then gives way.
    const scale = this.#scale(root);
    if (scale >= 1) return;
    const column = this.column.getBoundingClientRect();
    const over = Math.max(column.width / (width - besideViews * scale), column.height / height);
    if (over > 1) this.#apply(root, scale / over, views, height);
  }

  /**
   * The tools' size below the form and beside it, at the original size.
   * @param {HTMLElement} root
   */
  #measureTools(root) {
    // What changed in the tools until now is measured here.
    this.#toolsChange.takeRecords();
    root.style.setProperty("--form-scale", "1");
    root.style.setProperty("--form-px", "1px");
    /** @param {"below" | "beside"} place */
    const size = (place) => {
      root.dataset.tools = place;
      const box = this.tools.getBoundingClientRect();
      return { width: box.width, height: box.height };
    };
    return { below: size("below"), beside: size("beside") };
  }

  /** @param {HTMLElement} root */
  #scale(root) {
    return Number(root.style.getPropertyValue("--form-scale")) || 1;
  }

  /**
   * The views below the form are never smaller than at the original size;
   * beside it, they are at most as large as leaves their graphs room.
   * @param {HTMLElement} root
   * @param {number} scale
   * @param {"none" | "beside" | "below"} views
   * @param {number} height the window's, within the margins
   */
  #apply(root, scale, views, height) {
    // A little under, so that rounding never makes the page scroll.
    const formScale = Math.floor(scale * 1024) / 1024;
    const viewScale =
      views === "below"
        ? Math.max(1, formScale)
        : Math.min(formScale, Math.max(1, height / ViewsHeight));
    root.style.setProperty("--form-scale", String(formScale));
    root.style.setProperty("--form-px", `${formScale}px`);
    root.style.setProperty("--view-scale", String(viewScale));
  }
}
