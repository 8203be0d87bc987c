// The motion view as a late module, with its words, controls, graphs and keys.
import { MotionView } from "../motion_view.js";
import { adoptLateStyle, announceLate } from "../late_modules.js";

adoptLateStyle(lodarixStyle);
announceLate("motion", {
  MotionView,
  facts: {
    texts: lodarixMotionTexts,
    controls: lodarixMotionControls,
    graph: lodarixMotionGraph,
    keys: lodarixKeys,
  },
});
