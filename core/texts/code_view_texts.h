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

// Back and forth through the statements kept: steps are numbered from the
// first statement since the code took over, and keep their numbers when the
// oldest are dropped.
inline constexpr std::string_view Back = "Назад";
inline constexpr std::string_view BackTip = "Показва формата след предишната стъпка";
inline constexpr std::string_view Forward = "Напред";
inline constexpr std::string_view ForwardTip = "Показва формата след следващата стъпка";
inline constexpr std::string_view Steps = "Изпълнени стъпки";
inline constexpr std::string_view GoToStep = "Към стъпка";
inline constexpr std::string_view GoToStepTip = "Показва формата след стъпката с този номер";
inline constexpr std::string_view Latest = "Последна";
inline constexpr std::string_view LatestTip = "Следи отново последната изпълнена стъпка";
inline constexpr std::string_view NoSteps = "Още няма изпълнени стъпки.";
inline constexpr std::string_view StepsDropped = "Стъпките преди {} не се пазят.";
// The chosen step: "Стъпка 12 от 340: Timer1_Timer, ред 38"
inline constexpr std::string_view StepHeading = "Стъпка {} от {}: {}, ред {}";
inline constexpr std::string_view VariablesAfter = "След нея: {}";
inline constexpr std::string_view VariableValue = "{} = {}";
inline constexpr std::string_view VariablesSeparator = ", ";
inline constexpr std::string_view SketchAfterStep = "Формата след стъпка {}";
// A row of the events view whose event ran no statement that is kept.
inline constexpr std::string_view RowRanNoLines = "Това събитие не е изпълнило пазен ред от кода.";

} // namespace lodarix::code_texts
