#include "bench/harness/events_figures.h"

#include "bench/harness/child_process.h"

#include <stdexcept>
#include <vector>

namespace bench {

void measureEventsWindow(Table& table, const std::string& program, int runs,
                         const std::string& errorLog)
{
    std::vector<double> appendMs, rowBytes, textBytes;
    ChildRun last;
    for (int run = 0; run < runs; ++run) {
        last = runChild({program}, {"QT_QPA_PLATFORM=offscreen"}, errorLog);
        if (!last.succeeded)
            throw std::runtime_error(program + " failed; see " + errorLog);
        std::vector<double> appends;
        for (const std::int64_t ns : last.all("append-ns"))
            appends.push_back(static_cast<double>(ns) / 1e6);
        appendMs.push_back(summarize(appends).median);
        rowBytes.push_back(static_cast<double>(last.value("row-bytes-x100")) / 100);
        textBytes.push_back(static_cast<double>(last.value("text-bytes-x100")) / 100);
    }
    const std::string rows = std::to_string(last.value("rows"));
    const Summary append = summarize(appendMs);
    table.add("events window: a row appended at " + rows
                  + " events, the window shown, to its repaint, offscreen (ms)",
              append, 2, "<= 16", append.median <= 16);
    const Summary bytes = summarize(rowBytes);
    table.add("events trace: bytes a row, spare room included, beyond the text it wrote", bytes, 1,
              "<= 64", bytes.max <= 64);
    table.add("events trace: bytes of text a row wrote (the status text's share)",
              summarize(textBytes), 1);
    table.add("events window: rows in view, the only rows the table draws (QTableView)",
              summarize({static_cast<double>(last.value("rows-in-view"))}), 0);
}

} // namespace bench
