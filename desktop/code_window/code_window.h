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
class StepHistoryBar;

class CodeWindow : public QWidget {
    Q_OBJECT

public:
    explicit CodeWindow(QWidget* parent = nullptr);

    // Shows source, UTF-8, with nothing lit.
    void setSource(std::string_view source);
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

private:
    void buildControls();
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
    std::string source_;
    int liveLine_ = 0;
    QString liveText_;
    QString summary_;
};

} // namespace lodarix
