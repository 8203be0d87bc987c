#include "web/page/page_editing.h"

#include "core/json/json_object.h"
#include "core/program/form_code.h"
#include "core/program/indent.h"
#include "core/program/program_file.h"
#include "core/program/program_status.h"
#include "web/page/page_code.h"

#include <variant>

namespace lodarix::web {

std::string originalCode()
{
    return std::string(program::formCode());
}

std::string programFileJson(const std::string& bytes)
{
    const auto read = program::programText(bytes);
    std::string out;
    {
        json::Object object(out);
        if (const auto* text = std::get_if<std::string>(&read))
            object.text("text", *text);
        else
            object.text("reason", std::get<program::NotAProgram>(read).reason);
    }
    return out;
}

std::string highlightedLinesJson(const std::string& text)
{
    return codeLinesJson(text);
}

std::string indented(const std::string& lines, bool outwards)
{
    return program::indentLines(lines, outwards);
}

std::string runningName(const std::string& running, const std::string& fileName,
                        const std::string& fileText)
{
    return program::runningName(running, fileName, fileText);
}

std::string programStatus(const std::string& runningName, const std::string& referenceName)
{
    return program::programStatus(runningName, referenceName);
}

} // namespace lodarix::web
