// One factory per kind of control: each makes the Qt object that stands for a
// described control, places and styles it, and gives it its initial state.
// Geometry is the description's twips at 15 twips per device-independent pixel.
#pragma once

#include "core/form/form_description.h"

#include <QObject>
#include <QRect>
#include <QWidget>

namespace lodarix {

QRect pixelRect(const TwipsRect& twips);

QWidget* makeFrame(const ControlDescription& control, QWidget* container);
QWidget* makeOptionButton(const ControlDescription& control, QWidget* container);
QWidget* makeListBox(const ControlDescription& control, QWidget* container);
QWidget* makeTextBox(const ControlDescription& control, QWidget* container);
QWidget* makeLabel(const ControlDescription& control, QWidget* container);
QObject* makeTimer(const ControlDescription& control, QWidget* container);

// The factory for the control's kind.
QObject* makeControl(const ControlDescription& control, QWidget* container);

} // namespace lodarix
