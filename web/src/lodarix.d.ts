// The core's module as the page's script sees it (web/bindings.cpp). The
// build places its factory, createLodarix, and the embedded font's bytes in
// base64, lodarixFont, before the page's script.

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

export interface PageWindow {
  load(): boolean;
  pick(floor: number): boolean;
  step(): boolean;
  currentFloor(): number;
  targetFloor(): number;
}

export interface Core {
  PageWindow: new (controls: object) => PageWindow;
  // The window's description as JSON, a FormDescription.
  formDescriptionJson(): string;
}

declare global {
  function createLodarix(options?: object): Core | Promise<Core>;
  const lodarixFont: string;
}
