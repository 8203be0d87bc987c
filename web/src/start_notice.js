// The notice the page shows in place of its form when this browser lacks
// what the page needs, or when the page fails to start: a heading, what is
// missing or what went wrong, and what to do, in the page's own texts
// (core/texts/page_texts.h). The start-up check (start_check.js), a classic
// script that runs before the page's modules in any browser, shows it too,
// so this module is written in the oldest script language (ES5) and joined
// into both scripts.

var NoticeId = "lodarix-notice";

/**
 * A text with its {} filled.
 * @param {string} text
 * @param {string} value
 */
function fill(text, value) {
  return text.replace("{}", function () {
    return value;
  });
}

/**
 * Whether a notice stands in place of the page.
 * @param {Document} document
 */
export function noticeShown(document) {
  return document.getElementById(NoticeId) !== null;
}

/**
 * Puts a notice in place of the page: everything the page shows is hidden,
 * what is parsed after it too (page.css, data-notice), a notice shown before
 * goes, and the notice, announced at once, takes the focus.
 * @param {Document} document
 * @param {string} heading
 * @param {string[]} lines
 * @returns {HTMLElement} the notice
 */
export function showNotice(document, heading, lines) {
  var body = document.body;
  var old = document.getElementById(NoticeId);
  if (old && old.parentNode) old.parentNode.removeChild(old);
  document.documentElement.setAttribute("data-notice", "shown");
  var notice = document.createElement("section");
  notice.id = NoticeId;
  notice.className = "notice";
  notice.setAttribute("role", "alert");
  notice.setAttribute("tabindex", "-1");
  var title = document.createElement("h1");
  title.appendChild(document.createTextNode(heading));
  notice.appendChild(title);
  for (var at = 0; at < lines.length; ++at) {
    var line = document.createElement("p");
    line.appendChild(document.createTextNode(lines[at]));
    notice.appendChild(line);
  }
  body.insertBefore(notice, body.firstChild);
  notice.focus();
  return notice;
}

/**
 * This browser is too old for the page: what it lacks, and what to do.
 * @param {Document} document
 * @param {Record<string, string>} texts the page's texts
 * @param {string[]} missing each an item of the page's texts
 */
export function showTooOld(document, texts, missing) {
  return showNotice(document, texts.TooOld, [
    fill(texts.Missing, missing.join(", ")),
    texts.WhatToDo,
  ]);
}

/**
 * The page failed to start: the browser's own words for why, and what to do.
 * @param {Document} document
 * @param {Record<string, string>} texts the page's texts
 * @param {string} reason
 */
export function showStartFailure(document, texts, reason) {
  return showNotice(document, texts.StartFailed, [fill(texts.Reason, reason), texts.WhatToDo]);
}
