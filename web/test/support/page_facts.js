// What the page was built with, as lodarix-page-facts prints it.
import { execFileSync } from "node:child_process";
import { requiredPath } from "./paths.js";

/** @returns {import("../../src/lodarix.js").PageFacts} */
export function pageFacts() {
  const program = requiredPath("LODARIX_PAGE_FACTS");
  return JSON.parse(execFileSync(process.execPath, [program], { encoding: "utf8" }));
}
