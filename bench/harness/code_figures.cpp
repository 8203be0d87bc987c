#include "bench/harness/code_figures.h"

#include "bench/harness/child_process.h"

#include <stdexcept>
#include <vector>

namespace bench {

void measureCodeWindow(Table& table, const std::string& program, int runs,
                       const std::string& errorLog)
{
    std::vector<double> chooseMs, statementBytes;
    ChildRun last;
    for (int run = 0; run < runs; ++run) {
        last = runChild({program}, {"QT_QPA_PLATFORM=offscreen"}, errorLog);
        if (!last.succeeded)
            throw std::runtime_error(program + " failed; see " + errorLog);
        std::vector<double> choices;
        for (const std::int64_t ns : last.all("choose-ns"))
            choices.push_back(static_cast<double>(ns) / 1e6);
        chooseMs.push_back(summarize(choices).max);
        statementBytes.push_back(static_cast<double>(last.value("statement-bytes-x100")) / 100);
    }
    const std::string kept = std::to_string(last.value("statements"));
    const Summary choose = summarize(chooseMs);
    table.add("code window: the slowest of 41 steps chosen among " + kept
                  + " kept, to the window drawn after it, offscreen (ms)",
              choose, 2, "<= 16", choose.max <= 16);
    table.add("statement history: bytes a statement, events and spare room included",
              summarize(statementBytes), 1);
}

} // namespace bench
