// The browser page's controls for how it stands on the screen: filling the
// window or at the desktop window's own size, full screen, and its help;
// what each says to a screen reader and in its tooltip. And the page's name
// as an app.
#pragma once

#include <string_view>

namespace lodarix::page_screen_texts {

// A toggle, pressed while the page fills the window; released it shows the
// desktop window's own size.
inline constexpr std::string_view FitToWindow = "По размера на прозореца";
inline constexpr std::string_view FitToWindowTip =
    "Натиснат: страницата запълва прозореца. Отпуснат: размерът на настолния прозорец";
inline constexpr std::string_view FullScreen = "Цял екран";
inline constexpr std::string_view FullScreenTip = "Цял екран и обратно";
inline constexpr std::string_view Help = "Помощ";
inline constexpr std::string_view HelpTip = "Цветовете и клавишите (F1)";
// The group of these controls and the openers of the views.
inline constexpr std::string_view Tools = "Изглед";

// The page as an app on a home screen, when a school's site serves it: its
// name under the icon, and what it is.
inline constexpr std::string_view AppName = "Lodarix";
inline constexpr std::string_view AppDescription =
    "Асансьор в сграда с 11 етажа: урок по физика и информатика";

} // namespace lodarix::page_screen_texts
