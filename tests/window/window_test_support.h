// Helpers for tests of the real window on the offscreen platform.
#pragma once

#include "window/floor_button.h"
#include "window/lodarix_window.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

namespace window_test {

template <class Control = QWidget>
Control* control(const lodarix::LodarixWindow& window, const char* name, std::optional<int> index = {})
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

// Delivers one period of the step timer through the timer itself, as its
// expiry would, without waiting 800 ms. Does nothing while it is stopped.
inline void timerPeriod(const lodarix::LodarixWindow& window)
{
    QTimer* timer = stepTimer(window);
    if (!timer->isActive())
        return;
    QTimerEvent expiry(timer->timerId());
    QCoreApplication::sendEvent(timer, &expiry);
}

inline void clickFloor(const lodarix::LodarixWindow& window, int index)
{
    QTest::mouseClick(floorButton(window, index), Qt::LeftButton);
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
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb best = 0;
    int bestCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return QColor(best);
}

} // namespace window_test
