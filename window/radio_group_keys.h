// Keyboard use of a radio group, as users of radio groups expect: the arrow
// keys move the focus to the previous or next button of the same container,
// wrapping at the ends, without selecting it; Space selects the focused one.
#pragma once

class QAbstractButton;

namespace lodarix {

void installRadioGroupKeys(QAbstractButton* button);

} // namespace lodarix
