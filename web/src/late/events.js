// The events view as a late module, with its words and facts.
import { EventsView } from "../events_view.js";
import { announceLate } from "../late_modules.js";

announceLate("events", { EventsView, texts: lodarixEventsTexts, facts: lodarixEventsFacts });
