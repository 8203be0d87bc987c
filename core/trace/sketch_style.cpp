#include "core/trace/sketch_style.h"

#include <cmath>

namespace lodarix::trace::sketch_style {

namespace {

constexpr lift::Color Black = 0x00000000;
constexpr lift::Color White = 0x00FFFFFF;

// share of color and the rest of other, part by part, rounded.
lift::Color mixed(lift::Color color, double share, lift::Color other)
{
    lift::Color out = 0;
    for (const int shift : {0, 8, 16}) {
        const double part =
            ((color >> shift) & 0xFFu) * share + ((other >> shift) & 0xFFu) * (1 - share);
        out |= static_cast<lift::Color>(std::lround(part)) << shift;
    }
    return out;
}

} // namespace

lift::Color frameEdge(lift::Color face)
{
    return mixed(face, 0.625, Black);
}

lift::Color bevelLit(lift::Color face)
{
    return mixed(face, 0.4, White);
}

lift::Color bevelShaded(lift::Color face)
{
    return mixed(face, 0.45, Black);
}

} // namespace lodarix::trace::sketch_style
