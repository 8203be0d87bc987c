// The option buttons of one container form a radio group. Once its buttons
// are made, setUpRadioGroup orders them as they appear, top to bottom and left
// to right, for assistive technology, and gives them the keyboard use users
// of radio groups expect: the arrow keys move the focus to the previous or
// next button, wrapping at the ends, without selecting it; Space selects the
// focused one. A double-click clicks a button once: its second press raises
// no click.
#pragma once

class QWidget;

namespace lodarix {

void setUpRadioGroup(QWidget* container);

} // namespace lodarix
