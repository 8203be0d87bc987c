// The events view as a late module, with its words and facts, and the
// drawing of the window, which the code view draws with too.
import { EventsView } from "../events_view.js";
import { adoptLateStyle, announceLate } from "../late_modules.js";
import { drawSketch } from "../window_sketch.js";

adoptLateStyle(lodarixStyle);
announceLate("events", {
  EventsView,
  drawSketch,
  texts: lodarixEventsTexts,
  facts: lodarixEventsFacts,
});
