// The step cadence of trips on the page's real timer (the cadence and slow
// groups): each step's time taken when its lines reach the log; the first
// step's from the click, which holds the pick's and the step's own work, and
// each later one's from the first, as the timer has them due (start + n
// periods), and from the step before.
import { closePage, freshPage } from "./figures.mjs";

export const StepMs = 800;

/**
 * @param {import("./figures.mjs").Bench} bench
 * @param {number} intervalMs set in the motion view's control unless 800
 * @param {[number, number][]} trips each a floor and its steps
 * @param {{ throttle?: number, viewShown?: boolean, afterEndlessLoop?: boolean }} [device]
 *   the CPU's throttle, the motion view shown (as it is to set an interval),
 *   and a program with an endless loop stopped first, the form's code then
 *   run in its place
 */
export async function stepErrors(
  bench,
  intervalMs = StepMs,
  trips = [
    [11, 10],
    [1, 10],
    [11, 10],
  ],
  device = {},
) {
  const page = await freshPage(bench, device.throttle);
  await page.goto(bench.pageUrl);
  await page.waitForSelector("body[data-ready=true]");
  if (device.afterEndlessLoop) await stopAnEndlessLoop(page);
  if (intervalMs !== StepMs || device.viewShown) await page.keyboard.press("F2");
  if (intervalMs !== StepMs) {
    const interval = page.getByRole("spinbutton", { name: "Интервал, ms" });
    await interval.fill(String(intervalMs));
    await interval.dispatchEvent("change");
  }
  /** @type {number[]} */
  const errors = [];
  /** @type {number[]} */
  const intervals = [];
  /** @type {number[]} */
  const firsts = [];
  for (const [floor, steps] of trips) {
    await page.getByRole("radio", { name: "Предпазната решетка е затворена" }).click();
    const times = await page.evaluate(
      ({ floor, steps }) =>
        new Promise((resolve) => {
          const log = /** @type {Element} */ (document.querySelector("[role=log]"));
          /** @type {number[]} */
          const times = [];
          const observer = new MutationObserver(() => {
            times.push(performance.now());
            if (times.length === steps + 2) {
              observer.disconnect();
              resolve(times);
            }
          });
          observer.observe(log, { childList: true });
          times.push(performance.now());
          const button = [...document.querySelectorAll("[role=radio]")].find((radio) =>
            radio.getAttribute("aria-label")?.startsWith(`Етаж ${floor},`),
          );
          /** @type {HTMLElement} */ (button).click();
        }),
      { floor, steps },
    );
    // the moment of the click, then the pick's own lines, then one entry a step
    const [picked, , ...stepTimes] = /** @type {number[]} */ (times);
    firsts.push(stepTimes[0] - picked - intervalMs);
    stepTimes.forEach((at, n) => {
      if (n > 0) errors.push(at - stepTimes[0] - n * intervalMs);
      if (n > 0) intervals.push(at - stepTimes[n - 1] - intervalMs);
    });
  }
  await closePage(page);
  return { errors, intervals, firsts };
}

/**
 * In the code view, a program whose click never ends stops at its step
 * limit; then the form's own code runs the form again, from where it stood.
 * @param {import("playwright-core").Page} page
 */
async function stopAnEndlessLoop(page) {
  await page.keyboard.press("F4");
  await page.evaluate(() => {
    const { core, runProgram } = /** @type {any} */ (globalThis).lodarixPage;
    const click = "Private Sub Option1_Click(Index As Integer)\n";
    return runProgram(core.originalCode().replace(click, `${click}    Do While True\n    Loop\n`));
  });
  await page.getByRole("radio", { name: "Предпазната решетка е затворена" }).click();
  await page.getByRole("radio", { name: /^Етаж 5,/ }).click();
  await page
    .getByText(/Грешка 18/)
    .first()
    .waitFor();
  await page.evaluate(() => {
    const { core, runProgram } = /** @type {any} */ (globalThis).lodarixPage;
    return runProgram(core.originalCode());
  });
  await page.keyboard.press("Escape");
}
