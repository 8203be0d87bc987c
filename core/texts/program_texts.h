// The texts of the form's code: its running errors, as its runtime named
// them, the reading errors, and how either is reported. Each {} is filled in
// turn (fill).
#pragma once

#include <string_view>

namespace lodarix::texts {

// "Кодът на формата" is how every face names the program's source.
inline constexpr std::string_view FormCodeName = "Кодът на формата";

inline constexpr std::string_view RunErrorInvalidCall = "Невалидно извикване или аргумент";
inline constexpr std::string_view RunErrorOverflow = "Препълване";
inline constexpr std::string_view RunErrorSubscript = "Индексът е извън обхвата";
inline constexpr std::string_view RunErrorDivisionByZero = "Деление на нула";
inline constexpr std::string_view RunErrorTypeMismatch = "Несъвместими типове";
inline constexpr std::string_view RunErrorStringSpace = "Няма място за низове";
inline constexpr std::string_view RunErrorTooManyStatements =
    "Събитието не свърши за 10 000 реда и беше спряно";
inline constexpr std::string_view RunErrorTooDeep = "Повече от 200 вложени извиквания";
inline constexpr std::string_view RunErrorPropertyValue = "Невалидна стойност на свойство";
inline constexpr std::string_view RunErrorNoSuchProperty = "Обектът няма това свойство";
inline constexpr std::string_view RunErrorOther = "Грешка при изпълнение";

// A running error: its number, the procedure, the line and its text.
inline constexpr std::string_view RunErrorReport = "Грешка {} в {}, ред {}: {}";
// A reading error: the line and what is wrong.
inline constexpr std::string_view ReadErrorReport = "Грешка при четене, ред {}: {}";
inline constexpr std::string_view ReadErrorAtColumnReport =
    "Грешка при четене, ред {}, колона {}: {}";

inline constexpr std::string_view ReadExpected = "очаква се {}";
inline constexpr std::string_view ReadUnexpected = "неочаквано „{}“";
inline constexpr std::string_view ReadUnknownName = "непознато име „{}“";
inline constexpr std::string_view ReadDuplicateName = "името „{}“ е обявено два пъти";
inline constexpr std::string_view ReadNoFractions =
    "няма дробни числа: за деление с цяло частно пишете \\";
inline constexpr std::string_view ReadNumberTooLarge = "числото е твърде голямо";
inline constexpr std::string_view ReadUnclosedString = "низът не е затворен с \"";
inline constexpr std::string_view ReadBadCharacter = "непознат знак „{}“";
inline constexpr std::string_view ReadTooDeep = "вложеността е по-дълбока от 64";
inline constexpr std::string_view ReadOneArgument = "процедура има най-много един аргумент";
inline constexpr std::string_view ReadEventArgument = "събитието {} се обявява като {}";
inline constexpr std::string_view ReadNotAVariable = "„{}“ не е променлива";
inline constexpr std::string_view ReadOutsideSub = "операторът е извън процедура";
inline constexpr std::string_view ReadExitOutside = "„{}“ е извън цикъл";

// A file that holds no program: why it cannot be opened.
inline constexpr std::string_view FileTooLarge = "Файлът е по-голям от 64 KB и не е програма.";
inline constexpr std::string_view FileNotText = "Файлът не е текст в UTF-8 и не е програма.";

} // namespace lodarix::texts
