// The texts that the trip rules write into the status box.
#pragma once

#include <string_view>

namespace lift::messages {

inline constexpr std::string_view LineEnd = "\r\n";
inline constexpr std::string_view CloseTheGrille = "Затворете предпазната решетка!";
inline constexpr std::string_view GoingUp = "Асансьорът се качва!";
inline constexpr std::string_view GoingDown = "Асансьорът слиза!";
inline constexpr std::string_view LastStop = "Последна спирка!";

} // namespace lift::messages
