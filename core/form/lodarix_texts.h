// The long texts of the window, with CR LF line ends.
#pragma once

#include <string_view>

namespace lodarix::texts {

// The exercise that the status box shows until the first trip: 904 characters.
extern const std::string_view ExerciseStatement;
// The quotation box's text: 118 characters.
extern const std::string_view Quotation;
// The title label.
extern const std::string_view Title;
// The window caption: a web address, a blank, and the subject.
extern const std::string_view Caption;
extern const std::string_view GrilleOpen;
extern const std::string_view GrilleClosed;

} // namespace lodarix::texts
