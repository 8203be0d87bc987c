#include "core/program/changes.h"

namespace lodarix::program {

std::vector<Change> changesBetween(const std::vector<Variable>& names,
                                   const std::vector<Value>& before,
                                   const std::vector<Value>& after)
{
    std::vector<Change> changes;
    for (std::size_t i = 0; i < names.size() && i < before.size() && i < after.size(); ++i) {
        if (before[i].type != after[i].type || before[i].number != after[i].number
            || before[i].text != after[i].text)
            changes.push_back({names[i].name, before[i], after[i]});
    }
    return changes;
}

std::string valueText(const Value& value)
{
    switch (value.type) {
    case Type::Empty:
    case Type::Variant:
        return "Empty";
    case Type::String: {
        std::string quoted = "\"";
        for (const char c : value.text) {
            if (c == '"')
                quoted += '"';
            quoted += c;
        }
        return quoted + '"';
    }
    case Type::Boolean:
    case Type::Integer:
    case Type::Long:
        break;
    }
    return toText(value);
}

std::string changeText(const Change& change)
{
    return change.name + " = " + valueText(change.before) + " → " + valueText(change.after);
}

} // namespace lodarix::program
