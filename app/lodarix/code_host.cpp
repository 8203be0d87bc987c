#include "app/lodarix/code_host.h"

#include "core/program/form_code.h"
#include "core/program/line_report.h"
#include "core/program/program_error.h"
#include "core/program/reader.h"
#include "desktop/code_window/code_window.h"
#include "desktop/window/lodarix_window.h"
#include "desktop/window/main_window_menu.h"

#include <QAction>

namespace lodarix {

CodeHost::CodeHost(LodarixWindow& window, MainWindowMenu& menu)
    : window_(window)
    , source_(program::formCode())
{
    connect(menu.codeWindowAction(), &QAction::triggered, this, &CodeHost::openCodeWindow);
}

CodeHost::~CodeHost()
{
    if (engine_)
        engine_->setListener({});
    window_.setFormCodeFailureHandler({});
    window_.removePartWayListener(partWayListener_);
    if (history_)
        window_.removeRuleObserver(history_.get());
}

void CodeHost::openCodeWindow()
{
    if (!codeWindow_) {
        codeWindow_ = std::make_unique<CodeWindow>();
        codeWindow_->setWindowIcon(window_.form().windowIcon());
        codeWindow_->setSource(source_);
        connect(codeWindow_.get(), &CodeWindow::stepwiseToggled, this, &CodeHost::setStepwise);
        connect(codeWindow_.get(), &CodeWindow::nextLineRequested, this,
                [this] { window_.advance(); });
        connect(codeWindow_.get(), &CodeWindow::restartRequested, this, &CodeHost::restart);
        connect(codeWindow_.get(), &CodeWindow::stepChosen, this, [this](std::size_t statement) {
            if (const auto row = history_ ? history_->rowOf(statement) : std::nullopt)
                emit rowChosen(*row);
        });
        window_.setFormCodeFailureHandler([this](const std::exception& error) { failed(error); });
        partWayListener_ = window_.addPartWayListener([this](bool) { showNext(); });
        takeOver();
    }
    codeWindow_->show();
    codeWindow_->raise();
    codeWindow_->activateWindow();
}

bool CodeHost::readSource()
{
    try {
        program_ = std::make_shared<const program::Program>(program::read(source_));
        return true;
    } catch (const program::ProgramError& error) {
        // Nothing runs the form until a text that reads is given.
        program_ = std::make_shared<const program::Program>(program::read({}));
        window_.setEngine([this](lift::WindowOperations& operations) {
            auto engine = std::make_unique<program::FormProgram>(program_, operations);
            engine_ = nullptr;
            return engine;
        });
        program_.reset();
        keepHistory(false);
        failed(error);
        return false;
    }
}

void CodeHost::takeOver()
{
    if (!readSource())
        return;
    keepHistory(true);
    window_.setEngine([this](lift::WindowOperations& operations) {
        auto engine = makeEngine(operations);
        engine->takeOver(window_.controller());
        return engine;
    });
}

void CodeHost::runSource(std::string_view source)
{
    source_ = source;
    if (codeWindow_)
        codeWindow_->setSource(source_);
    window_.finishEvent();
    if (readSource())
        restart();
}

void CodeHost::restart()
{
    if (!program_)
        return;
    if (engine_)
        engine_->setStepwise(false); // the held input then runs to its end too
    window_.finishEvent();
    if (codeWindow_)
        codeWindow_->clearRun();
    keepHistory(true);
    window_.restart([this](lift::WindowOperations& operations) { return makeEngine(operations); });
}

std::unique_ptr<program::FormProgram> CodeHost::makeEngine(lift::WindowOperations& window)
{
    auto engine = std::make_unique<program::FormProgram>(
        program_, window, [this](const program::StatementRan& statement) { ran(statement); });
    engine->setStepwise(codeWindow_ && codeWindow_->stepwise());
    engine_ = engine.get();
    if (history_)
        history_->setMachine(&engine->machine());
    return engine;
}

void CodeHost::keepHistory(bool fresh)
{
    std::unique_ptr<trace::StatementHistory> kept = std::move(history_);
    if (fresh) {
        history_ = std::make_unique<trace::StatementHistory>(program_);
        history_->setWindow(&window_.operations());
        history_->setTrace(trace_);
        window_.addRuleObserver(history_.get());
    }
    if (codeWindow_)
        codeWindow_->setHistory(history_.get(), program_);
    if (kept)
        window_.removeRuleObserver(kept.get());
}

void CodeHost::setTrace(const trace::EventTrace* trace)
{
    trace_ = trace;
    if (history_)
        history_->setTrace(trace);
}

void CodeHost::showRow(std::size_t row)
{
    if (!codeWindow_ || !codeWindow_->isVisible() || !history_)
        return;
    if (const auto statements = history_->statementsOfRow(row))
        codeWindow_->chooseStatement(statements->first);
    else
        codeWindow_->sayRowRanNoLines();
}

void CodeHost::ran(const program::StatementRan& statement)
{
    if (history_)
        history_->statementRan(statement);
    if (!codeWindow_)
        return;
    const int line = statement.ran.line;
    codeWindow_->showStatement(
        line, program::ranLineText(line, statement.changes),
        program::lineSummary(source_, line, statement.changes, statement.machine.nextLine()));
    showNext();
}

void CodeHost::showNext()
{
    if (!codeWindow_)
        return;
    const bool waits = engine_ && engine_->stepwise() && engine_->partWay();
    codeWindow_->showNext(waits ? engine_->machine().nextLine() : 0);
}

void CodeHost::failed(const std::exception& error)
{
    if (!codeWindow_)
        return;
    const auto* programError = dynamic_cast<const program::ProgramError*>(&error);
    codeWindow_->showError(programError ? programError->line() : 0,
                           programError ? program::programErrorReport(*programError)
                                        : std::string(error.what()));
}

void CodeHost::setStepwise(bool stepwise)
{
    if (!engine_)
        return;
    engine_->setStepwise(stepwise);
    if (!stepwise)
        window_.finishEvent();
    showNext();
}

} // namespace lodarix
