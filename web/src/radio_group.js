// The option buttons of one container form a radio group, as on the
// desktop: selecting one deselects the others; the arrow keys move the focus
// to the previous or next button in the order they appear (top to bottom,
// left to right), wrapping at the ends, without selecting it; Space selects
// the focused one. A double-click is one click: the click that ends it is
// dropped, and so is every second click of a series.

/**
 * @typedef {object} GroupMember
 * @property {HTMLElement} element
 * @property {HTMLElement} focusable
 * @property {{ left: number, top: number }} rect
 * @property {() => void} markSelected
 * @property {() => void} markDeselected
 * @property {() => boolean} isSelected
 */

/**
 * True for the click that makes a double-click (the second, fourth ... of a
 * series); keyboard clicks have no count and always count.
 * @param {{ detail: number }} event a click, or one kept to be made later
 */
export function isRepeatClick(event) {
  return event.detail > 1 && event.detail % 2 === 0;
}

export class RadioGroup {
  /** @type {GroupMember[]} */
  #members = [];

  /** @param {GroupMember} member */
  add(member) {
    this.#members.push(member);
    this.#members.sort((a, b) => a.rect.top - b.rect.top || a.rect.left - b.rect.left);
    member.focusable.addEventListener("keydown", (event) => this.#onKey(member, event));
  }

  /** The members in the order they appear. */
  get members() {
    return [...this.#members];
  }

  /** @param {GroupMember} chosen */
  select(chosen) {
    for (const member of this.#members) if (member !== chosen) member.markDeselected();
    chosen.markSelected();
  }

  /**
   * @param {GroupMember} member
   * @param {KeyboardEvent} event
   */
  #onKey(member, event) {
    const back = event.key === "ArrowLeft" || event.key === "ArrowUp";
    const forward = event.key === "ArrowRight" || event.key === "ArrowDown";
    if ((!back && !forward) || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    const reachable = this.#members.filter(
      (other) => !other.focusable.hidden && !(/** @type {any} */ (other.focusable).disabled),
    );
    const at = reachable.indexOf(member);
    if (at < 0) return;
    const next = reachable[(at + (forward ? 1 : reachable.length - 1)) % reachable.length];
    next.focusable.focus();
  }
}
