// The short help of the main window (core/form/help.h) in a message box: the
// floor buttons' colours, each beside a swatch of it, the grille's rule and
// the keys. F1 opens it from any control of the window.
#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace lodarix {

// The help as rich text.
QString helpText();

// Opens the help window-modal to parent, without waiting; it is deleted when
// closed. A second call while it is open brings the same box to the front.
QMessageBox* showHelp(QWidget& parent);

} // namespace lodarix
