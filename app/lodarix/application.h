// What the program does before its window: names the application, gives it
// its version, and reads the command line, whose only options are --help and
// --version (and Qt's own).
#pragma once

#include <optional>

class QApplication;

namespace lodarix {

// Returns the exit status when the program ends here: after --help or
// --version, or on an unknown option or a stray argument (reported on
// standard error). Returns nothing when the window is to open.
std::optional<int> setUpApplication(QApplication& app);

} // namespace lodarix
