// The core's rules on stand-in controls, for a long lesson made at once in
// the page (long_record.js, the events benchmark). defineStandInRules runs in
// the loaded page through page.evaluate and leaves there
// globalThis.standInRules(core, keepText), which gives { rules, controls }:
// the grille counts as closed while controls.grilleClosed is set (the rules
// clear it when they open the grille), and controls.status keeps the status
// text when keepText is set.

export function defineStandInRules() {
  /**
   * @param {any} core
   * @param {boolean} keepText
   */
  const standInRules = (core, keepText) => {
    const controls = { status: "", grilleClosed: true };
    const rules = new core.PageWindow({
      setBackColor: () => true,
      isSelected: () => controls.grilleClosed,
      select: () => ((controls.grilleClosed = false), true),
      setTimerEnabled: () => true,
      text: () => controls.status,
      replaceText: (
        /** @type {string} */ _,
        /** @type {number} */ __,
        /** @type {string} */ text,
      ) => {
        if (keepText) controls.status = text;
        return true;
      },
      appendText: (
        /** @type {string} */ _,
        /** @type {number} */ __,
        /** @type {string} */ text,
      ) => {
        if (keepText) controls.status += text;
        return true;
      },
      takeUserEdit: () => false,
      listItem: () => "Етаж",
      hide: () => true,
      caption: () => "1",
      listCount: () => 11,
      period: () => 800,
      setPeriod: () => true,
      runTimeError: (/** @type {string} */ message) => {
        throw new Error(message);
      },
    });
    return { rules, controls };
  };
  /** @type {any} */ (globalThis).standInRules = standInRules;
}
