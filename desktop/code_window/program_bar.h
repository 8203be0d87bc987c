// The row over the code that makes it the pupil's own program: the toggle
// "Промени" and the buttons "Изпълни" (Ctrl+Enter), "Към оригинала",
// "Сравни", "Сравни по скрипт…", "Образец…", "Отвори…" and "Запази…", and
// under them the line that says which program the form runs and what it is
// compared with (core/program/program_status.h), and what the last
// comparison found. It only shows and tells: the code window acts on it.
#pragma once

#include <QWidget>

class QAbstractButton;
class QLabel;

namespace lodarix {

class ProgramBar : public QWidget {
    Q_OBJECT

public:
    explicit ProgramBar(QWidget* parent = nullptr);

    void setStatus(const QString& status);
    // The last comparison's outcome, or nothing.
    void setFinding(const QString& finding);

    QAbstractButton* editButton() const { return edit_; }
    QAbstractButton* runButton() const { return run_; }
    QAbstractButton* originalButton() const { return original_; }
    QAbstractButton* compareButton() const { return compare_; }
    QAbstractButton* compareScriptButton() const { return compareScript_; }
    QAbstractButton* referenceButton() const { return reference_; }
    QAbstractButton* openButton() const { return open_; }
    QAbstractButton* saveButton() const { return save_; }
    QLabel* status() const { return status_; }
    QLabel* finding() const { return finding_; }
    // The controls in tab order.
    QList<QWidget*> tabOrder() const;

private:
    QAbstractButton* edit_ = nullptr;
    QAbstractButton* run_ = nullptr;
    QAbstractButton* original_ = nullptr;
    QAbstractButton* compare_ = nullptr;
    QAbstractButton* compareScript_ = nullptr;
    QAbstractButton* reference_ = nullptr;
    QAbstractButton* open_ = nullptr;
    QAbstractButton* save_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* finding_ = nullptr;
};

} // namespace lodarix
