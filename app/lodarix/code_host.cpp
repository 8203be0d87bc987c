#include "app/lodarix/code_host.h"

#include "core/program/form_code.h"
#include "core/program/line_report.h"
#include "core/program/program_error.h"
#include "core/program/reader.h"
#include "core/texts/editing_texts.h"
#include "core/texts/number_texts.h"
#include "core/trace/program_comparison.h"
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
    window_.addRuleObserver(&script_);
    window_.setCloseGuard([this] {
        return !codeWindow_ || codeWindow_->mayDiscardEdits(editing_texts::UnsavedClose);
    });
}

CodeHost::~CodeHost()
{
    if (engine_)
        engine_->setListener({});
    window_.setFormCodeFailureHandler({});
    window_.removePartWayListener(partWayListener_);
    window_.setCloseGuard({});
    window_.removeRuleObserver(&script_);
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
        connect(codeWindow_.get(), &CodeWindow::runRequested, this,
                [this](const QString& source) { runText(source.toStdString()); });
        connect(codeWindow_.get(), &CodeWindow::compareRequested, this, [this] {
            if (program_)
                showComparison(trace::compareOnCommands(program_, reference(), script_.commands()));
        });
        connect(codeWindow_.get(), &CodeWindow::compareScriptRequested, this,
                [this](const QString& script) {
                    if (program_)
                        showComparison(
                            trace::compareOnScript(program_, reference(), script.toStdString()));
                });
        connect(codeWindow_.get(), &CodeWindow::referenceChosen, this, &CodeHost::chooseReference);
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
    if (codeWindow_)
        codeWindow_->setEditedText(source);
    runText(source);
}

void CodeHost::runText(std::string_view source)
{
    std::shared_ptr<const program::Program> read;
    try {
        read = std::make_shared<const program::Program>(program::read(source));
    } catch (const program::ProgramError& error) {
        if (codeWindow_)
            codeWindow_->showReadingError(error.line(), error.column(),
                                          program::programErrorReport(error));
        return;
    }
    source_ = source;
    program_ = std::move(read);
    if (!codeWindow_)
        return; // it takes over when the window first opens
    codeWindow_->setSource(source_);
    startAfresh();
}

void CodeHost::startAfresh()
{
    if (engine_)
        engine_->setStepwise(false); // the held input then runs to its end too
    window_.finishEvent();
    codeWindow_->clearRun();
    emit startingAfresh();
    keepHistory(true);
    window_.startAfresh(
        [this](lift::WindowOperations& operations) { return makeEngine(operations); });
}

std::shared_ptr<const program::Program> CodeHost::reference()
{
    if (!reference_)
        reference_ = std::make_shared<const program::Program>(program::read(program::formCode()));
    return reference_;
}

void CodeHost::showComparison(const trace::Comparison& found)
{
    if (codeWindow_)
        codeWindow_->showComparison(found.text, found.line);
}

void CodeHost::chooseReference(const QString& name, const QString& text)
{
    try {
        reference_ = std::make_shared<const program::Program>(program::read(text.toStdString()));
    } catch (const program::ProgramError& error) {
        codeWindow_->showComparison(
            texts::fill(editing_texts::CannotOpen,
                        {name.toStdString(), program::programErrorReport(error)}),
            0);
        return;
    }
    codeWindow_->setReferenceName(name);
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
