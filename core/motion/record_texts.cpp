#include "core/motion/record_texts.h"

#include "core/texts/motion_window_texts.h"
#include "core/texts/number_texts.h"

#include <optional>

namespace lodarix::motion {

namespace texts = lodarix::texts;
namespace words = lodarix::motion_texts;

std::string floorsText(int count)
{
    return count == 1 ? std::string(words::OneFloor)
                      : texts::fill(words::Floors, {std::to_string(count)});
}

std::string meanSpeedText(const Trip& trip, StoreyHeight height)
{
    const std::optional<double> speed = meanSpeed(trip, height);
    return speed ? texts::decimal(*speed, 2) : std::string(words::NoSpeed);
}

std::string tripNote(const Trip& trip)
{
    return std::string(trip.interrupted   ? words::Interrupted
                           : trip.running ? words::Running
                                          : std::string_view());
}

std::string tripSummary(const Trip& trip)
{
    std::string text =
        texts::fill(words::TripSummary,
                    {std::to_string(trip.number), std::to_string(trip.startFloor),
                     std::to_string(trip.finalStop), floorsText(trip.floorsTravelled),
                     texts::seconds(trip.durationMs)});
    if (trip.interrupted)
        text += words::InterruptedSuffix;
    else if (trip.running)
        text += words::RunningSuffix;
    return text;
}

std::string latestTripSummary(const std::vector<Trip>& trips)
{
    return trips.empty() ? std::string(words::NoTripsYet) : tripSummary(trips.back());
}

std::string positionGraphDescription(const std::vector<Trip>& trips)
{
    return latestTripSummary(trips);
}

std::string speedGraphDescription(const std::vector<Trip>& trips, StoreyHeight height)
{
    std::string text = latestTripSummary(trips);
    if (!trips.empty())
        text += texts::fill(words::MeanSpeedOfLatest, {meanSpeedText(trips.back(), height)});
    return text;
}

const std::array<std::string_view, TripColumnCount>& tripColumnHeadings()
{
    static constexpr std::array<std::string_view, TripColumnCount> headings{
        words::NumberColumn, words::FromColumn,      words::ToColumn,  words::FloorsColumn,
        words::TimeColumn,   words::MeanSpeedColumn, words::NoteColumn};
    return headings;
}

std::array<std::string, TripColumnCount> tripRow(const Trip& trip, StoreyHeight height)
{
    return {std::to_string(trip.number),
            std::to_string(trip.startFloor),
            std::to_string(trip.finalStop),
            std::to_string(trip.floorsTravelled),
            texts::seconds(trip.durationMs),
            meanSpeedText(trip, height),
            tripNote(trip)};
}

std::string clockText(std::int64_t nowMs, bool paused)
{
    return texts::fill(words::Clock, {texts::seconds(nowMs)})
        + std::string(paused ? words::Paused : std::string_view());
}

std::string tripClockText(const MotionRecorder& record, std::int64_t nowMs)
{
    const auto& trips = record.trips();
    if (trips.empty())
        return std::string(words::NoTripClock);
    const Trip& trip = trips.back();
    const std::string number = std::to_string(trip.number);
    if (trip.running)
        return texts::fill(words::TripClock,
                           {number, texts::seconds(nowMs - record.rows()[trip.pickRow].timeMs)});
    return texts::fill(words::FinishedTripClock, {number, texts::seconds(trip.durationMs)});
}

} // namespace lodarix::motion
