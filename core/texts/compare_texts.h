// The texts of a comparison of a program with a reference: where the first
// difference lies and what it is. Each {} is filled in turn (fill).
#pragma once

#include <string_view>

namespace lodarix::compare_texts {

// "Събитие 5, Timer1_Timer: …"
inline constexpr std::string_view EventPlace = "Събитие {}, {}: {}";
// Both wrote the same place, with other values, or other places.
inline constexpr std::string_view OtherValue = "{} е {} (ред {}), а в оригинала {} (ред {})";
inline constexpr std::string_view OtherOperation =
    "{} = {} (ред {}), а в оригинала {} = {} (ред {})";
inline constexpr std::string_view ExtraOperation =
    "{} = {} (ред {}), а в оригинала няма такава промяна";
inline constexpr std::string_view MissingOperation = "няма {} = {}, която в оригинала е на ред {}";
inline constexpr std::string_view ProgramStopped = "програмата спря: {}";
inline constexpr std::string_view ReferenceStopped = "оригиналът спря: {}";
inline constexpr std::string_view BothStoppedOtherwise = "програмата спря: {}, а оригиналът: {}";
inline constexpr std::string_view NoDifference = "Няма разлика с оригинала.";

// The class's table: a header, then a row a program.
inline constexpr std::string_view CheckColumns[] = {"файл",    "резултат", "сценарий",
                                                    "събитие", "ред",      "разлика"};
inline constexpr std::string_view CheckEqual = "еднакво";
inline constexpr std::string_view CheckDifferent = "различно";
inline constexpr std::string_view CheckFailed = "грешка";

} // namespace lodarix::compare_texts
