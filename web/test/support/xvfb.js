// An X server of the test's own (Xvfb), for a browser that needs a display:
// it picks a free display and says which once it takes connections.
import { spawn } from "node:child_process";

/**
 * @returns {Promise<{ display: string, stop: () => void }>}
 */
export async function startXvfb() {
  const server = spawn(
    "Xvfb",
    ["-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
    { stdio: ["ignore", "ignore", "pipe", "pipe"] },
  );
  let errors = "";
  server.stderr?.on("data", (data) => (errors += data));
  const number = await new Promise((resolve, reject) => {
    let said = "";
    server.stdio[3]?.on("data", (data) => {
      said += data;
      if (said.includes("\n")) resolve(said.trim());
    });
    server.on("exit", (code) => reject(new Error(`Xvfb ended (${code}): ${errors}`)));
    server.on("error", reject);
  });
  return { display: `:${number}`, stop: () => server.kill() };
}
