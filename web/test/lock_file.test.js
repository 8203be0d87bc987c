// The lock file pins every npm package by version and checksum alone: it
// names no host to download from, so `npm ci` takes each package from the
// registry the machine is set up with.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";

const read = (/** @type {string} */ name) =>
  readFileSync(new URL(`../${name}`, import.meta.url), "utf8");

test("the lock names no download host, and pins each package exactly", () => {
  const lock = JSON.parse(read("package-lock.json"));
  const manifest = JSON.parse(read("package.json"));
  const packages = Object.entries(lock.packages).filter(([path]) => path !== "");
  assert.ok(packages.length > 0);
  for (const [path, entry] of packages) {
    assert.equal(entry.resolved, undefined, `${path} names where it came from`);
    assert.match(entry.integrity, /^sha512-/, `${path} has no checksum`);
    const { funding: _, ...rest } = entry;
    assert.doesNotMatch(JSON.stringify(rest), /:\/\//, `${path} names a host`);
  }
  // An alias (npm:package@version) holds two versions of one package.
  for (const [name, version] of Object.entries(manifest.devDependencies))
    assert.match(
      String(version),
      /^(npm:(@[\w.-]+\/)?[\w.-]+@)?\d+\.\d+\.\d+$/,
      `${name} is pinned to one version`,
    );
  assert.match(read(".npmrc"), /^omit-lockfile-registry-resolved=true$/m);
});
