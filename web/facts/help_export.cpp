#include "web/facts/help_export.h"

#include "core/form/help.h"
#include "core/json/json_object.h"
#include "core/texts/page_screen_texts.h"
#include "web/facts/named_texts.h"

namespace lodarix::web {

std::string helpJson()
{
    const form::Help help = form::help(form::Face::Page);
    std::string out;
    {
        json::Object object(out);
        object.text("title", help.title);
        object.text("coloursHeading", help.coloursHeading);
        {
            json::Array colours(object.key("colours"));
            for (const form::HelpColour& colour : help.colours) {
                json::Object entry(colours.next());
                entry.text("color", lift::toHexRgb(colour.color));
                entry.text("name", colour.name);
                entry.text("meaning", colour.meaning);
            }
        }
        object.text("grilleRule", help.grilleRule);
        object.text("keysHeading", help.keysHeading);
        {
            json::Array keys(object.key("keys"));
            for (const form::HelpKey& key : help.keys) {
                json::Object entry(keys.next());
                entry.text("keys", key.keys);
                entry.text("does", key.does);
            }
        }
        object.text("close", help.close);
    }
    return out;
}

std::string screenTextsJson()
{
    namespace words = page_screen_texts;
    return namedTextsJson({
#include "screen_text_names.inc"
    });
}

} // namespace lodarix::web
