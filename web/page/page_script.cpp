#include "web/page/page_script.h"

#include "web/page/typed_arrays.h"

#include <utility>

namespace lodarix::web {

PageScript::PageScript(std::string script)
    : script_(std::move(script))
    , run_(script_)
{
}

std::string PageScript::jsonLines() const
{
    return trace::jsonLines(script_);
}

emscripten::val PageScript::workbook() const
{
    const auto bytes = run_.workbook();
    return bytes ? bytesOf(*bytes) : emscripten::val::null();
}

} // namespace lodarix::web
