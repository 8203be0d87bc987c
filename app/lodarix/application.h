// The program's life around its window. The command line is read twice:
// first, before any GUI starts, for --help and --version, which need no
// display; then, once the toolkit has taken its own options (-platform,
// -style and the like), for what is left, which the program has no use for
// and ignores with a warning, since a launcher may pass a file or a URL.
#pragma once

#include <functional>
#include <optional>

namespace lodarix {

class CodeHost;
class EventsHost;
class LodarixWindow;

// The exit status when the command line asks for --help or --version, which
// have then been answered on standard output; nothing when the window is to open.
std::optional<int> answerWithoutWindow(int argc, char* argv[]);

// Names the application, makes Qt's texts and the number formats Bulgarian,
// and warns on one line of standard error of the arguments left over. Call
// right after the QApplication is made.
void setUpApplication();

// The events window and the code window agree: a row chosen in one chooses
// its first step in the other, and a step chosen there selects its row; a
// program the form starts afresh on begins a new session of the trace.
void joinViews(EventsHost& events, CodeHost& code);

// Builds the window with its motion record and motion window (F2) and its
// events trace and events window (F3), loads it,
// calls beforeShow, shows it and runs the event loop until the window is
// closed. Returns the program's exit status.
int runWindow(const std::function<void(LodarixWindow&)>& beforeShow = {});

} // namespace lodarix
