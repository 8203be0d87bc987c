// The short help of both faces (F1, and the page's "?" button): what a floor
// button's colour says, the grille's rule, and which keys do what, first
// those both faces share, then each face's own. core/form/key_table.h pairs
// the keys' words with the keys, and core/form/help.h puts them in order,
// with the colours.
#pragma once

#include <string_view>

namespace lodarix::help_texts {

inline constexpr std::string_view Title = "Помощ";
inline constexpr std::string_view ColoursHeading = "Цветът на бутона на етажа";
inline constexpr std::string_view Green = "зелен";
inline constexpr std::string_view LightRed = "светлочервен";
inline constexpr std::string_view LightBlue = "светлосин";
inline constexpr std::string_view GrilleRule =
    "Първо затворете предпазната решетка, после изберете етаж. Кабината минава по един етаж "
    "на интервал; щом пристигне, решетката се отваря сама.";
inline constexpr std::string_view KeysHeading = "Клавиши";

// Keys both faces have: the keys, then what they do.
inline constexpr std::string_view TabKeys = "Tab, Shift+Tab";
inline constexpr std::string_view TabDoes = "към следващата или предишната контрола";
inline constexpr std::string_view ArrowKeys = "Стрелките";
inline constexpr std::string_view ArrowsDo =
    "между бутоните за етажите или между бутоните на решетката";
inline constexpr std::string_view SpaceKey = "Интервал";
inline constexpr std::string_view SpaceDoes = "избира бутона, който е на фокус";
inline constexpr std::string_view HelpKey = "F1";
inline constexpr std::string_view HelpDoes = "тази помощ";
inline constexpr std::string_view MotionKey = "F2";
inline constexpr std::string_view MotionDoes = "показва графиката на движението";
inline constexpr std::string_view EventsKey = "F3";
inline constexpr std::string_view EventsDoes = "показва събитията и променливите";
inline constexpr std::string_view PauseKeys = "P или Pause";
inline constexpr std::string_view PauseDoes = "в графиката: пауза и продължаване";
inline constexpr std::string_view StepKey = "S";
inline constexpr std::string_view StepDoes = "в графиката: една стъпка по време на пауза";

inline constexpr std::string_view CodeKey = "F4";
inline constexpr std::string_view CodeDoes = "показва кода на формата";
inline constexpr std::string_view NextLineKey = "F10";
inline constexpr std::string_view NextLineDoes = "в кода, ред по ред: изпълнява следващия ред";
inline constexpr std::string_view ReadLineKey = "Enter";
inline constexpr std::string_view ReadLineDoes =
    "в кода: екранният четец прочита реда, който се изпълни последен, и какво промени";
inline constexpr std::string_view RunCodeKey = "Ctrl+Enter";
inline constexpr std::string_view RunCodeDoes =
    "в кода, докато се променя: прочита го и формата започва отначало с него";

// The desktop's own keys.
inline constexpr std::string_view MenuKeys = "Shift+F10 или Menu";
inline constexpr std::string_view MenuDoes = "менюто на прозореца";

// The page's own keys.
inline constexpr std::string_view EscapeKey = "Esc";
inline constexpr std::string_view EscapeDoes = "затваря помощта или скрива графиката";

// The button that closes the help.
inline constexpr std::string_view Close = "Затвори";

} // namespace lodarix::help_texts
