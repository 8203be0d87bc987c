// A locale facet that writes numbers the way much of Europe does, 1.234,5:
// what a machine format must not pick up from the process's locale.
#pragma once

#include <locale>
#include <string>

namespace test_support {

class EuropeanNumbers : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

} // namespace test_support
