#include "web/page/page_history.h"

#include "core/json/json_object.h"
#include "core/texts/code_view_texts.h"
#include "core/texts/number_texts.h"
#include "core/trace/step_choice.h"
#include "core/trace/step_report.h"
#include "web/page/trace_rows.h"

#include <algorithm>

namespace lodarix::web {

PageHistory::PageHistory(std::shared_ptr<const program::Program> program,
                         const trace::EventTrace* trace, const lift::WindowOperations& window)
    : program_(program)
    , history_(std::move(program))
{
    history_.setTrace(trace);
    history_.setWindow(&window);
}

std::size_t PageHistory::shown() const
{
    return choice_.shown(history_).value_or(0);
}

void PageHistory::choose(double step)
{
    // A step field that holds no number, or less than 1, chooses the first.
    choice_.chooseStep(history_, step >= 1.0 ? std::uint64_t(std::min(step, 1e18)) : 1);
}

void PageHistory::move(int by)
{
    choice_.move(history_, by);
}

bool PageHistory::chooseRow(int row)
{
    return row >= 0 && choice_.chooseRow(history_, std::size_t(row));
}

std::string PageHistory::json() const
{
    std::string out;
    {
        json::Object object(out);
        object.decimal("count", double(history_.size()));
        if (history_.size() != 0)
            writeShown(object);
    }
    return out;
}

void PageHistory::writeShown(json::Object& object) const
{
    const std::size_t statement = shown();
    const trace::Moment moment = history_.momentAfter(statement);
    const std::uint64_t step = trace::stepNumber(history_, statement);
    const std::optional<std::size_t> row = history_.rowOf(statement);
    object.decimal("first", double(history_.dropped() + 1));
    object.decimal("last", double(history_.dropped() + history_.size()));
    object.decimal("step", double(step));
    object.boolean("following", following());
    object.number("line", moment.ran.line);
    object.decimal("row", row ? double(*row) : -1.0);
    object.text("heading", trace::stepHeading(*program_, history_, statement));
    object.text("variables", trace::variablesAfter(*program_, moment));
    object.text("dropped",
                history_.dropped() == 0 ? std::string()
                                        : texts::fill(code_texts::StepsDropped,
                                                      {std::to_string(history_.dropped() + 1)}));
    object.key("sketch") +=
        sketchJson(trace::stepSketch(*program_, moment),
                   texts::fill(code_texts::SketchAfterStep, {std::to_string(step)}));
}

std::string PageHistory::summary(std::string_view source) const
{
    const std::size_t statement = shown();
    return trace::stepSummary(source, *program_, history_, statement,
                              history_.momentAfter(statement));
}

} // namespace lodarix::web
