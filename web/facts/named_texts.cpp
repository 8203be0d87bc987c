#include "web/facts/named_texts.h"

#include "core/json/json_object.h"

namespace lodarix::web {

std::string namedTextsJson(std::initializer_list<NamedText> texts)
{
    std::string out;
    {
        json::Object object(out);
        for (const auto& [name, text] : texts)
            object.text(name, text);
    }
    return out;
}

} // namespace lodarix::web
