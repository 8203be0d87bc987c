// The short help as a late module, in the core's words.
import { HelpDialog } from "../help_dialog.js";
import { announceLate } from "../late_modules.js";

announceLate("help", { HelpDialog, help: lodarixHelp });
