// The events window's scripts: a labelled box to write a script in, or to
// open one from a file or from the guide's examples; "Изпълни" runs it on a
// model of its own (core/trace/script_run.h), leaving the lesson alone, and
// tells what came of it, a bad line in Bulgarian with its number, which a
// screen reader hears too; the run's JSON Lines, motion CSV and workbook
// are saved as lodarix-replay writes them. Nothing is kept between runs of
// the program.
#pragma once

#include "core/trace/script_run.h"

#include <QWidget>

#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lodarix {

class StatusAnnouncer;

class ScriptPanel : public QWidget {
    Q_OBJECT

public:
    // The announcer must outlive the panel.
    ScriptPanel(StatusAnnouncer& announcer, QWidget* parent = nullptr);

    QPlainTextEdit* scriptBox() const { return box_; }
    // The last run, or nullptr before the first.
    const trace::ScriptRun* lastRun() const { return run_.get(); }
    // What the panel last said of a run or a file.
    QString result() const;
    // The controls in the order of the layout, for the window's tab order.
    QList<QWidget*> tabOrder() const;

    // Runs the box's script now.
    void runScript();
    // The file's text into the box; false, said in the panel, when it cannot be read.
    bool openScript(const QString& path);
    // The last run's files; a failure is told in a message box.
    bool saveJsonLines(const QString& path);
    bool saveCsv(const QString& path);
    bool saveWorkbook(const QString& path);

signals:
    // The last run is about to go, and a new one to take its place.
    void runReplacing();
    void scriptRan();

private:
    void tell(const QString& text);
    void chooseExample(int index);
    void askAndOpen();
    void askAndSave(std::string_view title, std::string_view fileName, std::string_view filter,
                    const QString& suffix, bool (ScriptPanel::*save)(const QString&));

    StatusAnnouncer& announcer_;
    QPlainTextEdit* box_;
    QComboBox* examples_;
    QPushButton* open_;
    QPushButton* runButton_;
    QLabel* result_;
    QPushButton* saveJsonLines_;
    QPushButton* saveCsv_;
    QPushButton* saveWorkbook_;
    std::unique_ptr<trace::ScriptRun> run_;
    std::string ranScript_;
};

} // namespace lodarix
