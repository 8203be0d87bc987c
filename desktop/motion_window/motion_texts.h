// The motion window's numbers and sentences, in Bulgarian: decimal comma,
// no group separators, "етаж" counted as Bulgarian counts it.
#pragma once

#include "core/motion/motion_recorder.h"
#include "core/motion/speed.h"
#include "core/motion/trip_log.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace lodarix::motion_texts {

QLocale bulgarian();

// 12.84 with 1 decimal is "12,8".
QString decimal(double value, int decimals);
// Milliseconds as seconds with one decimal: 12840 is "12,8".
QString seconds(std::int64_t ms);
// "1 етаж", "5 етажа".
QString floors(int count);
// The mean speed with two decimals, or "–" while the trip has taken no time.
QString meanSpeed(const motion::Trip& trip, motion::StoreyHeight height);
// "Курс 3: от етаж 2 до етаж 7, 5 етажа за 4,0 s", with ", прекъснат" or
// ", в движение" for a trip cut short or under way.
QString tripSummary(const motion::Trip& trip);
// The summary of the last trip, or that there has been none yet.
QString latestTripSummary(const std::vector<motion::Trip>& trips);
// The clock of model time: "t = 12,8 s", and " (пауза)" while paused.
QString clock(std::int64_t nowMs, bool paused);
// The last trip's time: "Курс 3: 2,4 s" while it runs, its whole time and
// " (завършен)" after; "Курс: –" before the first.
QString tripClock(const motion::MotionRecorder& record, std::int64_t nowMs);

} // namespace lodarix::motion_texts
