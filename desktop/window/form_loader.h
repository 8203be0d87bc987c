// Builds a described form with Qt Widgets: the top-level widget with its
// caption, fixed client size, background, font and icon, then every control
// through its kind's factory, inside its container, in the stored order (so a
// later control is drawn above an earlier one it overlaps), the tab order of
// the tab indices, and a radio group of the option buttons in each container.
// When the form first shows, the keyboard focus goes to the control with the
// lowest tab index that can take it.
#pragma once

#include "core/form/form_description.h"
#include "desktop/window/control_registry.h"

#include <QWidget>

#include <QPointer>

#include <memory>
#include <vector>

namespace lodarix {

struct LoadedForm {
    std::unique_ptr<QWidget> form;
    ControlRegistry controls;
    std::vector<QPointer<QWidget>> tabOrder; // the controls Tab reaches, by tab index
};

LoadedForm loadForm(const FormDescription& description);

// Gives the focus to the first control in tab order that is enabled and not
// hidden; call before the form first shows. Returns that control, or nullptr.
QWidget* focusFirstControl(const LoadedForm& loaded);

} // namespace lodarix
