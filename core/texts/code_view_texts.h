// The texts of the code view, "Код": the form's code with its lines lit as
// they run, run line by line on demand, with what each line changed, the
// error that stopped it, and a line as a screen reader hears it. Each {} is
// filled in turn (fill); the code's own names stay as it writes them.
#pragma once

#include <string_view>

namespace lodarix::code_texts {

inline constexpr std::string_view ShowCodeView = "Код";
inline constexpr std::string_view WindowTitle = "Код";

// A toggle, pressed while each event waits before every line for "Следващ ред".
inline constexpr std::string_view LineByLine = "Ред по ред";
inline constexpr std::string_view LineByLineTip =
    "Натиснат: всяко събитие спира преди всеки свой ред";
inline constexpr std::string_view NextLine = "Следващ ред";
inline constexpr std::string_view NextLineTip = "Изпълнява следващия ред на събитието (F10)";
inline constexpr std::string_view Restart = "Отначало";
inline constexpr std::string_view RestartTip = "Кодът започва отново от Form_Load";
inline constexpr std::string_view ReadLine = "Прочети реда";
inline constexpr std::string_view ReadLineTip =
    "Екранният четец прочита реда, който се изпълни последен (Enter)";

// Under the code: the line that ran and what it changed, or that nothing has run.
inline constexpr std::string_view NothingRan = "Още не е изпълнен ред от кода.";
inline constexpr std::string_view LineRan = "Ред {}: {}";
inline constexpr std::string_view NothingChanged = "нищо не се промени";
inline constexpr std::string_view ChangesSeparator = "; ";

// The line as a screen reader hears it, on demand: its number and text,
// what it changed, and the line that runs next, if one does.
inline constexpr std::string_view LineSummary = "Ред {}: {}. {}.";
inline constexpr std::string_view UnchangedLineSummary = "Ред {}: {}. Нищо не се промени.";
inline constexpr std::string_view NextSummary = " Следва ред {}.";
inline constexpr std::string_view ErrorSummary = "Програмата спря. {}";

} // namespace lodarix::code_texts
