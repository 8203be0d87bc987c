#include "web/page/page_history.h"

#include "core/json/json_object.h"
#include "core/texts/code_view_texts.h"
#include "core/texts/number_texts.h"
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
    return chosen_ ? trace::keptStatement(history_, *chosen_) : history_.size() - 1;
}

void PageHistory::choose(double step)
{
    if (history_.size() == 0)
        return;
    const std::uint64_t last = history_.dropped() + history_.size();
    const std::uint64_t chosen = step >= double(last) ? last
        : step >= 1.0                                 ? std::uint64_t(step)
                                                      : 1;
    chosen_ = trace::stepNumber(history_, trace::keptStatement(history_, chosen));
    if (*chosen_ == last)
        follow();
}

void PageHistory::move(int by)
{
    if (history_.size() != 0)
        choose(double(trace::stepNumber(history_, shown())) + by);
}

bool PageHistory::chooseRow(int row)
{
    const auto statements = row < 0 ? std::nullopt : history_.statementsOfRow(std::size_t(row));
    if (!statements)
        return false;
    choose(double(trace::stepNumber(history_, statements->first)));
    return true;
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
