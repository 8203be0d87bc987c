// The page's start, as its one module script: the build wrote the window
// into the page, and the start-up check (start_check.js) ran before this.
// Where that check found this browser lacking, its notice stands in place of
// the form and the page goes no further; otherwise the page host takes the
// page over (page_host.js). The build places what the core says of the window
// and of the page's tools before this script (lodarixPackedForm,
// packed_form.js; lodarixScreenTexts, lodarixOpeners), and the page's texts
// and keys before the start-up check (lodarixPageTexts, lodarixKeys); the
// core, the views and the help come later (late_modules.js), each with its
// own facts.
//
// The page fits the window unless the address asks for the original size
// (page_layout.js); the motion view, the events view and the help are made
// when first shown. A failure while starting shows the start's notice
// (start_notice.js).

import { unpackForm } from "./packed_form.js";
import { startPage } from "./page_host.js";
import { noticeShown } from "./start_notice.js";

if (!noticeShown(document))
  await startPage(document, {
    form: unpackForm(lodarixPackedForm),
    screenTexts: lodarixScreenTexts,
    pageTexts: lodarixPageTexts,
    openers: lodarixOpeners,
    keys: lodarixKeys,
  });
