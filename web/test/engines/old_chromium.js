// An older Chromium release, as the npm package @sparticuz/chromium ships
// it (package.json holds each version under an alias: chromium-92,
// chromium-103, chromium-109): a headless build packed with brotli. The
// package's own unpacking writes every version to the same temporary path,
// so each is unpacked here into a folder of its own version, once, in the
// build's folder.
import { createReadStream, createWriteStream, existsSync, mkdirSync } from "node:fs";
import { readFileSync, renameSync } from "node:fs";
import { join } from "node:path";
import { pipeline } from "node:stream/promises";
import { fileURLToPath } from "node:url";
import { createBrotliDecompress } from "node:zlib";
import { requiredPath } from "../support/paths.js";

/**
 * The path of the unpacked browser of an alias, unpacked if need be.
 * @param {string} alias chromium-92, chromium-103 or chromium-109
 */
export async function oldChromium(alias) {
  const installed = fileURLToPath(new URL(`../../node_modules/${alias}/`, import.meta.url));
  const { version } = JSON.parse(readFileSync(join(installed, "package.json"), "utf8"));
  const folder = join(requiredPath("LODARIX_ENGINES_DIR"), `chromium-${version}`);
  const binary = join(folder, "chromium");
  if (existsSync(binary)) return binary;
  mkdirSync(folder, { recursive: true });
  // Unpacked beside it first, so that a run at the same time never finds half a file.
  const partial = `${binary}.${process.pid}`;
  await pipeline(
    createReadStream(join(installed, "bin", "chromium.br")),
    createBrotliDecompress(),
    createWriteStream(partial, { mode: 0o755 }),
  );
  renameSync(partial, binary);
  return binary;
}
