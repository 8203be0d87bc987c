#include "web/facts/code_view_export.h"

#include "core/json/json_object.h"
#include "core/program/code_style.h"
#include "core/program/program_file.h"
#include "core/texts/code_view_texts.h"
#include "core/texts/editing_texts.h"
#include "core/texts/program_texts.h"
#include "web/facts/form_export.h"
#include "web/facts/named_texts.h"

namespace lodarix::web {

std::string codeTextsJson()
{
    namespace words = code_texts;
    return namedTextsJson({
#include "code_text_names.inc"
        {"FormCodeName", texts::FormCodeName},
    });
}

std::string editingTextsJson()
{
    namespace words = editing_texts;
    return namedTextsJson({
#include "editing_text_names.inc"
    });
}

std::string codeFactsJson()
{
    namespace style = program::code_style;
    std::string out;
    {
        json::Object facts(out);
        {
            json::Object colors(facts.key("colors"));
            colors.text("plain", lift::hexRgb(style::Plain));
            colors.text("ground", lift::hexRgb(style::Ground));
            colors.text("keyword", lift::hexRgb(style::colorOf(program::Highlight::Keyword)));
            colors.text("name", lift::hexRgb(style::colorOf(program::Highlight::Name)));
            colors.text("literal", lift::hexRgb(style::colorOf(program::Highlight::Literal)));
            colors.text("comment", lift::hexRgb(style::colorOf(program::Highlight::Comment)));
            colors.text("ranLine", lift::hexRgb(style::RanLine));
            colors.text("errorLine", lift::hexRgb(style::ErrorLine));
            colors.text("marginGround", lift::hexRgb(style::MarginGround));
            colors.text("marginNumber", lift::hexRgb(style::MarginNumber));
        }
        facts.number("maxFileBytes", static_cast<int>(program::MaxFileBytes));
        facts.key("storedStates") += storedStatesJson();
    }
    return out;
}

} // namespace lodarix::web
