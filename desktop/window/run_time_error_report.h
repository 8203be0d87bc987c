// How a run-time error reaches the user on the desktop: a message box with
// the core's report, which says that the program ends.
#pragma once

#include <QString>

#include <exception>

class QWidget;

namespace lodarix {

// The message text for the error: what failed and that the program ends.
QString runTimeErrorText(const std::exception& error);

// Shows the message box, modal to parent.
void showRunTimeError(QWidget* parent, const std::exception& error);

} // namespace lodarix
