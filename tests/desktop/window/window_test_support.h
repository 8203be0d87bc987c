// Helpers for tests of the real window on the offscreen platform.
#pragma once

#include "desktop/window/floor_button.h"
#include "desktop/window/lodarix_window.h"
#include "tests/support/dominant_color.h"
#include "tests/support/trip_guarantees.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace window_test {

template <class Control = QWidget>
Control* control(const lodarix::LodarixWindow& window, const char* name,
                 std::optional<int> index = {})
{
    return qobject_cast<Control*>(window.controls().find(name, index));
}

inline lodarix::FloorButton* floorButton(const lodarix::LodarixWindow& window, int index)
{
    return control<lodarix::FloorButton>(window, "Option1", index);
}

inline QTimer* stepTimer(const lodarix::LodarixWindow& window)
{
    return control<QTimer>(window, "Timer1");
}

// The floor buttons' markers, one letter a floor ("ciit..."), floor 1 first.
inline QString markers(const lodarix::LodarixWindow& window)
{
    return QString::fromStdString(test_support::markers(
        [&window](int floor) { return floorButton(window, floor)->marker(); }));
}

// What the rules' guarantees are checked on.
inline test_support::TripState tripState(const lodarix::LodarixWindow& window)
{
    return {window.controller().CurrentFloor(), window.controller().TargetFloor(),
            stepTimer(window)->isActive(),
            control<QAbstractButton>(window, "Option2", 0)->isChecked(),
            control<QAbstractButton>(window, "Option2", 1)->isChecked()};
}

// One period of the step timer, its expiry delivered at once through the
// window's step seam. Does nothing while the timer is stopped or held.
inline void timerPeriod(lodarix::LodarixWindow& window)
{
    window.deliverStep();
}

inline void clickFloor(const lodarix::LodarixWindow& window, int index)
{
    QTest::mouseClick(floorButton(window, index), Qt::LeftButton);
}

// A double-click as a window system delivers it: two presses in quick
// succession reach the window, and the widget under them receives press,
// release, double-click and release. The window must be shown.
inline void doubleClick(QWidget* widget, QPoint at = {})
{
    if (at.isNull())
        at = widget->rect().center();
    QWidget* top = widget->window();
    QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, at));
}

inline void clickGrille(const lodarix::LodarixWindow& window, bool closed)
{
    auto* button = control<QAbstractButton>(window, "Option2", closed ? 0 : 1);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

inline QString statusText(const lodarix::LodarixWindow& window)
{
    return control<QPlainTextEdit>(window, "Text1", 0)->toPlainText();
}

// The colour that covers most of the widget as drawn.
inline QColor dominantColor(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    return test_support::dominantColor(image, image.rect());
}

} // namespace window_test
