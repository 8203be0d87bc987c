// lodarix-replay built by the web preset, run by node, against the native
// build: the same bytes on standard output and standard error and the same
// exit status for the project's scripts, the fuzz seeds, a seeded set of
// random scripts (bad lines, CR LF, tabs, long and odd words), standard
// input, bad command lines and files, and the form's code's statements and
// errors (--lines, --program).
import { test } from "node:test";
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import {
  chmodSync,
  copyFileSync,
  existsSync,
  mkdtempSync,
  readdirSync,
  readFileSync,
  rmSync,
  writeFileSync,
} from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { fileURLToPath } from "node:url";
import { requiredPath } from "./support/paths.js";

const nodeTool = requiredPath("LODARIX_REPLAY_NODE");
const nativeTool = requiredPath("LODARIX_NATIVE_REPLAY");
if (!existsSync(nativeTool))
  throw new Error(`${nativeTool} is missing: build lodarix-replay with the dev preset first`);
const root = fileURLToPath(new URL("../..", import.meta.url));
const work = mkdtempSync(join(tmpdir(), "lodarix-replay-"));
process.on("exit", () => rmSync(work, { recursive: true, force: true }));

/**
 * @typedef {{ status: number | null, stdout: Buffer, stderr: Buffer }} Run
 * @param {string[]} command
 * @param {Buffer | string} [input]
 * @param {string[]} [prefix] what runs the tool, e.g. another user
 * @returns {Promise<Run>}
 */
function run(command, input = "", prefix = []) {
  return new Promise((resolve, reject) => {
    const [program, ...args] = [...prefix, ...command];
    const child = spawn(program, args, { cwd: work, stdio: ["pipe", "pipe", "pipe"] });
    /** @type {Buffer[]} */
    const out = [];
    /** @type {Buffer[]} */
    const err = [];
    child.stdout.on("data", (chunk) => out.push(chunk));
    child.stderr.on("data", (chunk) => err.push(chunk));
    child.on("error", reject);
    child.on("close", (status) =>
      resolve({ status, stdout: Buffer.concat(out), stderr: Buffer.concat(err) }),
    );
    child.stdin.on("error", () => {}); // a tool that stops early closes its input
    child.stdin.end(input);
  });
}

/**
 * Runs both builds with the same arguments and input and compares all they give.
 * @param {string} what
 * @param {string[]} args
 * @param {Buffer | string} [input]
 * @param {string[]} [prefix]
 * @param {{ native: string, node: string }} [tools] where the two builds are
 */
async function same(what, args, input, prefix, tools = { native: nativeTool, node: nodeTool }) {
  const [native, web] = await Promise.all([
    run([tools.native, ...args], input, prefix),
    run(["node", tools.node, ...args], input, prefix),
  ]);
  assert.equal(web.status, native.status, `${what}: exit status`);
  assert.ok(web.stdout.equals(native.stdout), `${what}: standard output differs`);
  assert.equal(web.stderr.toString("latin1"), native.stderr.toString("latin1"), `${what}: errors`);
  return native;
}

// A seeded script of good and bad lines, with blanks, tabs, CR LF ends and comments.
/** @param {number} seed */
function randomScript(seed) {
  let state = seed;
  const random = (/** @type {number} */ below) => {
    state = (state * 48271) % 2147483647;
    return state % below;
  };
  const blank = () => [" ", "\t", "", "", "  \t"][random(5)];
  const good = () =>
    ["close", "open", `pick ${1 + random(11)}`, "tick", "tick", "tick", `pick  ${1 + random(11)}`][
      random(7)
    ];
  const bad = () =>
    [
      "pick",
      "pick 0",
      "pick 12",
      "pick 3 4",
      "pick +3",
      "pick 003",
      "tick now",
      "Close",
      "jump 2",
      "етаж 3",
      "pick \xff",
      `${"x".repeat(60)}`,
      "close\u00a0",
    ][random(13)];
  const lines = [];
  for (let n = 5 + random(40); n > 0; --n) {
    const kind = random(100);
    const line =
      kind < 3
        ? bad()
        : kind < 8
          ? `# ${good()}`
          : kind < 11
            ? ""
            : `${blank()}${good()}${blank()}`;
    lines.push(line + (random(6) === 0 ? "\r" : ""));
  }
  return lines.join("\n") + (random(3) ? "\n" : "");
}

test("the project's scripts and the fuzz seeds, as files and on standard input", async () => {
  const folders = ["tests/app/replay/scripts", "fuzz/seeds"].map((folder) => join(root, folder));
  for (const folder of folders) {
    for (const name of readdirSync(folder)) {
      const path = join(folder, name);
      await same(name, [path]);
      await same(`${name} --motion`, ["--motion", path]);
    }
  }
  const script = "close\npick 4\ntick\ntick\ntick\n";
  await same("standard input", [], script);
  await same("standard input as -", ["--motion", "-"], script);
  await same("no input", [], "");
});

test("two hundred random scripts", async () => {
  let failed = 0;
  for (let seed = 1; seed <= 200; seed += 2) {
    const pair = [seed, seed + 1].map(async (script) => {
      const path = join(work, `random-${script}.txt`);
      writeFileSync(path, Buffer.from(randomScript(script), "latin1"));
      const args = script % 2 ? [path] : ["--motion", path];
      const result = await same(`random script ${script}`, args);
      if (result.status !== 0) ++failed;
    });
    await Promise.all(pair);
  }
  assert.ok(failed > 20 && failed < 180, `${failed} of 200 stop at a bad line`);
});

test("the workbooks of the project's scripts, byte for byte", async () => {
  const scripts = join(root, "tests/app/replay/scripts");
  for (const name of readdirSync(scripts)) {
    const books = ["native", "web"].map((build) => join(work, `${name}-${build}.xlsx`));
    await Promise.all([
      run([nativeTool, "--xlsx", books[0], join(scripts, name)]),
      run(["node", nodeTool, "--xlsx", books[1], join(scripts, name)]),
    ]);
    assert.ok(
      readFileSync(books[1]).equals(readFileSync(books[0])),
      `${name}: the workbooks differ`,
    );
  }
  await same("a workbook after a bad line", ["--xlsx", join(work, "none.xlsx")], "close\nfly\n");
  await same("a workbook in a missing folder", ["--xlsx", join(work, "no/such.xlsx")], "tick\n");
});

test("the form's code, statement by statement, and programs with errors", async () => {
  const programs = join(root, "tests/app/replay/programs");
  const scripts = [
    join(root, "tests/app/replay/scripts/worked_example.txt"),
    join(work, "mid-trip.txt"),
  ];
  writeFileSync(scripts[1], "close\npick 1\ntick\nclose\npick 11\ntick\npick 3\ntick\nopen\n");
  for (const script of scripts) {
    await same(`${script} --lines`, ["--lines", script]);
    for (const name of readdirSync(programs)) {
      const program = join(programs, name);
      await same(`${name} on ${script}`, ["--program", program, script]);
      await same(`${name} --lines on ${script}`, ["--lines", "--program", program, script]);
    }
  }
  const shipped = await same("the form's own code", [
    "--program",
    join(root, "core/program/form_code.bas"),
    scripts[1],
  ]);
  const builtIn = await run([nativeTool, scripts[1]]);
  assert.ok(shipped.stdout.equals(builtIn.stdout), "the form's own code differs from the rules");
});

test("bad command lines and files that cannot be read", async () => {
  const script = join(work, "script.txt");
  writeFileSync(script, "close\npick 2\ntick\n");
  const cases = [
    ["a missing file", [join(work, "missing.txt")]],
    ["a folder", [work]],
    ["a path through a file", [join(script, "x")]],
    ["two files", [script, script]],
    ["an unknown option", ["--fast", script]],
    ["an unknown short option", ["-x", script]],
    ["a value after --motion", ["--motion=1", script]],
    ["help", ["--help"]],
    ["short help", ["-h"]],
    ["a file after --", ["--", script]],
    ["a file named like an option", ["--", "--motion"]],
  ];
  for (const [what, args] of /** @type {[string, string[]][]} */ (cases)) await same(what, args);

  const unreadable = join(work, "unreadable.txt");
  writeFileSync(unreadable, "close\n");
  chmodSync(unreadable, 0o000);
  chmodSync(work, 0o755);
  // root reads any file, so the tools run as nobody then, from copies that
  // nobody may run wherever the build lies (a clone in a folder of mode 700).
  const asNobody =
    process.getuid?.() === 0 ? ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"] : [];
  const tools = { native: join(work, "lodarix-replay"), node: join(work, "lodarix-replay.js") };
  copyFileSync(nativeTool, tools.native);
  copyFileSync(nodeTool, tools.node);
  chmodSync(tools.native, 0o755);
  chmodSync(tools.node, 0o644);
  const result = await same("an unreadable file", [unreadable], "", asNobody, tools);
  assert.equal(result.status, 2);
  assert.match(result.stderr.toString(), /Permission denied/);
});
