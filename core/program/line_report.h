// What the code view says of the line that ran: "Ред 27: CurrentFloor = 3 → 4"
// under the code, and, for a screen reader on demand, the line's number, its
// text and what it changed. Texts are core/texts/code_view_texts.h's.
#pragma once

#include "core/program/changes.h"

#include <string>
#include <string_view>
#include <vector>

namespace lodarix::program {

// The changes' texts (changeText) joined, or that nothing changed.
std::string changesText(const std::vector<Change>& changes);
// "Ред 27: CurrentFloor = 3 → 4"
std::string ranLineText(int line, const std::vector<Change>& changes);
// The line of source (from 1) without its indentation; empty past the end.
std::string_view sourceLine(std::string_view source, int line);
// The line of source that ran, as a screen reader hears it, and the line
// that runs next when nextLine > 0: "Ред 38: CurrentFloor = CurrentFloor + 1.
// CurrentFloor = 3 → 4. Следва ред 39."
std::string lineSummary(std::string_view source, int line, const std::vector<Change>& changes,
                        int nextLine = 0);

} // namespace lodarix::program
