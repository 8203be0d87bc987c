// What the code view's editor asks of the core apart from the window: the
// original form's code, a file's bytes read as a program
// (core/program/program_file.h), the edited text's lines highlighted as the
// listing's are (page_code.h), and lines indented (core/program/indent.h).
#pragma once

#include <string>

namespace lodarix::web {

std::string originalCode();
// {"text": …} for a program, or {"reason": …} for a file that is none.
std::string programFileJson(const std::string& bytes);
std::string highlightedLinesJson(const std::string& text);
std::string indented(const std::string& lines, bool outwards);
// Which program the form runs, and the line that says it (core/program/program_status.h).
std::string runningName(const std::string& running, const std::string& fileName,
                        const std::string& fileText);
std::string programStatus(const std::string& runningName, const std::string& referenceName);

} // namespace lodarix::web
