// The results as one Markdown table: a figure a row with the median, min and
// max of its runs, the goal it is held against and whether it met it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
};

// Throws std::invalid_argument for no values.
Summary summarize(std::vector<double> values);

class Table {
public:
    // decimals: the digits shown after the point. goal and met are left empty
    // for a figure that has no goal.
    void add(const std::string& figure, const Summary& summary, int decimals,
             const std::string& goal = {}, std::optional<bool> met = {});
    std::string markdown() const;

private:
    std::vector<std::vector<std::string>> rows_;
};

} // namespace bench
