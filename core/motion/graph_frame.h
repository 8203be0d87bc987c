// What every face draws around the record's graphs, so that they read the
// same everywhere: the span of model time shown (the last 60 s, or the whole
// session), the axes with their ticks and labels, and the colours of the
// grid, the axes and each line. A face only lays the plot out in its own
// pixels and fonts.
#pragma once

#include "core/lift/colors.h"
#include "core/motion/decimation.h"
#include "core/motion/graph_path.h"
#include "core/motion/speed.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lodarix::motion {

struct TimeSpan {
    std::int64_t fromMs = 0;
    std::int64_t toMs = 60'000;

    friend bool operator==(const TimeSpan&, const TimeSpan&) = default;
};

// How much of the lesson the graphs follow unless the whole session is asked for.
inline constexpr std::int64_t FollowedMs = 60'000;

// The last 60 s up to nowMs; the first 60 s until then.
TimeSpan followingSpan(std::int64_t nowMs);
// From the load up to nowMs, at least 1 s.
TimeSpan wholeSessionSpan(std::int64_t nowMs);
TimeSpan shownSpan(std::int64_t nowMs, bool wholeSession);

// Values low to high fill the plot's height (or width); ticks stand at the
// multiples of tickStep between them, labelled as value / labelUnit with
// decimals.
struct Axis {
    double low;
    double high;
    double tickStep;
    int decimals;
    double labelUnit = 1;

    friend bool operator==(const Axis&, const Axis&) = default;
};

struct Tick {
    double value;
    std::string label; // with a decimal comma

    friend bool operator==(const Tick&, const Tick&) = default;
};

// The ticks of an axis, lowest first.
std::vector<Tick> ticks(const Axis& axis);

// A step of 1, 2 or 5 times a power of ten, at least roughly.
double niceStep(double roughly);

// The floors 1 to 11, half a floor's room above and below, a tick a floor.
Axis floorAxis();
// Up and down alike, to at least fastest m/s and at least 1 m/s, with about
// five ticks either side of 0.
Axis speedAxis(double fastestMetresPerSecond);
// The fastest speed the speed graph over span must reach: that of a step
// at the interval in force (one storey a step), so that the axis stands
// still from one trip to the next, or a faster one of a stretch of path
// within span; speeds are the stretches' own (speedOver).
double fastestShown(std::span<const Stretch> path,
                    std::span<const std::optional<SpeedRange>> speeds, TimeSpan span,
                    StoreyHeight height, int intervalMs);
// The time axis over span, in ms, labelled in seconds: as many ticks as
// labels as wide as TimeLabelSample (labelWidth, measured by the face in its
// font), each with room for TimeLabelSpacing of them, fit into plotWidth.
Axis timeAxis(TimeSpan span, double plotWidth, double labelWidth);
inline constexpr const char* TimeLabelSample = "0000,0";
inline constexpr double TimeLabelSpacing = 1.6;

// The step points the position graph marks: each step's, while the points
// stand ColumnsPerStepPoint pixel columns apart or more; none when denser.
std::vector<PlotPoint> markedSteps(std::span<const Row> rows, std::span<const PlotPoint> points,
                                   int columns);
inline constexpr int ColumnsPerStepPoint = 6;

using lift::Rgb;

namespace graph_colors {
inline constexpr Rgb Ground{255, 255, 255}; // the plot's, and inside a jump's ring
inline constexpr Rgb Grid{225, 225, 225};
inline constexpr Rgb Axis{90, 90, 90};
inline constexpr Rgb Text{30, 30, 30};
inline constexpr Rgb Position{25, 70, 160};
inline constexpr Rgb Target{40, 140, 70};
inline constexpr Rgb PositionJump{200, 60, 40};
inline constexpr Rgb Speed{170, 40, 40};
inline constexpr Rgb Zero{120, 120, 120};
inline constexpr Rgb SpeedJump{230, 130, 0};
} // namespace graph_colors

// The graphs' strokes and marks, in pixels at the original size; a face
// scales them with its own zoom.
namespace graph_sizes {
inline constexpr double Line = 2;        // the lines, the final stop's level, a jump
inline constexpr double Rule = 1;        // the grid, the axes and the zero line
inline constexpr double StepPoint = 2.5; // a marked step's radius
inline constexpr double JumpRing = 4;    // the radius of a jump's ring on the zero line
} // namespace graph_sizes

} // namespace lodarix::motion
