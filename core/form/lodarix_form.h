// The program's only window, the form "Lodarix".
#pragma once

#include "core/form/form_description.h"

namespace lodarix {

const FormDescription& lodarixForm();

// The period of the step timer Timer1, in milliseconds: the one source of the
// step interval for every face, the record and the replay's nominal clock.
int stepPeriodMs();

} // namespace lodarix
