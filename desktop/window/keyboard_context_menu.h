// Shift+F10 (the window menu's bound key, core/form/key_table.h) does in a
// window what the Menu key does: a context-menu request
// from the keyboard goes to the focused widget, at its text cursor or its
// middle, and passes on to its parents while a widget has no menu of its own.
#pragma once

class QWidget;

namespace lodarix {

void openContextMenusWithShiftF10(QWidget& window);

} // namespace lodarix
