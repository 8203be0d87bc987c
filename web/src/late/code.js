// The code view as a late module, with its words, facts and keys.
import { CodeView } from "../code_view.js";
import { adoptLateStyle, announceLate } from "../late_modules.js";

adoptLateStyle(lodarixStyle);
announceLate("code", {
  CodeView,
  texts: lodarixCodeTexts,
  editingTexts: lodarixEditingTexts,
  facts: lodarixCodeFacts,
  keys: lodarixKeys,
});
