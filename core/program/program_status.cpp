#include "core/program/program_status.h"

#include "core/program/form_code.h"
#include "core/texts/editing_texts.h"
#include "core/texts/number_texts.h"

namespace lodarix::program {

namespace words = editing_texts;

std::string runningName(std::string_view running, std::string_view fileName,
                        std::string_view fileText)
{
    if (running == formCode())
        return std::string(words::OriginalName);
    if (!fileName.empty() && running == fileText)
        return std::string(fileName);
    return std::string(words::OwnProgramName);
}

std::string programStatus(std::string_view runningName, std::string_view referenceName)
{
    return texts::fill(words::RunsProgram, {runningName}) + ' '
        + texts::fill(words::ComparesWith,
                      {referenceName.empty() ? words::OriginalName : referenceName});
}

} // namespace lodarix::program
