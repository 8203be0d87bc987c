// A browser's profile or home folder, removed once nothing writes to it any
// more: its helper processes may outlive the browser by a moment and write a
// file after a removal has emptied a folder. Each try removes the whole tree
// again, until the folder is gone.
import { rmSync } from "node:fs";
import { setTimeout as delay } from "node:timers/promises";

const RetriedCodes = new Set(["ENOTEMPTY", "EBUSY", "EPERM"]);

/**
 * Removes the folder and all it holds, trying again while a process still
 * writes into it, for up to about a minute.
 * @param {string} folder
 */
export async function removeFolder(folder) {
  for (let tries = 1; ; tries++) {
    try {
      rmSync(folder, { recursive: true, force: true });
      return;
    } catch (error) {
      const code = /** @type {NodeJS.ErrnoException} */ (error).code ?? "";
      if (!RetriedCodes.has(code) || tries === 40) throw error;
      await delay(Math.min(50 * 2 ** tries, 2000));
    }
  }
}
