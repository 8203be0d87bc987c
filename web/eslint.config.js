// The page's scripts held to the browsers of its floor (the browserslist in
// package.json): the language the floor reads (ECMAScript 2022, where the
// parser stops at anything newer) and the browser APIs every one of those
// browsers has (eslint-plugin-compat, from MDN's compatibility data). What
// this cannot see (a CSP keyword, an element's property such as inert) the
// page's start-up check covers (src/start_check.js). The tests, tools and
// benchmarks run in node: only parsed.
import compat from "eslint-plugin-compat";

export default [
  { ignores: ["node_modules/"] },
  {
    ...compat.configs["flat/recommended"],
    files: ["src/**/*.js"],
    languageOptions: { ecmaVersion: 2022, sourceType: "module" },
    // The page carries no polyfill: the language's built-ins are held too.
    settings: { lintAllEsApis: true },
  },
  {
    files: ["**/*.js", "**/*.mjs"],
    ignores: ["src/**"],
    languageOptions: { ecmaVersion: "latest", sourceType: "module" },
  },
];
