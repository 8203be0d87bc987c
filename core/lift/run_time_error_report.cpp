#include "core/lift/run_time_error_report.h"

#include "core/lift/run_time_error.h"
#include "core/texts/main_window_texts.h"
#include "core/texts/number_texts.h"

namespace lodarix::lift {

std::string runTimeErrorReport(const std::exception& error, std::string_view closing)
{
    std::string text(texts::ErrorHeading);
    if (const auto* runTime = dynamic_cast<const RunTimeError*>(&error)) {
        text += texts::fill(texts::ErrorControl, {runTime->control()});
        if (runTime->index())
            text += texts::fill(texts::ErrorIndex, {std::to_string(*runTime->index())});
        text += texts::fill(texts::ErrorOperation, {runTime->operation()});
    }
    text += texts::fill(texts::ErrorReason, {error.what()});
    text += closing;
    return text;
}

} // namespace lodarix::lift
