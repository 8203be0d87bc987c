// The program's only window, the form "Lodarix".
#pragma once

#include "core/form/form_description.h"

namespace lodarix {

const FormDescription& lodarixForm();

} // namespace lodarix
