#include "bench/harness/table.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace bench {

namespace {

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace

Summary summarize(std::vector<double> values)
{
    if (values.empty())
        throw std::invalid_argument("no values to summarize");
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    const double median =
        values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return {median, values.front(), values.back()};
}

void Table::add(const std::string& figure, const Summary& summary, int decimals,
                const std::string& goal, std::optional<bool> met)
{
    rows_.push_back({figure, fixed(summary.median, decimals), fixed(summary.min, decimals),
                     fixed(summary.max, decimals), goal.empty() ? "-" : goal,
                     met ? (*met ? "met" : "missed") : "-"});
}

std::string Table::markdown() const
{
    std::string text = "| figure | median | min | max | goal | result |\n"
                       "|---|---:|---:|---:|---|---|\n";
    for (const auto& row : rows_) {
        text += "|";
        for (const std::string& cell : row)
            text += " " + cell + " |";
        text += "\n";
    }
    return text;
}

} // namespace bench
