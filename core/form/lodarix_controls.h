// The names and indices under which the trip rules' window operations reach
// the controls of the form "Lodarix".
#pragma once

#include <string_view>

namespace lodarix::controls {

inline constexpr std::string_view FloorButtons = "Option1"; // index: floor index
inline constexpr std::string_view GrilleButtons = "Option2";
inline constexpr int GrilleClosedButton = 0;
inline constexpr int GrilleOpenButton = 1;
inline constexpr std::string_view TextBoxes = "Text1";
inline constexpr int StatusBox = 0;
inline constexpr std::string_view FloorNameList = "List1";
inline constexpr std::string_view StepTimer = "Timer1";

} // namespace lodarix::controls
