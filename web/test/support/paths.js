// The files the tests are given by CTest, through the environment.

/** @param {string} variable */
export function requiredPath(variable) {
  const path = process.env[variable];
  if (!path) throw new Error(`${variable} names no file`);
  return path;
}
