#include "desktop/motion_window/motion_texts.h"

namespace lodarix::motion_texts {

QLocale bulgarian()
{
    QLocale locale(QLocale::Bulgarian, QLocale::Bulgaria);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString decimal(double value, int decimals)
{
    return bulgarian().toString(value, 'f', decimals);
}

QString seconds(std::int64_t ms)
{
    return decimal(static_cast<double>(ms) / 1000.0, 1);
}

QString floors(int count)
{
    return count == 1 ? QStringLiteral("1 етаж") : QStringLiteral("%1 етажа").arg(count);
}

QString meanSpeed(const motion::Trip& trip, motion::StoreyHeight height)
{
    const std::optional<double> speed = motion::meanSpeed(trip, height);
    return speed ? decimal(*speed, 2) : QStringLiteral("–");
}

QString tripSummary(const motion::Trip& trip)
{
    QString text = QStringLiteral("Курс %1: от етаж %2 до етаж %3, %4 за %5 s")
                       .arg(trip.number)
                       .arg(trip.startFloor)
                       .arg(trip.finalStop)
                       .arg(floors(trip.floorsTravelled), seconds(trip.durationMs));
    if (trip.interrupted)
        text += QStringLiteral(", прекъснат");
    else if (trip.running)
        text += QStringLiteral(", в движение");
    return text;
}

QString latestTripSummary(const std::vector<motion::Trip>& trips)
{
    return trips.empty() ? QStringLiteral("Още няма курсове.") : tripSummary(trips.back());
}

QString clock(std::int64_t nowMs, bool paused)
{
    return QStringLiteral("t = %1 s").arg(seconds(nowMs))
        + (paused ? QStringLiteral(" (пауза)") : QString());
}

QString tripClock(const motion::MotionRecorder& record, std::int64_t nowMs)
{
    const auto& trips = record.trips();
    if (trips.empty())
        return QStringLiteral("Курс: –");
    const motion::Trip& trip = trips.back();
    if (trip.running)
        return QStringLiteral("Курс %1: %2 s")
            .arg(trip.number)
            .arg(seconds(nowMs - record.rows()[trip.pickRow].timeMs));
    return QStringLiteral("Курс %1: %2 s (завършен)")
        .arg(trip.number)
        .arg(seconds(trip.durationMs));
}

} // namespace lodarix::motion_texts
