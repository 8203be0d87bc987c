#include "web/facts/events_view_export.h"

#include "core/json/json_object.h"
#include "core/texts/events_view_texts.h"
#include "core/trace/example_scripts.h"
#include "core/trace/sketch_style.h"
#include "core/trace/trace_texts.h"
#include "web/facts/named_texts.h"

#include <string_view>

namespace lodarix::web {

namespace {

namespace words = events_texts;

} // namespace

std::string eventsTextsJson()
{
    return namedTextsJson({
#include "events_text_names.inc"
    });
}

std::string eventsFactsJson()
{
    std::string out;
    {
        json::Object facts(out);
        {
            json::Object columns(facts.key("columns"));
            {
                json::Array headings(columns.key("headings"));
                for (const std::string_view heading : trace::traceColumnHeadings())
                    headings.text(heading);
            }
            json::Array numbers(columns.key("numbers"));
            numbers.number(trace::NumberColumn);
            numbers.number(trace::TimeColumn);
        }
        {
            namespace style = trace::sketch_style;
            json::Object sketch(facts.key("sketch"));
            sketch.number("fontPx", style::FontPx);
            sketch.decimal("textLineHeight", style::TextLineHeight);
            sketch.number("textPadding", style::TextPadding);
            sketch.decimal("edgeWidth", style::EdgeWidth);
            sketch.decimal("bevelWidth", style::BevelWidth);
            sketch.decimal("bevelInset", style::BevelInset);
            sketch.decimal("markWidth", style::MarkWidth);
            sketch.decimal("markShare", style::MarkShare);
            sketch.decimal("markLeft", style::MarkLeft);
            sketch.decimal("markGap", style::MarkGap);
            sketch.text("ink", lift::hexRgb(style::Ink));
            sketch.text("markFill", lift::hexRgb(style::MarkFill));
        }
        json::Array examples(facts.key("examples"));
        for (const trace::ExampleScript& example : trace::exampleScripts()) {
            json::Object one(examples.next());
            one.text("name", example.name);
            one.text("fileName", example.fileName);
            one.text("text", example.text);
        }
    }
    return out;
}

} // namespace lodarix::web
