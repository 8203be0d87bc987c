// The main window as the tests in a real X server meet it: its title, where
// its floor buttons and its closed-grille button are in the client area at
// scale 1, and the floor buttons' markers as a screenshot shows them.
#pragma once

#include "tests/support/dominant_color.h"
#include "tests/support/trip_guarantees.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace main_window {

inline const QString TitleText = QStringLiteral("Физика - движение на асансьор");

inline QRect floorButton(int index)
{
    return QRect(72 + 32 * index, 32 + 8, 25, 19);
}

inline QPoint grilleClosedButton()
{
    return QPoint(32 + 8 + 10, 104 + 40 + 13);
}

// One letter a floor, floor 1 first ("ciit...").
inline QString markers(const QImage& shot, int scale)
{
    return QString::fromStdString(test_support::markers([&shot, scale](int floor) {
        const QRect area = floorButton(floor);
        return test_support::asDescribed(
            test_support::dominantColor(shot, QRect(area.topLeft() * scale, area.size() * scale)));
    }));
}

} // namespace main_window
