#include "web/facts/page_texts_export.h"

#include "core/json/json_object.h"
#include "core/texts/page_texts.h"

#include <string_view>
#include <utility>

namespace lodarix::web {

std::string pageTextsJson()
{
    namespace words = page_texts;
    const std::pair<std::string_view, std::string_view> texts[] = {
#include "page_text_names.inc"
    };
    std::string out;
    {
        json::Object object(out);
        for (const auto& [name, text] : texts)
            object.text(name, text);
    }
    return out;
}

} // namespace lodarix::web
