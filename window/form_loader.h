// Builds a described form with Qt Widgets: the top-level widget with its
// caption, fixed client size, background, font and icon, then every control
// through its kind's factory, inside its container, in the stored order (so a
// later control is drawn above an earlier one it overlaps), the tab order of
// the tab indices, and a radio group of the option buttons in each container.
#pragma once

#include "window/control_registry.h"
#include "window/description/form_description.h"

#include <QWidget>

#include <memory>

namespace lodarix {

struct LoadedForm {
    std::unique_ptr<QWidget> form;
    ControlRegistry controls;
};

LoadedForm loadForm(const FormDescription& description);

} // namespace lodarix
