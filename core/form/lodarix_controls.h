// The names and indices of the controls of the form "Lodarix", under which
// the description stores them and the trip rules' window operations reach
// them. The names are the window's own (a control array is one name with an
// index from 0); what each one is in the window:
//
//   Option1(0..10)  the floor buttons, index = floor index (button "1" is 0)
//   Option2(0), (1) the safety grille's buttons: 0 closed, 1 open
//   Frame2, Frame1  the frames that hold them, each its own radio group
//   Text1(0)        the status box; Text1(1) the quotation box
//   List1           the floor names, read by the rules, hidden once loaded
//   Timer1          the step timer, one step every period while enabled
//   Label1(0)       the title
#pragma once

#include <string_view>

namespace lodarix::controls {

inline constexpr std::string_view FloorButtons = "Option1"; // index: floor index
inline constexpr std::string_view FloorFrame = "Frame2";
inline constexpr std::string_view GrilleButtons = "Option2";
inline constexpr int GrilleClosedButton = 0;
inline constexpr int GrilleOpenButton = 1;
inline constexpr std::string_view GrilleFrame = "Frame1";
inline constexpr std::string_view TextBoxes = "Text1";
inline constexpr int StatusBox = 0;
inline constexpr int QuoteBox = 1;
inline constexpr std::string_view FloorNameList = "List1";
inline constexpr std::string_view StepTimer = "Timer1";
inline constexpr std::string_view TitleLabel = "Label1";

} // namespace lodarix::controls
