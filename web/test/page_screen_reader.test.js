// The page with a real screen reader, Orca, as a blind student meets it in
// Debian's Chromium: keyboard only, in a session of its own (orca-session.sh
// runs this test as its client). A pick with the grille open, then a trip up
// must be heard through the page's live log: the warning, the direction,
// every floor reached, the last stop and the grille opening, each once and in
// order, with the focus left where it was.
import { test } from "node:test";
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import { once } from "node:events";
import { mkdirSync, mkdtempSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import { removeFolder } from "./support/folders.js";
import { heard, logged, pressAndHear, says, spoken, xdotool } from "./support/orca.js";
import { requiredPath } from "./support/paths.js";

const Title = "Физика - движение на асансьор";

// What the rules announce, as it begins an utterance: the floors by their
// names, not the floor buttons by their numbers.
const lesson =
  /^(Затворете предпазната решетка!|Асансьорът (се качва|слиза)!|Етаж [IVX]+\b|Последна спирка!|Предпазната решетка е отворена)/;

/**
 * Starts Chromium on the page with a fresh profile that does not offer to
 * translate it (Orca would read the offer and cut other speech short).
 * @param {import("node:test").TestContext} t
 */
function startBrowser(t) {
  const profile = mkdtempSync(join(tmpdir(), "lodarix-orca-chromium-"));
  mkdirSync(join(profile, "Default"));
  writeFileSync(
    join(profile, "Default", "Preferences"),
    JSON.stringify({ translate: { enabled: false } }),
  );
  const browser = spawn(
    "/usr/bin/chromium",
    [
      "--no-sandbox",
      "--disable-gpu",
      "--no-first-run",
      "--no-default-browser-check",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
      "--force-renderer-accessibility",
      `--user-data-dir=${profile}`,
      pathToFileURL(requiredPath("LODARIX_PAGE")).href,
    ],
    // A process group of its own, so that its helpers end with it.
    { stdio: "ignore", detached: true },
  );
  t.after(async () => {
    if (browser.exitCode === null && browser.signalCode === null) {
      const exited = once(browser, "exit");
      process.kill(-(browser.pid ?? 0), "SIGTERM");
      await exited;
    }
    await removeFolder(profile);
  });
}

test("the lesson is heard from the keyboard", async (t) => {
  startBrowser(t);
  // The page focuses its first control once its rules have loaded.
  await heard("Съобщения entry", 0);
  await logged("^^^^^ PROCESS OBJECT EVENT document:load-complete ^^^^^");
  const window = (await xdotool("search", "--sync", "--onlyvisible", "--name", Title)).split(
    "\n",
  )[0];
  await xdotool("windowfocus", "--sync", window);

  // The grille is open: the pick is refused with a warning.
  await pressAndHear(["Tab"], "Цитат entry");
  await pressAndHear(["Tab"], "Етаж 2, свободен");
  await pressAndHear(["space"], "Затворете предпазната решетка!");

  // Past floors 3 to 9 to the closed grille, and back to floor 9 for a trip up.
  await pressAndHear(Array(8).fill("Tab"), "Предпазната решетка е затворена");
  await pressAndHear(["space"], "selected");
  await pressAndHear(["shift+Tab"], "Етаж 9, свободен");
  await pressAndHear(["space"], "Етаж IX Последна спирка! Предпазната решетка е отворена");

  // The focus is still on floor 9; by the time its neighbour is spoken,
  // Orca has had all that the trip sent.
  await pressAndHear(["shift+Tab"], "Етаж 8, свободен");

  const expected = [
    "Затворете предпазната решетка!",
    "Асансьорът се качва! Етаж I",
    ...["II", "III", "IV", "V", "VI", "VII", "VIII"].map((floor) => `Етаж ${floor}`),
    "Етаж IX Последна спирка! Предпазната решетка е отворена",
  ];
  const announced = spoken()
    .filter((said) => lesson.test(said))
    .map((said, i) => (i < expected.length && says(said, expected[i]) ? expected[i] : said));
  assert.deepEqual(announced, expected);
});
