// The texts of editing the form's code in the code view: the pupil's own
// program, run on the live form, compared with the original or a teacher's
// reference, kept in a file. Each {} is filled in turn (fill).
#pragma once

#include <string_view>

namespace lodarix::editing_texts {

// A toggle: pressed, the code can be edited.
inline constexpr std::string_view Edit = "Промени";
inline constexpr std::string_view EditTip = "Кодът става за редактиране";
inline constexpr std::string_view Run = "Изпълни";
inline constexpr std::string_view RunTip =
    "Прочита кода и формата започва отначало с него (Ctrl+Enter)";
inline constexpr std::string_view BackToOriginal = "Към оригинала";
inline constexpr std::string_view BackToOriginalTip =
    "Връща кода на формата такъв, какъвто е, и формата започва отначало с него";
inline constexpr std::string_view Compare = "Сравни";
inline constexpr std::string_view CompareTip =
    "Пуска щракванията и тактовете от този сеанс през програмата и през образеца и "
    "казва къде се разминават";
inline constexpr std::string_view CompareScript = "Сравни по скрипт…";
inline constexpr std::string_view CompareScriptTip =
    "Сравнява програмата с образеца по скрипт от файл";
inline constexpr std::string_view OpenReference = "Образец…";
inline constexpr std::string_view OpenReferenceTip =
    "Отваря програма на учителя, с която да се сравнява вместо с оригинала";
inline constexpr std::string_view OpenProgram = "Отвори…";
inline constexpr std::string_view OpenProgramTip = "Отваря програма от файл (.bas)";
inline constexpr std::string_view SaveProgram = "Запази…";
inline constexpr std::string_view SaveProgramTip = "Запазва програмата във файл (.bas)";
inline constexpr std::string_view ProgramFilter = "Кодът на формата (*.bas);;Всички файлове (*)";
inline constexpr std::string_view ProgramFileName = "moyat-kod.bas";
inline constexpr std::string_view OpenProgramTitle = "Отвори програма";
inline constexpr std::string_view SaveProgramTitle = "Запази програмата";
inline constexpr std::string_view OpenReferenceTitle = "Отвори образец";
inline constexpr std::string_view OpenScriptTitle = "Отвори скрипт за сравнение";

// The editor's accessible name and its keys, as the help says them.
inline constexpr std::string_view EditorName = "Кодът на формата за редактиране";
inline constexpr std::string_view EditorKeys =
    "Tab и Shift+Tab местят реда навътре и навън; Escape, после Tab излиза от кода";

// Which program the form runs, and what the comparison is against.
inline constexpr std::string_view OriginalName = "оригинала";
inline constexpr std::string_view OwnProgramName = "моята програма";
inline constexpr std::string_view RunsProgram = "Формата изпълнява {}.";
inline constexpr std::string_view ComparesWith = "Сравнява се с {}.";
// The session of the motion record and the events trace that a program starts.
inline constexpr std::string_view SessionOfProgram = "Програма: {}";

// A program that does not read: the form keeps the one it had.
inline constexpr std::string_view NotRun = "{} Формата продължава с предишната програма.";
inline constexpr std::string_view NoSessionToCompare =
    "В този сеанс още няма щраквания и тактове за сравнение.";

// Questions before what would lose edits not saved.
inline constexpr std::string_view UnsavedTitle = "Незапазени промени";
inline constexpr std::string_view UnsavedBackToOriginal =
    "Промените в кода не са запазени. Да се върне ли оригиналът без тях?";
inline constexpr std::string_view UnsavedOpen =
    "Промените в кода не са запазени. Да се отвори ли друга програма без тях?";
inline constexpr std::string_view UnsavedClose =
    "Промените в кода не са запазени. Да се затвори ли програмата без тях?";
// The page's answers to a question; the desktop's are its platform's.
inline constexpr std::string_view Yes = "Да";
inline constexpr std::string_view No = "Не";
inline constexpr std::string_view CannotSave = "Програмата не можа да се запази в {}: {}";
inline constexpr std::string_view CannotOpen = "Файлът {} не можа да се отвори: {}";

} // namespace lodarix::editing_texts
