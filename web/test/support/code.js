// The code view for the page's tests: finding it, the form's code as it
// ships, each procedure's lines, and the lines the view has lit.
import { readFileSync } from "node:fs";

/** The form's code, a line's text (trimmed) at its number less one. */
export const formCode = readFileSync(
  new URL("../../../core/program/form_code.bas", import.meta.url),
  "utf8",
)
  .split("\n")
  .map((line) => line.trim());

/**
 * The numbers of the lines inside the procedure, its Sub and End Sub left out.
 * @param {string} name
 */
export function procedureLines(name) {
  const first = formCode.findIndex((line) => line.startsWith(`Private Sub ${name}(`)) + 2;
  const end = formCode.indexOf("End Sub", first - 1) + 1;
  return Array.from({ length: end - first }, (_, at) => first + at);
}

/** @param {import("playwright-core").Page} page */
export const codeView = (page) => page.getByRole("region", { name: "Код", exact: true });

/**
 * The view's lit lines: those that ran in the latest event, the one that ran
 * last, the one next, and the one whose error stopped the program.
 * @param {import("playwright-core").Page} page
 */
export function litLines(page) {
  return codeView(page)
    .locator(".code-line")
    .evaluateAll((items) => {
      /** @param {(item: Element) => boolean} lit */
      const numbers = (lit) => items.flatMap((item, at) => (lit(item) ? [at + 1] : []));
      return {
        ran: numbers((item) => item.classList.contains("ran")),
        last: numbers((item) => item.hasAttribute("aria-current"))[0] ?? 0,
        next: numbers((item) => item.hasAttribute("data-next"))[0] ?? 0,
        error: numbers((item) => item.classList.contains("error"))[0] ?? 0,
        changes: Object.fromEntries(
          items.flatMap((item, at) => {
            const text = item.querySelector(".code-changes")?.textContent;
            return text ? [[at + 1, text]] : [];
          }),
        ),
      };
    });
}
