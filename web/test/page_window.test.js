// The core's window in node, on controls the test keeps (web/page/page_window.h):
// which window operations each rule calls, with what, the status box read in
// CR LF though it keeps line feeds, and a control the page has not got
// reported as a run-time error that names it and stops the step timer.
import { test } from "node:test";
import assert from "node:assert/strict";
import { loadCore } from "./support/load_core.js";
import { requiredPath } from "./support/paths.js";

const core = await loadCore(requiredPath("LODARIX_CORE"));

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
    runTimeError: (/** @type {string} */ message) => void calls.push(`error ${message}`),
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
