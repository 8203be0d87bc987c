// The loaded form's controls put back as their description has them: the
// floor buttons' colours, the option buttons' selection (none where the
// description selects none), the text boxes' texts, the controls' visibility
// and the timer's switch, as if the window had just been built. The timer's
// period stays as it is: the teacher's pacer holds it.
#pragma once

#include "core/form/form_description.h"
#include "desktop/window/control_registry.h"

namespace lodarix {

void restoreDescribed(const FormDescription& description, const ControlRegistry& controls);

} // namespace lodarix
