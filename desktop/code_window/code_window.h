// The code window, "Код": the form's code (code_editor.h) with the line that
// ran lit and, under it, what that line changed; the steps kept, to go back
// and forth through (step_history_bar.h); the report of an error that
// stopped the program, with its line lit; and the buttons "Ред по ред",
// "Следващ ред" (F10), "Отначало" and "Прочети реда" (Enter). It only shows
// and asks: what runs the code hears its buttons through the signals and
// tells it each statement. While a past step is chosen, its line is lit and
// told instead of the newest; running a line follows the newest again. A
// screen reader hears the current line or step on demand, never a line as
// it runs.
//
// Over the code, the program bar (program_bar.h) makes the code the pupil's
// own: "Промени" makes it editable, and the window keeps the edited text, the
// file it was last opened from or saved to, and the reference's name. It
// asks for files and reads and writes them (program_files.h), asks before
// edits not saved would be lost, and asks what runs the code to run a text
// or compare; the lit line and the steps stay the running program's.
#pragma once

#include "core/program/syntax.h"
#include "core/trace/statement_history.h"
#include "desktop/window/status_announcer.h"

#include <QWidget>

#include <memory>
#include <string>
#include <string_view>

class QAbstractButton;
class QLabel;

namespace lodarix {

class CodeEditor;
class ProgramBar;
class StepHistoryBar;

class CodeWindow : public QWidget {
    Q_OBJECT

public:
    explicit CodeWindow(QWidget* parent = nullptr);

    // The program the form runs from now on, UTF-8, with nothing lit; the
    // editor shows it, its undo history kept where it shows it already.
    void setSource(std::string_view source);
    // The text put in the editor, as the pupil would type it; not run.
    void setEditedText(std::string_view text);
    QString editedText() const;
    // The edited text did not read: the report (program::programErrorReport)
    // told, its line and column marked; the form keeps the program it runs.
    void showReadingError(int line, int column, std::string_view report);
    // What a comparison found, and the running program's line where it
    // parts lit (0 for none).
    void showComparison(std::string_view finding, int line);
    // What "Сравни" compares with from now on: the file's name, or empty for the original.
    void setReferenceName(const QString& name);
    // Edits not saved: whether the user lets them go when asked question.
    bool mayDiscardEdits(std::string_view question);
    // The editor's text is not the one last opened, saved or brought back.
    bool unsaved() const;
    // A statement ran at line: the line lit, and ranText (program::ranLineText) under
    // the code; summary (program::lineSummary) is what a screen reader hears of it.
    void showStatement(int line, std::string_view ranText, std::string_view summary);
    // The line that runs next while the code waits for "Следващ ред"; 0 for none.
    void showNext(int line);
    // An error stopped the program: its report, its line lit (0 for none).
    void showError(int line, std::string_view report);
    // The program runs again from its load: no line lit, no error.
    void clearRun();
    // The current line and what it changed, or the error, read out by a screen reader.
    void readCurrentLine();

    // The statements kept since the code took over, and the program they are
    // of, or none; the chosen step follows the newest.
    void setHistory(const trace::StatementHistory* history,
                    std::shared_ptr<const program::Program> program);
    // Chooses the kept statement, as a row of the events view asks.
    void chooseStatement(std::size_t statement);
    // A row of the events view was chosen whose event ran no kept statement.
    void sayRowRanNoLines();

    bool stepwise() const;

    CodeEditor* editor() const { return editor_; }
    QLabel* ranLine() const { return ranLine_; }
    QLabel* errorReport() const { return errorReport_; }
    QAbstractButton* stepwiseButton() const { return stepwise_; }
    QAbstractButton* nextLineButton() const { return nextLine_; }
    QAbstractButton* restartButton() const { return restart_; }
    StepHistoryBar* steps() const { return steps_; }
    ProgramBar* programBar() const { return programBar_; }
    const StatusAnnouncer& announcer() const { return announcer_; }

protected:
    // Hidden, the window leaves line by line, so that no procedure waits
    // unseen for a line it cannot be given.
    void hideEvent(QHideEvent* event) override;

signals:
    // After a statement's line was lit.
    void statementShown(int line);
    void stepwiseToggled(bool stepwise);
    void nextLineRequested();
    void restartRequested();
    // The user chose the kept statement, not by following the newest.
    void stepChosen(std::size_t statement);
    // The text to run on the form afresh.
    void runRequested(const QString& source);
    // Compare the running program with the reference on the session's own clicks and ticks.
    void compareRequested();
    // The same on a script's text.
    void compareScriptRequested(const QString& script);
    // A file to compare with from now on, its name and text.
    void referenceChosen(const QString& name, const QString& text);

private:
    void buildControls();
    void buildProgramBar();
    void backToOriginal();
    void openProgram();
    void saveProgram();
    void openReference();
    void compareByScript();
    void showStatus();
    void tell(const QString& message);
    // Lights and tells the chosen step's line, or the newest while following.
    void showChoice();

    StatusAnnouncer announcer_;
    CodeEditor* editor_ = nullptr;
    QLabel* ranLine_ = nullptr;
    QLabel* errorReport_ = nullptr;
    QAbstractButton* stepwise_ = nullptr;
    QAbstractButton* nextLine_ = nullptr;
    QAbstractButton* restart_ = nullptr;
    StepHistoryBar* steps_ = nullptr;
    ProgramBar* programBar_ = nullptr;
    std::string source_;
    QString savedText_; // last opened, saved or brought back
    QString fileName_;  // of the file last opened or saved; empty for none
    std::string fileText_;
    QString referenceName_;
    int liveLine_ = 0;
    QString liveText_;
    QString summary_;
};

} // namespace lodarix
