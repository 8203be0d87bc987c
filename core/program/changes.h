// What a statement changed of the variables, as the code view shows it beside
// its line: "CurrentFloor = 3 → 4". Values are written as the form's code
// writes them: numbers, True and False, texts in quotes, Empty.
#pragma once

#include "core/program/syntax.h"
#include "core/program/value.h"

#include <string>
#include <vector>

namespace lodarix::program {

struct Change {
    std::string name;
    Value before;
    Value after;
};

// The variables whose value differs, in declared order.
std::vector<Change> changesBetween(const std::vector<Variable>& names,
                                   const std::vector<Value>& before,
                                   const std::vector<Value>& after);

std::string valueText(const Value& value);
// "CurrentFloor = 3 → 4"
std::string changeText(const Change& change);

} // namespace lodarix::program
