#include "web/page/page_window.h"

#include "core/json/json_object.h"
#include "core/lift/guarded_event.h"
#include "core/lift/run_time_error_report.h"
#include "core/program/form_code.h"
#include "core/program/program_error.h"
#include "core/program/reader.h"
#include "core/texts/editing_texts.h"
#include "core/texts/main_window_texts.h"
#include "core/texts/number_texts.h"
#include "core/trace/program_comparison.h"

#include <exception>
#include <string>

namespace lodarix::web {

PageWindow::PageWindow(emscripten::val controls)
    : controls_(controls)
    , operations_(controls)
    , rules_(operations_)
    , failed_([this](const std::exception& error) { failed(error); })
{
}

bool PageWindow::load()
{
    return handleEvent([this] { rules_.load(); });
}

bool PageWindow::pick(int floor)
{
    return handleEvent([this, floor] { rules_.pick(static_cast<lift::FloorIndex>(floor)); });
}

bool PageWindow::step()
{
    return handleEvent([this] { rules_.step(); });
}

bool PageWindow::grilleClicked()
{
    return handleEvent([this] { rules_.grilleClicked(); });
}

void PageWindow::observe(PageMotion* motion)
{
    rules_.setObserver(motion ? &motion->recorder() : nullptr);
    rules_.addObserver(&session_);
}

void PageWindow::watch(PageTrace* trace)
{
    if (!trace)
        return;
    trace_ = &trace->trace();
    rules_.addObserver(&trace->trace());
}

void PageWindow::runFormCode()
{
    if (program_)
        return;
    source_ = program::formCode();
    program_ = std::make_shared<const program::Program>(program::read(source_));
    install(true);
}

void PageWindow::runProgram(const std::string& source)
{
    source_ = source;
    try {
        program_ = std::make_shared<const program::Program>(program::read(source_));
    } catch (const program::ProgramError& error) {
        program_ = std::make_shared<const program::Program>();
        install(true);
        controls_.call<void>("formCodeFailed", program::programErrorReport(error), error.line());
        return;
    }
    install(true);
}

bool PageWindow::restartProgram()
{
    if (!program_ || rules_.partWay())
        return true;
    install(false);
    return load();
}

std::string PageWindow::readProgram(const std::string& source)
{
    try {
        read_ = std::make_shared<const program::Program>(program::read(source));
    } catch (const program::ProgramError& error) {
        std::string out;
        {
            json::Object report(out);
            report.text("report",
                        texts::fill(editing_texts::NotRun, {program::programErrorReport(error)}));
            report.number("line", error.line());
            report.number("column", error.column());
        }
        return out;
    }
    readSource_ = source;
    return {};
}

bool PageWindow::startProgram()
{
    if (read_) {
        source_ = std::move(readSource_);
        program_ = std::move(read_);
        readSource_.clear();
        read_.reset();
    }
    if (!program_)
        return true;
    install(false);
    return load();
}

std::string PageWindow::setReference(const std::string& source)
{
    if (source.empty()) {
        reference_.reset();
        return {};
    }
    try {
        reference_ = std::make_shared<const program::Program>(program::read(source));
    } catch (const program::ProgramError& error) {
        return program::programErrorReport(error);
    }
    return {};
}

namespace {

std::string comparisonJson(const trace::Comparison& comparison)
{
    std::string out;
    {
        json::Object object(out);
        object.text("text", comparison.text);
        object.number("line", comparison.line);
        object.boolean("badScript", comparison.badScript);
    }
    return out;
}

std::shared_ptr<const program::Program> original()
{
    static const auto read =
        std::make_shared<const program::Program>(program::read(program::formCode()));
    return read;
}

} // namespace

std::string PageWindow::compareSession() const
{
    return comparisonJson(trace::compareOnCommands(program_ ? program_ : original(),
                                                   reference_ ? reference_ : original(),
                                                   session_.commands()));
}

std::string PageWindow::compareScript(const std::string& script) const
{
    return comparisonJson(trace::compareOnScript(program_ ? program_ : original(),
                                                 reference_ ? reference_ : original(), script));
}

void PageWindow::install(bool takingOver)
{
    if (history_)
        rules_.removeObserver(&history_->statements());
    history_ = std::make_unique<PageHistory>(program_, trace_, operations_);
    rules_.addObserver(&history_->statements());
    rules_.setEngine([this, takingOver](lift::WindowOperations& window) {
        auto engine = std::make_unique<program::FormProgram>(
            program_, window, [this](const program::StatementRan& ran) {
                ran_.heard(ran);
                history_->statements().statementRan(ran);
            });
        history_->statements().setMachine(&engine->machine());
        if (takingOver)
            engine->takeOver(rules_.controller());
        engine->setStepwise(stepwise_);
        engine_ = engine.get();
        return engine;
    });
    ran_.clear();
}

void PageWindow::setStepwise(bool stepwise)
{
    stepwise_ = stepwise;
    if (history_)
        history_->follow();
    if (engine_)
        engine_->setStepwise(stepwise);
}

bool PageWindow::advance()
{
    if (history_)
        history_->follow();
    return handleEvent([this] { rules_.advance(); });
}

bool PageWindow::finishProcedure()
{
    return handleEvent([this] {
        while (rules_.partWay())
            rules_.advance();
    });
}

std::string PageWindow::codeLinesJson() const
{
    return web::codeLinesJson(source_);
}

int PageWindow::nextLine() const
{
    return engine_ && rules_.partWay() ? engine_->machine().nextLine() : 0;
}

std::string PageWindow::takeRanJson()
{
    return ran_.take(nextLine());
}

std::string PageWindow::lineSummary() const
{
    if (history_ && !history_->following())
        return history_->summary(source_);
    return ran_.summary(source_, nextLine());
}

std::string PageWindow::historyJson() const
{
    return history_ ? history_->json() : R"({"count":0})";
}

void PageWindow::chooseStep(double step)
{
    if (history_)
        history_->choose(step);
}

void PageWindow::moveStep(int by)
{
    if (history_)
        history_->move(by);
}

bool PageWindow::chooseRow(int row)
{
    return history_ && history_->chooseRow(row);
}

template <class Rule> bool PageWindow::handleEvent(Rule rule)
{
    codeFailed_ = false;
    return lift::runGuarded(operations_, rule, failed_) || codeFailed_;
}

void PageWindow::failed(const std::exception& error)
{
    if (!dynamic_cast<const lift::FormCodeFailure*>(&error)) {
        controls_.call<void>("runTimeError", lift::runTimeErrorReport(error, texts::PageStops));
        return;
    }
    codeFailed_ = true;
    const auto* failure = dynamic_cast<const program::ProgramError*>(&error);
    controls_.call<void>("formCodeFailed",
                         failure ? program::programErrorReport(*failure) : error.what(),
                         failure ? failure->line() : 0);
}

} // namespace lodarix::web
