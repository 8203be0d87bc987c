#include "core/lift/floor_table.h"

#include <stdexcept>

namespace lodarix::lift {

namespace {

void requireValid(FloorIndex index)
{
    if (!FloorTable::isValid(index))
        throw std::out_of_range("floor index " + std::to_string(index) + " is outside 0 to 10");
}

} // namespace

std::string_view FloorTable::caption(FloorIndex index)
{
    requireValid(index);
    return Captions[static_cast<std::size_t>(index)];
}

std::string_view FloorTable::name(FloorIndex index)
{
    requireValid(index);
    return Names[static_cast<std::size_t>(index)];
}

} // namespace lodarix::lift
