// The short help as a late module, in the core's words.
import { HelpDialog } from "../help_dialog.js";
import { adoptLateStyle, announceLate } from "../late_modules.js";

adoptLateStyle(lodarixStyle);
announceLate("help", { HelpDialog, help: lodarixHelp });
