// The core's window in node, on controls the test keeps (web/page/page_window.h):
// which window operations each rule calls, with what, the status box read in
// CR LF though it keeps line feeds, and a control the page has not got
// reported as a run-time error that names it and stops the step timer. The
// form's code in place of the rules: taking over mid-trip, the statements of
// an event taken once with their changes, line by line, and its errors,
// which stop that program only.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { loadCore } from "./support/load_core.js";
import { requiredPath } from "./support/paths.js";

const core = await loadCore(requiredPath("LODARIX_CORE"));
const formCode = readFileSync(new URL("../../core/program/form_code.bas", import.meta.url), "utf8")
  .split("\n")
  .map((line) => line.trim());

/**
 * Controls as the page's are reached: each call is logged, and `missing`
 * names what the page has not got.
 * @param {string[]} [missing] "Name(index)" or "Name"
 */
function testControls(missing = []) {
  /** @type {string[]} */
  const calls = [];
  const state = {
    status: "Условие\n",
    edited: false,
    grilleClosed: false,
    items: ["Етаж I", "Етаж II", "Етаж III", "Етаж IV"],
  };
  const has = (/** @type {string} */ name, /** @type {number} */ index) =>
    !missing.includes(`${name}(${index})`) && !missing.includes(name);
  const controls = {
    setBackColor: (
      /** @type {string} */ name,
      /** @type {number} */ index,
      /** @type {string} */ color,
      /** @type {string} */ meaning,
    ) => calls.push(`paint ${index} ${color} ${meaning}`) > 0 && has(name, index),
    isSelected: (/** @type {string} */ name, /** @type {number} */ index) =>
      has(name, index) ? index === 0 && state.grilleClosed : undefined,
    select: (/** @type {string} */ name, /** @type {number} */ index) =>
      calls.push(`select ${name}(${index})`) > 0 && has(name, index),
    setTimerEnabled: (/** @type {string} */ name, /** @type {boolean} */ on) =>
      calls.push(`timer ${on}`) > 0 && has(name, 0),
    text: (/** @type {string} */ name, /** @type {number} */ index) =>
      has(name, index) ? state.status : undefined,
    replaceText: (
      /** @type {string} */ name,
      /** @type {number} */ index,
      /** @type {string} */ text,
    ) => {
      calls.push(`replace ${JSON.stringify(text)}`);
      state.status = text;
      return has(name, index);
    },
    appendText: (
      /** @type {string} */ name,
      /** @type {number} */ index,
      /** @type {string} */ text,
    ) => {
      calls.push(`append ${JSON.stringify(text)}`);
      state.status += text;
      return has(name, index);
    },
    takeUserEdit: (/** @type {string} */ name, /** @type {number} */ index) => {
      const edited = state.edited;
      state.edited = false;
      return has(name, index) ? edited : undefined;
    },
    listItem: (/** @type {string} */ name, /** @type {number} */ item) =>
      has(name, 0) ? state.items[item] : null,
    hide: (/** @type {string} */ name) => calls.push(`hide ${name}`) > 0 && has(name, 0),
    caption: (/** @type {string} */ name, /** @type {number} */ index) =>
      has(name, index) ? `Етаж ${index + 1}` : undefined,
    listCount: (/** @type {string} */ name) => (has(name, 0) ? state.items.length : null),
    period: (/** @type {string} */ name) => (has(name, 0) ? 800 : null),
    setPeriod: (/** @type {string} */ name) => has(name, 0),
    runTimeError: (/** @type {string} */ message) => void calls.push(`error ${message}`),
    formCodeFailed: (/** @type {string} */ report, /** @type {number} */ line) =>
      void calls.push(`failed ${line} ${report}`),
  };
  return { controls, calls, state };
}

test("the load, a refusal, and a trip through the window operations", () => {
  const { controls, calls, state } = testControls();
  const window = new core.PageWindow(controls);
  assert.ok(window.load());
  assert.deepEqual(calls.splice(0), ["timer false", "hide List1", "select Option2(1)"]);
  assert.ok(window.pick(2));
  assert.deepEqual(calls.splice(0), ['replace "Затворете предпазната решетка!"']);
  state.grilleClosed = true;
  assert.ok(window.pick(2));
  assert.deepEqual(calls.splice(0), [
    "paint 0 #00FF00 свободен",
    "paint 0 #FF8080 кабината е тук",
    "paint 2 #8080FF крайна спирка",
    "timer true",
    'replace "Асансьорът се качва!\\n"',
    'append "Етаж I\\n"',
  ]);
  assert.ok(window.step());
  assert.ok(window.step());
  assert.deepEqual(calls.slice(-5), [
    "paint 2 #FF8080 кабината е тук",
    'append "Етаж III\\n"',
    "timer false",
    'append "Последна спирка!\\n"',
    "select Option2(1)",
  ]);
  assert.equal(state.status, "Асансьорът се качва!\nЕтаж I\nЕтаж II\nЕтаж III\nПоследна спирка!\n");
  assert.deepEqual([core.currentFloor(window), core.targetFloor(window)], [2, 2]);
});

test("the user's edit is read back, in front of the next line", () => {
  const { controls, state } = testControls();
  const window = new core.PageWindow(controls);
  window.load();
  state.grilleClosed = true;
  window.pick(0);
  assert.equal(state.status, "Условие\nЕтаж I\n");
  state.status += "бележка";
  state.edited = true;
  window.step();
  assert.equal(state.status, "Условие\nЕтаж I\nбележкаЕтаж I\nПоследна спирка!\n");
});

/**
 * The run-time error report as the page shows it: what failed, why, and
 * that the page stopped.
 * @param {string[]} what the lines naming the control, its index and the operation
 * @param {string} why
 */
const report = (what, why) =>
  `Грешка при изпълнение.\n\n${what.map((line) => `${line}\n`).join("")}(${why})\n\n` +
  "Страницата спря. Презаредете я, за да започнете отначало.";

test("a control the page has not got is a run-time error that names it", () => {
  for (const [missing, message] of [
    [
      "Option1(3)",
      report(
        ["Контрола: Option1", "Индекс: 3", "Действие: BackColor"],
        "Option1(3).BackColor: no such control or element",
      ),
    ],
    [
      "Text1(0)",
      report(
        ["Контрола: Text1", "Индекс: 0", "Действие: Text"],
        "Text1(0).Text: no such control or element",
      ),
    ],
  ]) {
    const { controls, calls, state } = testControls([missing]);
    const window = new core.PageWindow(controls);
    assert.ok(window.load());
    state.grilleClosed = true;
    assert.ok(!window.pick(3), missing);
    assert.deepEqual(calls.slice(-2), ["timer false", `error ${message}`]);
  }
  const withoutList = testControls(["List1"]);
  assert.ok(!new core.PageWindow(withoutList.controls).load());
  assert.equal(
    withoutList.calls.at(-1),
    `error ${report(["Контрола: List1", "Действие: Visible"], "List1.Visible: no such control or element")}`,
  );
  const { controls, calls, state } = testControls();
  state.items.length = 2;
  const window = new core.PageWindow(controls);
  window.load();
  state.grilleClosed = true;
  assert.ok(window.pick(3));
  assert.ok(window.step());
  assert.ok(!window.step());
  assert.equal(
    calls.at(-1),
    `error ${report(["Контрола: List1", "Индекс: 2", "Действие: List"], "List1.List(2): no such list item")}`,
  );
});

/**
 * The statements the window took since it was last asked, each as its line's
 * text in the form's code and what it changed.
 * @param {import("../src/lodarix.js").PageWindow} window
 */
function taken(window) {
  /** @type {{ fresh: boolean, ran: [number, ...string[]][], next: number }} */
  const { fresh, ran, next } = JSON.parse(window.takeRanJson());
  const statements = ran.map(([line, ...changes]) => [formCode[line - 1], ...changes]);
  return { fresh, statements, next: next && formCode[next - 1] };
}

test("the form's code takes over mid-trip; an event's statements are taken once, with their changes", () => {
  const { controls, calls, state } = testControls();
  const window = new core.PageWindow(controls);
  window.load();
  state.grilleClosed = true;
  window.pick(3);
  window.step();
  window.runFormCode();
  assert.deepEqual(taken(window), { fresh: true, statements: [], next: 0 });
  calls.length = 0;
  assert.ok(window.step());
  assert.deepEqual(calls, [
    "paint 1 #00FF00 свободен",
    "paint 2 #FF8080 кабината е тук",
    'append "Етаж III\\n"',
  ]);
  assert.deepEqual(taken(window), {
    fresh: true,
    statements: [
      ["Option1(CurrentFloor).BackColor = &HFF00&"],
      ["If CurrentFloor < TargetFloor Then CurrentFloor = CurrentFloor + 1"],
      [
        "If CurrentFloor < TargetFloor Then CurrentFloor = CurrentFloor + 1",
        "CurrentFloor = 1 → 2",
      ],
      ["If CurrentFloor > TargetFloor Then CurrentFloor = CurrentFloor - 1"],
      ["Option1(CurrentFloor).BackColor = &H8080FF"],
      ["LogCurrentFloor"],
      ["Text1(0).Text = Text1(0).Text & List1.List(CurrentFloor) & vbCrLf"],
      ["If CurrentFloor = TargetFloor Then"],
    ],
    next: 0,
  });
  assert.deepEqual(taken(window), { fresh: false, statements: [], next: 0 });
  window.step();
  assert.deepEqual([core.currentFloor(window), core.targetFloor(window)], [3, 3]);
  assert.ok(state.status.endsWith("Етаж III\nЕтаж IV\nПоследна спирка!\n"));
  assert.equal(JSON.parse(window.codeLinesJson()).length, formCode.length - 1);
});

test("line by line: an event only begins, each advance runs one statement, and the rest at once", () => {
  const { controls, calls, state } = testControls();
  const window = new core.PageWindow(controls);
  window.load();
  window.runFormCode();
  window.setStepwise(true);
  state.grilleClosed = true;
  calls.length = 0;
  assert.ok(window.pick(2));
  assert.ok(window.partWay());
  assert.deepEqual(calls, []);
  let { next } = taken(window);
  assert.equal(next, "If Option2(0).Value = False Then");
  while (next !== "Option1(Index).BackColor = &HFF8080") {
    assert.ok(window.advance());
    const statement = taken(window);
    assert.equal(statement.statements.length, 1);
    next = statement.next;
  }
  assert.deepEqual(calls, ["paint 0 #00FF00 свободен", "paint 0 #FF8080 кабината е тук"]);
  const target = formCode.indexOf("TargetFloor = Index") + 1;
  assert.equal(
    window.lineSummary(),
    `Ред ${target}: TargetFloor = Index. TargetFloor = 0 → 2. Следва ред ${target + 1}.`,
  );
  assert.ok(window.finishProcedure());
  assert.ok(!window.partWay());
  assert.equal(state.status, "Асансьорът се качва!\nЕтаж I\n");
  window.setStepwise(false);
  assert.ok(window.step());
  assert.ok(!window.partWay());
  assert.equal(core.currentFloor(window), 1);
});

test("an error of the form's code stops that program only, reported with its line", () => {
  const { controls, calls, state } = testControls();
  const window = new core.PageWindow(controls);
  window.load();
  const bad =
    "Private Sub Option1_Click(Index As Integer)\n  Option1(Index + 20).BackColor = &HFF00&\nEnd Sub\n";
  window.runProgram(
    `Dim CurrentFloor As Integer\n${bad}Private Sub Form_Load()\n  CurrentFloor = 5\nEnd Sub\n`,
  );
  state.grilleClosed = true;
  calls.length = 0;
  assert.ok(window.pick(2), "the page goes on");
  assert.deepEqual(calls, [
    "timer false",
    "timer false",
    "failed 3 Грешка 9 в Option1_Click, ред 3: Индексът е извън обхвата",
  ]);
  calls.length = 0;
  assert.ok(window.pick(4));
  assert.deepEqual(calls, [], "the program stopped");
  assert.ok(window.restartProgram());
  assert.equal(core.currentFloor(window), 5, "anew from its Form_Load");
  window.runProgram("Private Sub Form_Load()\n  If\nEnd Sub\n");
  assert.match(calls.at(-1) ?? "", /^failed 2 Грешка при четене, ред 2, колона 5: /);
  calls.length = 0;
  assert.ok(window.pick(1) && window.step());
  assert.deepEqual(calls, [], "a program that does not read runs nothing");
});
