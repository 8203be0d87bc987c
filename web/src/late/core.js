// The core's module as a late module: its factory, handed to the page.
import createLodarix from "lodarix-core";
import { announceLate } from "../late_modules.js";

announceLate("core", { createLodarix });
