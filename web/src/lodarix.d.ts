// The core's module as the page's script sees it (web/bindings.cpp). The
// build places its factory, createLodarix, the embedded font's bytes and the
// core's gzipped wasm in base64, lodarixFont and lodarixWasm, and the page's
// facts, before the page's script.

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

export interface PageWindow {
  load(): boolean;
  pick(floor: number): boolean;
  step(): boolean;
  observe(motion: PageMotion | null): void;
  currentFloor(): number;
  targetFloor(): number;
}

export interface PageMotion {
  setPageMs(pageMs: number): void;
  pause(pageMs: number): void;
  resume(pageMs: number): void;
  paused(): boolean;
  advanceOneInterval(): void;
  setStepInterval(intervalMs: number): void;
  nowMs(pageMs: number): number;
  rowCount(): number;
  bytesHeld(): number;
  // The graphs' path: see web/page_motion.h.
  path(
    fromMs: number,
    toMs: number,
    columns: number,
    untilMs: number,
    height: number,
    speeds: boolean,
  ): Float64Array;
  // [{number, from, to, floors, time, speed, note}]
  tripsJson(height: number): string;
  clockText(pageMs: number): string;
  tripClockText(pageMs: number): string;
  positionDescription(): string;
  speedDescription(height: number): string;
  csv(): string;
  workbook(height: number): Uint8Array<ArrayBuffer>;
}

export interface Core {
  PageWindow: new (controls: object) => PageWindow;
  PageMotion: new (intervalMs: number) => PageMotion;
  // The workbook the core writes for a record's CSV.
  workbookOfCsv(csv: string, height: number): Uint8Array<ArrayBuffer>;
}

// What lodarix-page-facts prints (web/page_facts.cpp): the window's
// description as it stands once loaded and as stored, the motion view's words
// by the names of core/texts/motion_window_texts.h, its controls' ranges, and
// the page's own texts by the names of core/texts/page_texts.h.
export interface PageFacts {
  form: FormDescription;
  storedForm: FormDescription;
  motionTexts: Record<string, string>;
  motionControls: MotionControls;
  pageTexts: Record<string, string>;
}

declare global {
  // The module, once its wasm is instantiated.
  function createLodarix(options?: object): Promise<Core>;
  const lodarixFont: string;
  const lodarixWasm: string;
  // The page's facts (PageFacts), placed by the build.
  const lodarixForm: FormDescription;
  const lodarixMotionTexts: Record<string, string>;
  const lodarixMotionControls: MotionControls;
  // The page's own texts (PageFacts.pageTexts), placed in the start-up check.
  const lodarixPageTexts: Record<string, string>;
}
