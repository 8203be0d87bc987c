// The code window's part in a session of the main window. It answers F4 and
// "Код" in the main window's context menu, and makes the code window when
// first opened. Until then the built-in rules run the form, as without it.
// When the window first opens, between events, the form's code takes over the
// form (program::FormProgram, from the cabin's state as the rules left it);
// the window's observers go on hearing every event. From then on the code
// tells the window each statement it runs (and, while it waits, the next), "Ред по ред" makes it go
// a line at a time, "Следващ ред" carries out the next, and a failure of the code goes to the
// window, which stays, until "Отначало" runs the code again from its load.
// From the take-over on, a statement history (core/trace/statement_history.h)
// keeps the statements the code runs, heard as the events trace hears the
// rules, for the window to go back and forth through; "Отначало" or another
// text starts a fresh one. A step the user chooses is told by its trace row
// (rowChosen), and a trace row shown (showRow) chooses its first step.
//
// The window's text runs when it asks: one that reads becomes the program,
// and the form starts afresh on it (LodarixWindow::startAfresh), the events
// trace told first (startingAfresh) so that a new session begins with its
// load; one that does not read leaves the form on the program it had, the
// window marking where. The session's own clicks and ticks since the last
// load (trace::SessionScript) are what "Сравни" runs through the program and
// the reference, the original or a file the window opened, in the core
// (core/trace/program_comparison.h). Closing the main window asks first
// while the window holds edits not saved.
#pragma once

#include "core/program/form_program.h"
#include "core/trace/event_trace.h"
#include "core/trace/program_comparison.h"
#include "core/trace/session_script.h"
#include "core/trace/statement_history.h"

#include <QObject>

#include <exception>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace lodarix {

class CodeWindow;
class LodarixWindow;
class MainWindowMenu;

class CodeHost : public QObject {
    Q_OBJECT

public:
    // The window and its menu must outlive the host.
    CodeHost(LodarixWindow& window, MainWindowMenu& menu);
    ~CodeHost() override;

    // Shows the code window, made on first use, and brings it to the front.
    void openCodeWindow();
    // Another text in place of the form's code, as the pupil would type it
    // and run it: the window shows it, and the code read from it runs on the
    // form afresh. A reading error goes to the window, and the form keeps
    // the program it had.
    void runSource(std::string_view source);

    // The events trace whose rows the steps are told by; set it before the window first opens.
    void setTrace(const trace::EventTrace* trace);
    // While the window is shown, chooses the first kept statement of the
    // trace's row, or says that the row ran none.
    void showRow(std::size_t row);

    // nullptr until first opened.
    CodeWindow* codeWindow() const { return codeWindow_.get(); }
    // The code that runs the form; nullptr until the window first opened or
    // while the text shown cannot be read.
    const program::FormProgram* formProgram() const { return engine_; }
    // The statements kept since the code took over or ran again; nullptr before.
    const trace::StatementHistory* history() const { return history_.get(); }
    // The session's own clicks and ticks since the last load.
    const trace::SessionScript& sessionScript() const { return script_; }
    // The text of the program the form runs.
    const std::string& source() const { return source_; }

signals:
    // The form is about to start afresh on a program: a new session begins.
    void startingAfresh();
    // The user chose a step in the code window, made by the trace's row.
    void rowChosen(std::size_t row);

private:
    // program_ read from source_; on a reading error, the form runs no code
    // and the window shows the error.
    bool readSource();
    void takeOver();
    // The text runs on the form afresh if it reads; else the window says where not.
    void runText(std::string_view source);
    void startAfresh();
    // The original, unless a teacher's reference was opened.
    std::shared_ptr<const program::Program> reference();
    void showComparison(const trace::Comparison& found);
    void chooseReference(const QString& name, const QString& text);
    // A history from now on, or none, in place of the one kept.
    void keepHistory(bool fresh);
    void restart();
    std::unique_ptr<program::FormProgram> makeEngine(lift::WindowOperations& window);
    void ran(const program::StatementRan& statement);
    void failed(const std::exception& error);
    void setStepwise(bool stepwise);
    // Marks the line that runs next while the code waits, or none.
    void showNext();

    LodarixWindow& window_;
    std::string source_;
    std::shared_ptr<const program::Program> program_;
    program::FormProgram* engine_ = nullptr; // the window's rule runner owns it
    const trace::EventTrace* trace_ = nullptr;
    std::unique_ptr<trace::StatementHistory> history_;
    std::unique_ptr<CodeWindow> codeWindow_;
    int partWayListener_ = 0;
    trace::SessionScript script_;
    // What "Сравни" compares with; the original, read when first needed, until a file is chosen.
    std::shared_ptr<const program::Program> reference_;
};

} // namespace lodarix
