// A control's key, by which the page finds it: its name, and its index in
// parentheses where it is one of a control array ("Option1(3)").

/**
 * @param {string} name
 * @param {number | null} index
 */
export function controlKey(name, index) {
  return index === null ? name : `${name}(${index})`;
}
