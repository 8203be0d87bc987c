// The texts of the events view, "Събития": the trace of the program's
// events and variables, the drawing of the window after an event, and the
// scripts run on the window model. Each {} is filled in turn (fill); the
// names of the form's procedures, variables and controls stay as the code
// writes them.
#pragma once

#include <string_view>

namespace lodarix::events_texts {

inline constexpr std::string_view ShowEventsView = "Събития";
inline constexpr std::string_view WindowTitle = "Lodarix - събития";

// Which trace the table shows: the lesson's, live, or the last script's.
inline constexpr std::string_view TraceChoice = "Показва";
inline constexpr std::string_view LessonTrace = "Урок";
inline constexpr std::string_view ScriptTrace = "Скрипт";

// The table: its name, its columns, and what a cell says.
inline constexpr std::string_view TraceTable = "Събития и променливи";
inline constexpr std::string_view NumberColumn = "№";
inline constexpr std::string_view TimeColumn = "t, s";
inline constexpr std::string_view EventColumn = "Събитие";
inline constexpr std::string_view ProcedureColumn = "Процедура";
inline constexpr std::string_view CurrentFloorColumn = "CurrentFloor";
inline constexpr std::string_view TargetFloorColumn = "TargetFloor";
inline constexpr std::string_view TimerColumn = "Timer1.Enabled";
inline constexpr std::string_view GrilleColumn = "Решетка";
inline constexpr std::string_view StatusColumn = "Текст в полето";
inline constexpr std::string_view LoadEvent = "зареждане на формата";
inline constexpr std::string_view PickEvent = "щракване на бутон „{}“";
inline constexpr std::string_view StepEvent = "таймерът отброи";
inline constexpr std::string_view GrilleEvent = "избор на решетка: {}";
inline constexpr std::string_view NoCode = "(няма код)";
// A variable as the code holds it, and the floor it stands for: "3 (етаж 4)".
inline constexpr std::string_view FloorValue = "{} (етаж {})";
// A floor the form's code left as none: outside the floors, or never set.
inline constexpr std::string_view NoFloorValue = "(няма)";
inline constexpr std::string_view TrueValue = "True";
inline constexpr std::string_view FalseValue = "False";
inline constexpr std::string_view GrilleClosed = "затворена";
inline constexpr std::string_view GrilleOpen = "отворена";
inline constexpr std::string_view GrilleNone = "–";
// What the event wrote to the status box: the text added at its end, or the
// new whole text; a line end shows as LineEndMark.
inline constexpr std::string_view Appended = "+ {}";
inline constexpr std::string_view Replaced = "= {}";
inline constexpr std::string_view LineEndMark = "↵";
inline constexpr std::string_view NoRows = "Още няма събития.";

// A row as a screen reader hears it, on demand.
inline constexpr std::string_view RowSummary = "Ред {} от {}. t = {} s. {}: {}.";
inline constexpr std::string_view StateSummary =
    " CurrentFloor = {}, TargetFloor = {}, Timer1.Enabled = {}, решетка {}.";
inline constexpr std::string_view AppendedSummary = " Добавен текст: {}.";
inline constexpr std::string_view ReplacedSummary = " Нов текст: {}.";
inline constexpr std::string_view NothingWritten = " Текстът не се променя.";
inline constexpr std::string_view ReadRow = "Прочети реда";
inline constexpr std::string_view ReadRowTip = "Екранният четец прочита избрания ред (Enter)";

// The drawing of the window after the selected row.
inline constexpr std::string_view Drawing = "Прозорецът след ред {}";
inline constexpr std::string_view DrawingOfNone = "Прозорецът";
inline constexpr std::string_view DrawingSummary = "Кабината: етаж {}. Крайна спирка: етаж {}. "
                                                   "Решетката: {}. Текст в полето: {}";
inline constexpr std::string_view EmptyStatus = "(празно)";

// Scripts: the box, the examples, running, and files.
inline constexpr std::string_view Script = "Скрипт (close, open, pick N, tick, # бележка)";
inline constexpr std::string_view Examples = "Примери";
inline constexpr std::string_view ChooseExample = "Избери пример…";
inline constexpr std::string_view OpenScript = "Отвори…";
inline constexpr std::string_view OpenScriptTip = "Отваря текстов файл със скрипт";
inline constexpr std::string_view OpenScriptTitle = "Отвори скрипт";
inline constexpr std::string_view ScriptFilter = "Скрипт (*.txt);;Всички файлове (*)";
inline constexpr std::string_view Run = "Изпълни";
inline constexpr std::string_view RunTip =
    "Изпълнява скрипта на модела на прозореца, без да пипа урока (Ctrl+Enter)";
inline constexpr std::string_view ScriptRan =
    "Скриптът е изпълнен: {} команди, {} реда в таблицата.";
inline constexpr std::string_view CannotOpen = "Файлът „{}“ не може да бъде прочетен.";
inline constexpr std::string_view SaveJsonLines = "Запази JSON Lines…";
inline constexpr std::string_view SaveJsonLinesTip =
    "Записва състоянието след всяка команда, както го отпечатва lodarix-replay";
inline constexpr std::string_view SaveJsonLinesTitle = "Запази JSON Lines";
inline constexpr std::string_view JsonLinesFileName = "lodarix-script.jsonl";
inline constexpr std::string_view JsonLinesFilter = "JSON Lines (*.jsonl)";
inline constexpr std::string_view SaveScriptCsv = "Запази CSV…";
inline constexpr std::string_view SaveScriptCsvTip =
    "Записва движението при скрипта като таблица CSV, както lodarix-replay --motion";
inline constexpr std::string_view ScriptCsvFileName = "lodarix-script-motion.csv";
inline constexpr std::string_view SaveScriptWorkbook = "Запази за електронна таблица…";
inline constexpr std::string_view SaveScriptWorkbookTip =
    "Записва движението и курсовете при скрипта като работна книга (.xlsx)";
inline constexpr std::string_view ScriptWorkbookFileName = "lodarix-script-motion.xlsx";

// A line of the script that was not understood: {} the line's number, then
// the words; the run stops there, as lodarix-replay's does.
inline constexpr std::string_view ScriptStopped = "Ред {}: {} Изпълнението спря на този ред.";
inline constexpr std::string_view UnknownCommand =
    "непозната команда „{}“ (очаква се close, open, pick N или tick).";
inline constexpr std::string_view NoArgument = "„{}“ е без аргумент, а след нея стои „{}“.";
inline constexpr std::string_view FloorMissing = "след „pick“ липсва номер на етаж от 1 до 11.";
inline constexpr std::string_view OneFloorOnly = "„pick“ иска един номер на етаж, а има и „{}“.";
inline constexpr std::string_view NotAFloor = "„{}“ не е номер на етаж от 1 до 11.";

// The guide's example scripts, as the examples list names them.
inline constexpr std::string_view ExampleUp = "Курс от етаж 1 до етаж 4";
inline constexpr std::string_view ExampleUpAndDown = "Нагоре до етаж 7 и надолу до етаж 2";
inline constexpr std::string_view ExampleGrilleOpen = "Избор при отворена решетка";
inline constexpr std::string_view ExamplePickDuringTrip = "Нов избор по време на курс";

} // namespace lodarix::events_texts
