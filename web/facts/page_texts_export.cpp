#include "web/facts/page_texts_export.h"

#include "core/texts/page_texts.h"
#include "web/facts/named_texts.h"

namespace lodarix::web {

std::string pageTextsJson()
{
    namespace words = page_texts;
    return namedTextsJson({
#include "page_text_names.inc"
    });
}

} // namespace lodarix::web
