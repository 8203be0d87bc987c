// The floor buttons' markers as the page's tests read them, in any engine.

/**
 * Runs in the page: the markers, floor 1 first: c for the cabin, t for the
 * final stop, i for a free floor, read from what the buttons tell a screen
 * reader.
 */
export function floorMarkers() {
  const letters = Array(11).fill("?");
  for (const button of document.querySelectorAll("[role=radio][aria-description]")) {
    const floor = Number(/^Етаж (\d+),/.exec(button.getAttribute("aria-label") ?? "")?.[1]);
    const meaning = button.getAttribute("aria-description");
    letters[floor - 1] =
      meaning === "кабината е тук" ? "c" : meaning === "крайна спирка" ? "t" : "i";
  }
  return letters.join("");
}
