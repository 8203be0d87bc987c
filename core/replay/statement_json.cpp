#include "core/replay/statement_json.h"

#include "core/json/json_object.h"
#include "core/replay/state_json.h"

namespace lodarix::replay {

namespace {

void value(std::string& out, const program::Value& value)
{
    switch (value.type) {
    case program::Type::Empty:
    case program::Type::Variant:
        out += "null";
        return;
    case program::Type::Boolean:
        out += value.number ? "true" : "false";
        return;
    case program::Type::Integer:
    case program::Type::Long:
        out += std::to_string(value.number);
        return;
    case program::Type::String:
        json::appendString(out, value.text);
        return;
    }
}

void variables(json::Object& into, const std::vector<program::Variable>& names,
               const std::vector<program::Value>& values)
{
    for (std::size_t i = 0; i < names.size() && i < values.size(); ++i)
        value(into.key(names[i].name), values[i]);
}

} // namespace

std::string statementLine(int event, const program::Ran& ran, const program::Machine& machine,
                          const LodarixModel& model, std::string_view command)
{
    const program::Program& program = machine.program();
    std::string out;
    {
        json::Object line(out);
        line.number("event", event);
        line.text("procedure", program.procedures[std::size_t(ran.procedure)].name);
        line.number("line", ran.line);
        {
            json::Object shown(line.key("variables"));
            variables(shown, program.variables, machine.variables());
            if (machine.procedure() == ran.procedure)
                variables(shown, program.procedures[std::size_t(ran.procedure)].locals,
                          machine.locals());
        }
        line.key("state") += stateLine(model, command);
    }
    return out;
}

} // namespace lodarix::replay
