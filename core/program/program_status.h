// The line over an editable code view that says which program the form runs
// and what "Сравни" compares it with. The form runs the original when its
// text is the form's code byte for byte, the file's when it is the text of
// the file last opened or saved there, and else the pupil's own program.
#pragma once

#include <string>
#include <string_view>

namespace lodarix::program {

// fileName empty: no file opened or saved yet.
std::string runningName(std::string_view running, std::string_view fileName,
                        std::string_view fileText);
// referenceName empty: the original.
std::string programStatus(std::string_view runningName, std::string_view referenceName);

} // namespace lodarix::program
