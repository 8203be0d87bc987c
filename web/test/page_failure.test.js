// A window operation that fails in the page: the core's run-time error
// report in Bulgarian, as on the desktop, with the page's own closing line;
// the step timer stops and the form takes no more input. The failure comes
// through a seam of the test's own, which the page does not carry: an
// init script that makes the page's registry of controls lose the one
// named in globalThis.lodarixTestMissing.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  StepMs,
  closePage,
  floorButton,
  grilleButton,
  openPage,
  statusText,
} from "./support/browser.js";

const LoseAControl = () => {
  const get = Map.prototype.get;
  Map.prototype.get = function (key) {
    return key === /** @type {any} */ (globalThis).lodarixTestMissing
      ? undefined
      : get.call(this, key);
  };
};

test("a control lost during a pick stops the page with the core's report", async () => {
  const session = await openPage({ initScript: LoseAControl });
  const { page } = session;
  await grilleButton(page, true).click();
  await page.evaluate(() => {
    /** @type {any} */ (globalThis).lodarixTestMissing = "List1";
  });
  await floorButton(page, 4).click();
  const alert = page.getByRole("alert");
  assert.equal(
    await alert.evaluate((element) => /** @type {HTMLElement} */ (element).innerText),
    [
      "Грешка при изпълнение.",
      "",
      "Контрола: List1",
      "Действие: List",
      "(List1.List: no such control or element)",
      "",
      "Страницата спря. Презаредете я, за да започнете отначало.",
    ].join("\n"),
  );
  const status = await statusText(page);
  await page.clock.runFor(3 * StepMs);
  assert.equal(await statusText(page), status, "no step runs after the failure");
  assert.ok(
    await page.locator(".form").evaluate((form) => /** @type {HTMLElement} */ (form).inert),
  );
  assert.equal(session.problems.length, 1, "the report goes to the console too");
  await closePage(session);
});
