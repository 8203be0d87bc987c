#include "web/facts/help_export.h"

#include "core/form/help.h"
#include "core/form/key_table.h"
#include "core/json/json_object.h"
#include "core/texts/page_screen_texts.h"
#include "web/facts/named_texts.h"

#include <string_view>
#include <vector>

namespace lodarix::web {

namespace {

constexpr bool pageKeysHaveNoShift()
{
    for (const form::KeyRow& row : form::KeyTable) {
        for (const form::Key& key : row.keys) {
            if (form::has(row.faces, form::Face::Page) && key.bound && key.shift)
                return false;
        }
    }
    return true;
}
static_assert(pageKeysHaveNoShift(), "the page binds its keys by name alone");

} // namespace

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

std::string pageKeysJson()
{
    std::string out;
    {
        json::Object object(out);
        for (const form::KeyRow& row : form::KeyTable) {
            if (!form::has(row.faces, form::Face::Page))
                continue;
            std::vector<std::string_view> names;
            for (const form::Key& key : row.keys) {
                if (key.bound)
                    names.push_back(key.name);
            }
            if (names.empty())
                continue;
            json::Array keys(object.key(row.id));
            for (const std::string_view name : names)
                keys.text(name);
        }
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
