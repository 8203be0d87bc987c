// The page's style held to the browsers of its floor (the browserslist in
// package.json), by caniuse's data through doiuse. Five findings stand,
// each for a part that every browser of the floor has, or can do without:
// - touch-action: desktop Safari has no touch screen; Safari on iPad and
//   iPhone knows the one value the page uses, manipulation;
// - clip-path (and masks, which caniuse joins to it): partial where shapes
//   other than inset() or SVG content are concerned; the page clips with
//   inset() alone, which the start-up check asks for (src/start_check.js);
// - the media feature scripting: where a browser knows it, a page with script
//   turned off shows its noscript notice alone; where not, the notice for a
//   script blocked shows over it after 3 s, in the same place and words
//   (page.css);
// - resize: the script box of the events view can be made taller by hand
//   where the browser lets it (not on an iPhone or iPad, where it simply
//   keeps its height).
// caniuse knows no color-mix(), which Chrome has only from 111: the page
// falls back on translucent edges without it (form.css), as the runs in
// Chromium 103 and 109 check on their screenshots.
export default {
  plugins: ["stylelint-no-unsupported-browser-features"],
  rules: {
    "plugin/no-unsupported-browser-features": [
      true,
      {
        severity: "error",
        ignore: [
          "css-touch-action",
          "css-clip-path",
          "css-masks",
          "css-media-scripting",
          "css-resize",
        ],
      },
    ],
  },
};
