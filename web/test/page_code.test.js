// The code view of the page, by real clicks, keys and the page's clock: F4,
// its button and Escape; a trip lighting the lines of each event with what
// they changed; line by line with F10 through every statement of a pick,
// the form changing with each, the form's input held meanwhile and applied
// after; a program with an error, reported with its line while the page goes
// on; the line read out on demand; and back and forth through the steps
// that ran, with the events view choosing along.
import { test } from "node:test";
import assert from "node:assert/strict";
import { mkdirSync } from "node:fs";
import { dirname, join } from "node:path";
import {
  StepMs,
  closePage,
  floorButton,
  grilleButton,
  markers,
  openPage,
  statusText,
} from "./support/browser.js";
import { codeView, formCode, litLines, procedureLines } from "./support/code.js";
import { eventsGrid, eventsView } from "./support/events.js";
import { pageFacts } from "./support/page_facts.js";
import { requiredPath } from "./support/paths.js";

const Wide = { viewport: { width: 1500, height: 1000 } };
const evidence = join(dirname(requiredPath("LODARIX_PAGE")), "test-evidence");
const logLines = procedureLines("LogCurrentFloor");

const texts = pageFacts().codeTexts;
// The frame after a tick, in which the code view draws the step it shows.
const FrameMs = 20;

/**
 * The step the history bar shows: its number, of how many, where it ran,
 * and the lines of words under its heading.
 * @param {import("playwright-core").Page} page
 */
async function shownStep(page) {
  const words = (await codeView(page).locator(".code-step").textContent()) ?? "";
  const [heading, ...rest] = words.split("\n");
  const [, step, of, procedure, line] =
    /^Стъпка (\d+) от (\d+): (\w+), ред (\d+)$/.exec(heading) ?? [];
  return { step: Number(step), of: Number(of), procedure, line: Number(line), rest };
}

/**
 * @param {import("playwright-core").Page} page
 * @param {string} name
 */
const stepButton = (page, name) => codeView(page).getByRole("button", { name, exact: true });

/** @param {number[]} lines @param {number[]} within */
const allWithin = (lines, within) => lines.every((line) => within.includes(line));

test("F4 and its button show the view, F4 and Escape hide it; a trip lights each event's lines", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  const opener = page.getByRole("button", { name: "Код", exact: true });
  assert.equal(await opener.getAttribute("aria-expanded"), "false");
  await page.keyboard.press("F4");
  await codeView(page).waitFor();
  assert.equal(await opener.getAttribute("aria-expanded"), "true");
  await grilleButton(page, true).click();
  await floorButton(page, 4).click();
  const click = await litLines(page);
  const clickLines = procedureLines("Option1_Click");
  assert.ok(allWithin(click.ran, [...clickLines, ...logLines]), String(click.ran));
  assert.ok(click.ran.includes(clickLines[0]) && click.ran.includes(logLines[0]));
  assert.equal(click.last, logLines[0], "LogCurrentFloor's line ran last");
  assert.equal(click.changes[formCode.indexOf("TargetFloor = Index") + 1], "TargetFloor = 0 → 3");
  await page.clock.runFor(StepMs);
  const tick = await litLines(page);
  const timerLines = procedureLines("Timer1_Timer");
  assert.ok(allWithin(tick.ran, [...timerLines, ...logLines]), String(tick.ran));
  assert.ok(tick.ran.includes(timerLines[0]));
  const climb = "If CurrentFloor < TargetFloor Then CurrentFloor = CurrentFloor + 1";
  assert.equal(tick.changes[formCode.indexOf(climb) + 1], "CurrentFloor = 0 → 1");
  assert.equal(tick.changes[formCode.indexOf("TargetFloor = Index") + 1], undefined);
  assert.equal(await markers(page), "icitiiiiiii");

  await codeView(page).getByRole("region", { name: "Кодът на формата" }).focus();
  await page.keyboard.press("Escape");
  assert.ok(!(await codeView(page).isVisible()), "Escape hides the view with the focus");
  assert.ok(await opener.evaluate((button) => button === document.activeElement));
  await opener.click();
  assert.ok(await codeView(page).isVisible());
  await page.keyboard.press("F4");
  assert.ok(!(await codeView(page).isVisible()));
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

test("line by line: F10 walks a pick through each statement, the form changing with it; held input comes after", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  await page.keyboard.press("F4");
  const view = codeView(page);
  const lineByLine = view.getByRole("button", { name: "Ред по ред" });
  await lineByLine.click();
  assert.equal(await lineByLine.getAttribute("aria-pressed"), "true");
  await grilleButton(page, true).click();
  await floorButton(page, 3).click();
  const first = (await litLines(page)).next;
  assert.equal(formCode[first - 1], "If Option2(0).Value = False Then");

  // Until the held click begins the next pick.
  /** @type {string[][]} */
  const walked = [];
  let before = await markers(page);
  for (let next = first; next && !(walked.length && next === first);) {
    await page.keyboard.press("F10");
    const after = await markers(page);
    const { last, changes } = await litLines(page);
    assert.equal(last, next, "the line that was next ran");
    walked.push([formCode[last - 1], ...(after === before ? [] : [after])]);
    if (formCode[last - 1] === "Timer1.Enabled = True") {
      await floorButton(page, 5).click();
      await grilleButton(page, false).click();
      await page.clock.runFor(3 * StepMs + 100);
      assert.equal(await floorButton(page, 5).getAttribute("aria-checked"), "false");
      assert.ok(await grilleButton(page, true).isChecked());
    }
    if (formCode[last - 1] === "TargetFloor = Index")
      assert.equal(changes[last], "TargetFloor = 0 → 2");
    before = after;
    next = (await litLines(page)).next;
  }
  mkdirSync(evidence, { recursive: true });
  await page.screenshot({ path: join(evidence, "code_line_by_line.png") });
  const raised =
    'If CurrentFloor < TargetFloor Then Text1(0).Text = "Асансьорът се качва!" & vbCrLf';
  assert.deepEqual(walked, [
    ["If Option2(0).Value = False Then"],
    ["Option1(CurrentFloor).BackColor = &HFF00&", "iiiiiiiiiii"],
    ["Option1(TargetFloor).BackColor = &H8080FF", "ciiiiiiiiii"],
    ["CurrentFloor = TargetFloor"],
    ["TargetFloor = Index"],
    ["Option1(Index).BackColor = &HFF8080", "citiiiiiiii"],
    ["Timer1.Enabled = True"],
    [raised],
    [raised],
    ['If CurrentFloor > TargetFloor Then Text1(0).Text = "Асансьорът слиза!" & vbCrLf'],
    ["LogCurrentFloor"],
    [formCode[logLines[0] - 1]],
  ]);

  // The held click began the next pick; the grille and the tick wait behind it.
  assert.equal(await floorButton(page, 5).getAttribute("aria-checked"), "true");
  assert.ok(await grilleButton(page, true).isChecked(), "the grille's selection waits");
  assert.equal(await statusText(page), "Асансьорът се качва!\nЕтаж I\n");
  await lineByLine.click();
  assert.ok(await grilleButton(page, false).isChecked());
  assert.equal((await litLines(page)).next, 0);
  assert.equal(
    await statusText(page),
    "Асансьорът се качва!\nЕтаж III\nЕтаж IV\n",
    "the rest of the pick, then one tick of the three that fell due",
  );
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

test("the teacher's step waits while a procedure stands part-way", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  await page.keyboard.press("F4");
  await codeView(page).getByRole("button", { name: "Ред по ред" }).click();
  await page.keyboard.press("F2");
  const motion = page.getByRole("region", { name: "Lodarix - графика на движението" });
  await motion.getByRole("button", { name: "Пауза" }).click();
  const step = motion.getByRole("button", { name: "Стъпка" });
  assert.ok(await step.isEnabled());
  await grilleButton(page, true).click();
  await floorButton(page, 2).click();
  assert.ok(await step.isDisabled());
  while ((await litLines(page)).next) await page.keyboard.press("F10");
  assert.ok(await step.isEnabled());
  await closePage(session);
});

test("an error of the code shows with its line, the page goes on, and the program starts again", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  const program = [
    "Private Sub Form_Load()",
    '    Text1(0).Text = "Зареден"',
    "End Sub",
    "Private Sub Option1_Click(Index As Integer)",
    "    Option1(Index + 20).BackColor = &HFF00&",
    "End Sub",
  ].join("\n");
  await page.evaluate(
    (source) => /** @type {any} */ (globalThis).lodarixPage.runProgram(source),
    program,
  );
  const view = codeView(page);
  await grilleButton(page, true).click();
  await floorButton(page, 2).click();
  const alert = view.getByRole("alert");
  assert.equal(
    await alert.textContent(),
    "Грешка 9 в Option1_Click, ред 5: Индексът е извън обхвата",
  );
  assert.equal((await litLines(page)).error, 5);
  assert.ok(
    !(await page.locator(".form").evaluate((form) => /** @type {HTMLElement} */ (form).inert)),
  );
  await floorButton(page, 7).click();
  assert.equal(
    await floorButton(page, 7).getAttribute("aria-checked"),
    "true",
    "the form takes input",
  );
  await page.keyboard.press("F3");
  await page.getByRole("region", { name: "Lodarix - събития" }).waitFor();

  await view.getByRole("button", { name: "Отначало" }).click();
  assert.equal(await statusText(page), "Зареден");
  assert.ok(await alert.isHidden());
  assert.equal((await litLines(page)).error, 0);

  await page.evaluate(
    (source) => /** @type {any} */ (globalThis).lodarixPage.runProgram(source),
    "Private Sub Form_Load()\n    If\nEnd Sub\n",
  );
  assert.match((await alert.textContent()) ?? "", /^Грешка при четене, ред 2, колона 7: /);
  assert.equal((await litLines(page)).error, 2);
  assert.equal(await view.locator(".code-line").count(), 3, "the program's own lines");
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

test("a screen reader hears the line that ran, on demand only", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  await page.keyboard.press("F4");
  await grilleButton(page, true).click();
  await floorButton(page, 3).click();
  await page.clock.runFor(StepMs);
  const log = page.getByRole("log");
  assert.ok(!((await log.textContent()) ?? "").includes("Ред "), "nothing read while lines run");
  await codeView(page).getByRole("region", { name: "Кодът на формата" }).focus();
  await page.keyboard.press("Enter");
  await log.getByText(/^Ред \d+:/).waitFor();
  const heard = await log.locator("p").last().textContent();
  const last = formCode.indexOf("If CurrentFloor = TargetFloor Then") + 1;
  assert.equal(heard, `Ред ${last}: If CurrentFloor = TargetFloor Then. Нищо не се промени.`);
  await closePage(session);
});

test("a period the code gives the timer shows in the teacher's interval, and the other way round", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  await page.keyboard.press("F2");
  const interval = page.getByRole("spinbutton", { name: "Интервал, ms" });
  assert.equal(await interval.inputValue(), "800");
  const program = [
    "Private Sub Form_Load()",
    "    Timer1.Interval = 400",
    "End Sub",
    "Private Sub Option1_Click(Index As Integer)",
    '    Text1(0).Text = "Интервал " & Timer1.Interval',
    "End Sub",
  ].join("\n");
  await page.evaluate(
    (source) => /** @type {any} */ (globalThis).lodarixPage.runProgram(source),
    program,
  );
  await codeView(page).getByRole("button", { name: "Отначало" }).click();
  await page.waitForFunction(() => document.querySelector("input[aria-valuenow='400']") !== null);
  assert.equal(await interval.inputValue(), "400");
  await interval.fill("1200");
  await interval.dispatchEvent("change");
  await floorButton(page, 2).click();
  assert.equal(await statusText(page), "Интервал 1200");
  await closePage(session);
});

test("line by line through an arrival: a tick held meanwhile runs no step once the timer is off", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  await page.keyboard.press("F4");
  const view = codeView(page);
  await view.waitFor();
  await view.getByRole("button", { name: "Ред по ред" }).click();
  await grilleButton(page, true).click();
  await floorButton(page, 2).click();
  const next = view.getByRole("button", { name: "Следващ ред" });
  const lastStops = async () => (await statusText(page)).split("Последна спирка!").length - 1;
  for (let line = 0; line < 60 && (await lastStops()) === 0; ++line) {
    await page.clock.runFor(StepMs);
    await next.click();
  }
  for (let line = 0; line < 3; ++line) if (await next.isEnabled()) await next.click();
  await page.clock.runFor(3 * StepMs);
  assert.equal(await lastStops(), 1, await statusText(page));
  assert.equal(await markers(page), "iciiiiiiiii");
  await closePage(session);
});

test("back and forth: a past step's line, words and drawing stay as the trip goes on; the last step follows again", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  await page.keyboard.press("F4");
  const view = codeView(page);
  const slider = view.getByRole("slider", { name: texts.Steps });
  assert.equal(await view.locator(".code-step").textContent(), texts.NoSteps);
  assert.ok(await slider.isDisabled());
  await grilleButton(page, true).click();
  await floorButton(page, 7).click();
  await page.clock.runFor(StepMs + FrameMs);
  const live = await shownStep(page);
  assert.equal(live.step, live.of, "the latest, followed");
  assert.equal(live.line, (await litLines(page)).last);

  await stepButton(page, texts.Back).click();
  await stepButton(page, texts.Back).click();
  const back = await shownStep(page);
  assert.deepEqual([back.step, back.of], [live.step - 2, live.of]);
  assert.equal((await litLines(page)).last, back.line, "the step's line is lit");
  assert.match(back.rest[0], /^След нея: CurrentFloor = 1, TargetFloor = 6\b/);
  const sketch = view.getByRole("img", { name: `Формата след стъпка ${back.step}` });
  assert.ok(
    await sketch.evaluate((canvas) => {
      const { width, height } = /** @type {HTMLCanvasElement} */ (canvas);
      const context = /** @type {HTMLCanvasElement} */ (canvas).getContext("2d");
      return context?.getImageData(0, 0, width, height).data.some((value) => value > 0);
    }),
    "the form is drawn",
  );
  await page.clock.runFor(StepMs + FrameMs);
  const during = await shownStep(page);
  assert.equal(during.step, back.step, "the choice stays put while the trip goes on");
  assert.ok(during.of > live.of);
  assert.equal((await litLines(page)).last, back.line);
  await stepButton(page, texts.Forward).click();
  assert.equal((await shownStep(page)).step, back.step + 1);
  await stepButton(page, texts.Latest).click();
  await page.clock.runFor(StepMs + FrameMs);
  const followed = await shownStep(page);
  assert.ok(followed.step === followed.of && followed.of > during.of, "following again");

  await slider.focus();
  await page.keyboard.press("Home");
  const first = await shownStep(page);
  assert.deepEqual([first.step, first.procedure], [1, "Option1_Click"]);
  await slider.press("End");
  await page.clock.runFor(StepMs + FrameMs);
  const end = await shownStep(page);
  assert.ok(end.step === end.of && end.of > followed.of, "the slider's end follows");
  await page.keyboard.press("Home");
  await view.getByRole("region", { name: "Кодът на формата" }).focus();
  await page.keyboard.press("Enter");
  const log = page.getByRole("log");
  await log.getByText(/^Стъпка 1 от \d+: Option1_Click/).waitFor();
  assert.match(
    (await log.locator("p").last().textContent()) ?? "",
    /ред \d+\. If Option2\(0\)\.Value = False Then\. След нея: CurrentFloor = 0, TargetFloor = 0/,
  );
  await stepButton(page, texts.Restart).click();
  await page.clock.runFor(FrameMs);
  const anew = await shownStep(page);
  assert.deepEqual([anew.procedure, anew.step], ["Form_Load", anew.of], "steps count anew");
  assert.ok(anew.of < 12, String(anew.of));
  assert.deepEqual(session.problems, []);
  await closePage(session);
});

test("the events view and the code view choose together: a row its first step, a step its row", async () => {
  const session = await openPage(Wide);
  const { page } = session;
  await page.keyboard.press("F4");
  await page.keyboard.press("F3");
  await eventsView(page).waitFor();
  await grilleButton(page, true).click();
  await floorButton(page, 4).click();
  await page.clock.runFor(StepMs + FrameMs);
  /** @param {string} text */
  const row = (text) => eventsGrid(page).getByRole("row").filter({ hasText: text });
  await row("щракване на бутон").click();
  const pick = await shownStep(page);
  assert.deepEqual([pick.step, pick.procedure], [1, "Option1_Click"]);
  assert.equal(pick.line, procedureLines("Option1_Click")[0]);
  assert.equal((await litLines(page)).last, pick.line);

  await stepButton(page, texts.Latest).click();
  await stepButton(page, texts.Back).click();
  const tick = row("таймерът отброи");
  assert.equal(await tick.getAttribute("aria-selected"), "true", "a step selects its row");
  const field = codeView(page).getByRole("spinbutton", { name: texts.GoToStep });
  await field.fill("2");
  await field.press("Enter");
  assert.equal((await shownStep(page)).step, 2);
  assert.equal(await row("щракване на бутон").getAttribute("aria-selected"), "true");
  assert.equal(await tick.getAttribute("aria-selected"), "false");

  await row("избор на решетка").click();
  const kept = await shownStep(page);
  assert.equal(kept.step, 2, "a row that ran no line leaves the choice");
  assert.equal(kept.rest.at(-1), texts.RowRanNoLines);
  assert.deepEqual(session.problems, []);
  await closePage(session);
});
