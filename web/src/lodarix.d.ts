// The core's module as the page's script sees it (web/page/bindings.cpp),
// what the core calls on the page's controls (WindowControls), and what the
// build gives the page's scripts: the page's facts, each bundle its own.

export interface Rect {
  left: number;
  top: number;
  width: number;
  height: number;
}

export interface ControlDescription {
  name: string;
  index: number | null;
  kind: "Frame" | "OptionButton" | "ListBox" | "Timer" | "TextBox" | "Label";
  container: string;
  rect: Rect;
  text: string;
  background: string | null;
  tabIndex: number | null;
  graphical: boolean;
  multiLine: boolean;
  verticalScrollBar: boolean;
  enabled: boolean;
  visible: boolean;
  selected: boolean;
  intervalMs: number;
  items: string[];
  accessibleName: string;
  accessibleDescription: string;
}

export interface FormDescription {
  name: string;
  caption: string;
  width: number;
  height: number;
  background: string | null;
  font: { family: string; pointSize: number; weight: number };
  controls: ControlDescription[];
}

export interface MotionControls {
  shortestIntervalMs: number;
  longestIntervalMs: number;
  intervalStepMs: number;
  lowestStoreyM: number;
  highestStoreyM: number;
  storeyStepM: number;
  defaultStoreyM: number;
  viewUpdateMs: number;
}

export interface GraphAxis {
  low: number;
  high: number;
  ticks: { value: number; label: string }[];
}

// A graph's frame: its span and present in model time, and its axes.
export interface GraphFrame {
  fromMs: number;
  toMs: number;
  nowMs: number;
  values: GraphAxis;
  times: GraphAxis;
}

// Where a graph is drawn: its plot in units of the drawing, the device
// pixels a unit spans, and the plot's width in device pixels.
export interface GraphPlot {
  left: number;
  top: number;
  width: number;
  height: number;
  ratio: number;
  columns: number;
}

export interface MotionGraph {
  // A GraphFrame as JSON.
  frame: string;
  // Laid out as MotionGraphFacts.path names it.
  path: Float64Array;
  // In the plot: whether thinned (1 or 0), then each polyline's count of
  // points, then their x and y.
  line: Float64Array;
}

// A graph as the view draws it: its frame read, its path and its line.
export type DrawnGraph = GraphFrame & { path: Float64Array; line: Float64Array };

// The graphs' colours ("#RRGGBB"), the layout of their numbers (each
// field's position, and how many a part has), and the trips table's columns.
export interface MotionGraphFacts {
  colors: Record<
    | "ground"
    | "grid"
    | "axis"
    | "text"
    | "position"
    | "target"
    | "positionJump"
    | "speed"
    | "zero"
    | "speedJump",
    string
  >;
  // Strokes and marks in CSS pixels at the original size.
  sizes: Record<"line" | "rule" | "stepPoint" | "jumpRing", number>;
  path: {
    header: Record<
      "stretchCount" | "pointCount" | "finalStop" | "finalStopFromMs" | "fastest" | "size",
      number
    >;
    stretch: Record<
      | "fromMs"
      | "toMs"
      | "fromFloor"
      | "toFloor"
      | "kind"
      | "hasSpeed"
      | "low"
      | "high"
      | "last"
      | "size",
      number
    >;
    point: Record<"ms" | "floor" | "size", number>;
    kinds: Record<"rest" | "motion" | "jump" | "dense", number>;
  };
  timeLabelSample: string;
  tripColumns: { headings: string[]; note: number };
}

// What the motion view is built with.
export interface MotionFacts {
  texts: Record<string, string>;
  controls: MotionControls;
  graph: MotionGraphFacts;
  keys: PageKeys;
}

// The page's controls as the core reaches them by name and index
// (web/page/page_operations.h, src/window_controls.js). Each call that acts on
// a control says whether it found it; a query gives undefined (null for a
// list) where there is no such control.
export interface WindowControls {
  setBackColor(name: string, index: number, color: string, meaning: string): boolean;
  isSelected(name: string, index: number): boolean | undefined;
  select(name: string, index: number): boolean;
  setTimerEnabled(name: string, enabled: boolean): boolean;
  text(name: string, index: number): string | undefined;
  replaceText(name: string, index: number, text: string): boolean;
  appendText(name: string, index: number, text: string): boolean;
  takeUserEdit(name: string, index: number): boolean | undefined;
  // null when there is no such list, undefined when it has no such item.
  listItem(name: string, item: number): string | null | undefined;
  hide(name: string): boolean;
  caption(name: string, index: number): string | undefined;
  listCount(name: string): number | null;
  period(name: string): number | null;
  setPeriod(name: string, periodMs: number): boolean;
  runTimeError(message: string): void;
  // A failure of the form's code: its report, and its line, or 0.
  formCodeFailed(report: string, line: number): void;
}

// What the start-up check keeps of the user's input until the rules are
// loaded (src/kept_input.js).
export interface KeptEvent {
  control: string;
  key: string;
  detail: number;
  timeMs: number;
}

export interface KeptInput {
  // When it began to keep, on the page's clock.
  sinceMs: number;
  // The kept events, in order; nothing is kept from then on.
  release(): KeptEvent[];
}

export interface PageWindow {
  load(): boolean;
  pick(floor: number): boolean;
  step(): boolean;
  grilleClicked(): boolean;
  observe(motion: PageMotion | null): void;
  watch(trace: PageTrace | null): void;
  // The form's code in place of the built-in rules (web/page/page_window.h).
  runFormCode(): void;
  runProgram(source: string): void;
  restartProgram(): boolean;
  // The pupil's own program: "" where the text reads, else a ReadingError
  // as JSON; the text read runs from its Form_Load; the text that runs.
  readProgram(source: string): string;
  startProgram(): boolean;
  source(): string;
  // The reference compared with ("" the original): "" or the reading error's
  // report; and a Comparison as JSON, on the session's clicks and ticks or
  // on a script's commands.
  setReference(source: string): string;
  compareSession(): string;
  compareScript(script: string): string;
  setStepwise(stepwise: boolean): void;
  partWay(): boolean;
  codeFailed(): boolean;
  advance(): boolean;
  finishProcedure(): boolean;
  // [[[kind, text], ...], ...]: the source's lines, kind 0 to 3 (keyword,
  // name, literal, comment) or -1 (plain).
  codeLinesJson(): string;
  // {fresh, ran: [[line, change, ...], ...], next}: see web/page/page_code.h.
  takeRanJson(): string;
  lineSummary(): string;
  // The steps kept and the one shown (web/page/page_history.h): the step as
  // JSON, and the user's choice of one by number (Infinity the latest), by
  // steps from the one shown, or by the events trace's row.
  historyJson(): string;
  chooseStep(step: number): void;
  moveStep(by: number): void;
  chooseRow(row: number): boolean;
}

// An events trace as the events view reads it: see web/page/trace_rows.h.
export interface TraceRows {
  rowCount(): number;
  // [[cell, ...], ...] from first, at most count rows.
  rowsJson(first: number, count: number): string;
  summary(row: number): string;
  // The drawing of the window after the row, or "null".
  sketchJson(row: number): string;
}

export interface PageTrace extends TraceRows {
  // listener(row) after each row, while its event runs.
  setRowListener(listener: (row: number) => void): void;
  bytesHeld(): number;
  textBytesHeld(): number;
  delete(): void;
}

export interface PageScript extends TraceRows {
  stopLine(): number;
  stopMessage(): string;
  commandsRun(): number;
  outcome(): string;
  jsonLines(): string;
  csv(): string;
  workbook(): Uint8Array<ArrayBuffer> | null;
  delete(): void;
}

// What the events view is built with besides its words.
export interface EventsFacts {
  columns: { headings: string[]; numbers: number[] };
  sketch: SketchStyle;
  examples: { name: string; fileName: string; text: string }[];
}

// How the window's sketch is drawn: sizes in the window's pixels, colours
// "#RRGGBB" (core/trace/sketch_style.h).
export interface SketchStyle {
  fontPx: number;
  textLineHeight: number;
  textPadding: number;
  edgeWidth: number;
  bevelWidth: number;
  bevelInset: number;
  markWidth: number;
  markShare: number;
  markLeft: number;
  markGap: number;
  ink: string;
  markFill: string;
}

// What the teacher's controls need of the step timer (step_timer.js).
export interface PacedTimer {
  readonly active: boolean;
  setHeld(held: boolean): void;
  deliver(): void;
  setPeriod(periodMs: number): void;
}

export interface PageMotion {
  setPageMs(pageMs: number): void;
  // The page's step timer, which the teacher's controls act on.
  setStepTimer(timer: PacedTimer): void;
  // The teacher's controls (core/motion/pacer.h): each setter returns
  // whether anything changed.
  setPaused(paused: boolean, pageMs: number): boolean;
  paused(): boolean;
  step(): boolean;
  intervalMs(): number;
  nudgeIntervalMs(steps: number): boolean;
  typeIntervalMs(typed: string): boolean;
  followPeriod(intervalMs: number): boolean;
  storeyHeight(): number;
  nudgeStoreyHeight(steps: number): boolean;
  typeStoreyHeight(typed: string): boolean;
  // The values as their fields show them: "850", "3,1".
  intervalText(): string;
  storeyHeightText(): string;
  nowMs(pageMs: number): number;
  rowCount(): number;
  bytesHeld(): number;
  // One graph as the view draws it: see web/page/page_motion.h.
  graph(
    speeds: boolean,
    wholeSession: boolean,
    pageMs: number,
    plot: GraphPlot,
    labelWidth: number,
    heightMetres: number,
  ): MotionGraph;
  // [[texts of a trip's row, column by column], ...]
  tripRowsJson(heightMetres: number): string;
  clockText(pageMs: number): string;
  tripClockText(pageMs: number): string;
  positionDescription(): string;
  speedDescription(height: number): string;
  csv(): string;
  workbook(height: number): Uint8Array<ArrayBuffer>;
}

export interface Core {
  PageWindow: new (controls: WindowControls) => PageWindow;
  PageMotion: new (intervalMs: number) => PageMotion;
  PageTrace: new (motion: PageMotion) => PageTrace;
  PageScript: new (script: string) => PageScript;
  // The editor's (web/page/page_editing.h): the original form's code, a
  // file's bytes as a program ({text} or {reason}, as JSON), the lines of a
  // text highlighted as codeLinesJson, and lines indented by the core's rule.
  originalCode(): string;
  programFileJson(bytes: Uint8Array): string;
  highlightedLinesJson(text: string): string;
  indented(lines: string, outwards: boolean): string;
  // Which program the form runs ("" file name: none opened or saved), and
  // the status line that says it and what it is compared with ("": the original).
  runningName(running: string, fileName: string, fileText: string): string;
  programStatus(runningName: string, referenceName: string): string;
}

// Where a text did not read: the report, and the line and column (from 1;
// the column 0 where not known).
export interface ReadingError {
  report: string;
  line: number;
  column: number;
}

// A comparison's outcome: its text, the program's line where it parts, or 0,
// and whether the text tells a bad line of the script, nothing having run.
export interface Comparison {
  text: string;
  line: number;
  badScript: boolean;
}

// A control's state as stored, where the window's load changes it.
export interface StoredState {
  name: string;
  index: number | null;
  text: string;
  background: string | null;
  enabled: boolean;
  visible: boolean;
  selected: boolean;
}

// What the code view is built with besides its words: the colours of the
// code by kind and of its lit lines, "#RRGGBB" (core/program/code_style.h).
export interface CodeFacts {
  colors: {
    plain: string;
    ground: string;
    keyword: string;
    name: string;
    literal: string;
    comment: string;
    ranLine: string;
    errorLine: string;
    marginGround: string;
    marginNumber: string;
  };
  maxFileBytes: number;
  storedStates: StoredState[];
}

// The short help (core/form/help.h), as the page shows it.
export interface HelpFacts {
  title: string;
  coloursHeading: string;
  colours: { color: string; name: string; meaning: string }[];
  grilleRule: string;
  keysHeading: string;
  keys: { keys: string; does: string }[];
  close: string;
}

// The keys the page binds, by the core's table (core/form/key_table.h): for
// each thing they do, their KeyboardEvent.key names.
export interface PageKeys {
  help: string[];
  motionView: string[];
  eventsView: string[];
  codeView: string[];
  pause: string[];
  step: string[];
  nextLine: string[];
  readLine: string[];
  close: string[];
}

// What lodarix-page-facts prints (web/facts/page_facts.cpp): the window's
// description as it stands once loaded and as stored, the motion view's words
// by the names of core/texts/motion_window_texts.h, its controls' ranges, and
// its graphs' and table's facts; the short help and the keys the page
// binds, the words of the page's
// screen controls by the names of core/texts/page_screen_texts.h, the
// events view's words by the names of core/texts/events_view_texts.h and its
// facts, the code view's words by the names of core/texts/code_view_texts.h
// and its facts, and the page's own texts by the names of core/texts/page_texts.h.
export interface PageFacts {
  form: FormDescription;
  storedForm: FormDescription;
  motionTexts: Record<string, string>;
  motionControls: MotionControls;
  motionGraph: MotionGraphFacts;
  help: HelpFacts;
  keys: PageKeys;
  screenTexts: Record<string, string>;
  eventsTexts: Record<string, string>;
  eventsFacts: EventsFacts;
  codeTexts: Record<string, string>;
  codeFacts: CodeFacts;
  editingTexts: Record<string, string>;
  pageTexts: Record<string, string>;
}

declare global {
  // The page's facts (PageFacts), placed by the build before the script
  // that reads them.
  const lodarixPackedForm: import("./packed_form.js").PackedForm;
  const lodarixScreenTexts: Record<string, string>;
  const lodarixOpeners: { motion: string; events: string; code: string };
  // Before the start-up check, read by it and by the page's script; in the motion view's and code view's.
  const lodarixKeys: PageKeys;
  // Each late module's, in its own bundle (src/late/); lodarixStyle is its view's style sheet.
  const lodarixStyle: string;
  const lodarixMotionTexts: Record<string, string>;
  const lodarixMotionControls: MotionControls;
  const lodarixMotionGraph: MotionGraphFacts;
  const lodarixHelp: HelpFacts;
  const lodarixEventsTexts: Record<string, string>;
  const lodarixEventsFacts: EventsFacts;
  const lodarixCodeTexts: Record<string, string>;
  const lodarixCodeFacts: CodeFacts;
  const lodarixEditingTexts: Record<string, string>;
  // The page's own texts (PageFacts.pageTexts), before the start-up check, read by it and by the page's script.
  const lodarixPageTexts: Record<string, string>;
  // Made by the start-up check, where the page can start.
  var lodarixKeptInput: KeptInput | undefined;
}
