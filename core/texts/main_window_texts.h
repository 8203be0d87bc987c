// The texts of the main window, "Lodarix": what the form shows, what the
// trip rules write into the status box, and what assistive technology and the
// context menu say. UTF-8, CR LF line ends where a text has lines.
#pragma once

#include <array>
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

// The floor names, ground floor first: "Етаж" and the floor number in Roman
// numerals. The floor-name list holds them, and the rules log them.
inline constexpr std::array<std::string_view, 11> FloorNames{
    "Етаж I",   "Етаж II",   "Етаж III", "Етаж IV", "Етаж V",  "Етаж VI",
    "Етаж VII", "Етаж VIII", "Етаж IX",  "Етаж X",  "Етаж XI",
};

// What the trip rules write into the status box, each line ended by LineEnd.
inline constexpr std::string_view LineEnd = "\r\n";
inline constexpr std::string_view CloseTheGrille = "Затворете предпазната решетка!";
inline constexpr std::string_view GoingUp = "Асансьорът се качва!";
inline constexpr std::string_view GoingDown = "Асансьорът слиза!";
inline constexpr std::string_view LastStop = "Последна спирка!";

// The names of the controls whose own text does not say what they are.
inline constexpr std::string_view FloorsName = "Етажи";
inline constexpr std::string_view GrilleName = "Предпазна решетка";
inline constexpr std::string_view FloorNamesName = "Имена на етажите";
inline constexpr std::string_view QuotationName = "Цитат";
inline constexpr std::string_view StatusName = "Съобщения";
// A floor button's name, {} its caption: "Етаж 4".
inline constexpr std::string_view FloorButtonName = "Етаж {}";
// What a floor button's colour means.
inline constexpr std::string_view FloorOfCabin = "кабината е тук";
inline constexpr std::string_view FloorOfTarget = "крайна спирка";
inline constexpr std::string_view FloorFree = "свободен";

// The main window's context menu.
inline constexpr std::string_view ShowMotionWindow = "Графика на движението";
inline constexpr std::string_view ShowStatement = "Покажи условието";

// The program's name, the title of its message boxes.
inline constexpr std::string_view ProgramName = "Lodarix";
// The report of a failure inside the rules: what failed, why, and what the
// face does then (the program ends; the page stops). Each {} is filled in turn.
inline constexpr std::string_view ErrorHeading = "Грешка при изпълнение.\n\n";
inline constexpr std::string_view ErrorControl = "Контрола: {}\n";
inline constexpr std::string_view ErrorIndex = "Индекс: {}\n";
inline constexpr std::string_view ErrorOperation = "Действие: {}\n";
inline constexpr std::string_view ErrorReason = "({})\n\n";
inline constexpr std::string_view ProgramCloses = "Програмата ще бъде затворена.";
inline constexpr std::string_view PageStops =
    "Страницата спря. Презаредете я, за да започнете отначало.";

} // namespace lodarix::texts
