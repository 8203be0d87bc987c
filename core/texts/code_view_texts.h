// The texts of the code view, "Код": the form's code as it runs, a line at a
// time when the user wishes, with what each line changed and the error that
// stopped it. Each {} is filled in turn (fill).
#pragma once

#include <string_view>

namespace lodarix::code_texts {

inline constexpr std::string_view ShowCodeView = "Код";
inline constexpr std::string_view WindowTitle = "Код";

inline constexpr std::string_view Source = "Кодът на формата";
inline constexpr std::string_view Stepwise = "Ред по ред";
inline constexpr std::string_view StepwiseTip =
    "Всяко събитие само започва; редовете се изпълняват със „Следващ ред“";
inline constexpr std::string_view NextLine = "Следващ ред";
inline constexpr std::string_view NextLineTip = "Изпълнява следващия ред (F10)";
inline constexpr std::string_view Restart = "Отначало";
inline constexpr std::string_view RestartTip = "Зарежда формата отново и пуска кода отначало";
inline constexpr std::string_view ReadLine = "Прочети реда";
inline constexpr std::string_view ReadLineTip =
    "Екранният четец прочита текущия ред и какво е променил (Ctrl+L)";

// Under the code: the line that ran and what it changed, or that nothing has run.
inline constexpr std::string_view NothingRan = "Още не е изпълнен ред.";
inline constexpr std::string_view LineRan = "Ред {}: {}";
inline constexpr std::string_view NothingChanged = "нищо не се промени";
inline constexpr std::string_view ChangesSeparator = "; ";

// The line as a screen reader hears it, on demand.
inline constexpr std::string_view LineSummary = "Ред {}: {}. {}.";
inline constexpr std::string_view ErrorSummary = "Програмата спря. {}";

} // namespace lodarix::code_texts
