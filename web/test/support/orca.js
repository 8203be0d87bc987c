// A test's side of a screen reader session: the test runs as the client of
// tests/support/orca-session.sh, which gives it an X server, a D-Bus session
// and a running Orca of its own. From here it reads what Orca has said and
// logged, and types as the user would, through the X test extension
// (xdotool). Every wait polls a condition and gives up after a bound; none
// sleeps a fixed time.
import { execFile } from "node:child_process";
import { readFileSync } from "node:fs";
import { setTimeout as delay } from "node:timers/promises";
import { promisify } from "node:util";
import { requiredPath } from "./paths.js";

export const WaitMs = 30000;
const PollMs = 20;
const run = promisify(execFile);

/**
 * The complete lines of a log that is still being written.
 * @param {string} variable the environment variable that names it
 */
function logLines(variable) {
  let text = "";
  try {
    text = readFileSync(requiredPath(variable), "utf8");
  } catch {
    return [];
  }
  return text.slice(0, text.lastIndexOf("\n") + 1).split("\n");
}

/**
 * What Orca has said so far, one utterance an entry, as it wrote it between
 * the quotes: "Етаж 2, свободен." or "Етаж II".
 * @returns {string[]}
 */
export function spoken() {
  const speech = /^\S+ SPEECH OUTPUT: '(.*)'(?: \{.*\})?$/;
  return logLines("ORCA_SPEECH_LOG").flatMap((line) => speech.exec(line)?.[1] ?? []);
}

/**
 * Whether an utterance is text as Orca says it: as it is, or with the full
 * stop Orca adds to a text that does not end in punctuation.
 * @param {string} utterance
 * @param {string} text
 */
export function says(utterance, text) {
  return utterance === text || utterance === `${text}.`;
}

/**
 * @template T
 * @param {() => T | undefined} found
 * @param {() => string} failure
 * @returns {Promise<T>}
 */
async function poll(found, failure) {
  const deadline = Date.now() + WaitMs;
  for (;;) {
    const value = found();
    if (value !== undefined) return value;
    if (Date.now() > deadline) throw new Error(failure());
    await delay(PollMs);
  }
}

/**
 * Waits until Orca says text after its first `from` utterances; gives the
 * utterance's index.
 * @param {string} text
 * @param {number} from
 */
export function heard(text, from) {
  return poll(
    () => {
      const at = spoken().findIndex((said, i) => i >= from && says(said, text));
      return at < 0 ? undefined : at;
    },
    () => `Orca did not say '${text}'; it said:\n${spoken().slice(from).join("\n")}`,
  );
}

/**
 * Waits until Orca's debug log has a line that contains text.
 * @param {string} text
 */
export function logged(text) {
  return poll(
    () => (logLines("ORCA_DEBUG_LOG").some((line) => line.includes(text)) ? true : undefined),
    () => `Orca did not log '${text}'`,
  );
}

/**
 * xdotool's output.
 * @param {string[]} args
 */
export async function xdotool(...args) {
  const { stdout } = await run("xdotool", args, { timeout: WaitMs });
  return stdout;
}

/**
 * Presses and releases each key in turn ("Tab", "shift+Tab", "space"), then
 * waits until Orca says text.
 * @param {string[]} keys
 * @param {string} text
 */
export async function pressAndHear(keys, text) {
  const from = spoken().length;
  await xdotool("key", ...keys);
  return heard(text, from);
}
