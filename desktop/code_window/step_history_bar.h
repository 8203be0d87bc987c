// Back and forth through the statements kept (core/trace/statement_history.h),
// under the code: "Назад", a slider of the steps, "Напред", a step's number
// to go to, "Последна", the chosen step's heading and the variables after it
// (core/trace/step_report.h), and a drawing of the window after it. Which
// step is shown, and when it follows the newest, is core/trace/step_choice.h's.
// A history that grows is drawn once the events of
// the moment are over, and only while the bar is shown.
#pragma once

#include "core/program/syntax.h"
#include "core/trace/statement_history.h"
#include "core/trace/step_choice.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

class QAbstractButton;
class QLabel;
class QSlider;
class QSpinBox;

namespace lodarix {

class WindowSketchView;

class StepHistoryBar : public QWidget {
    Q_OBJECT

public:
    explicit StepHistoryBar(QWidget* parent = nullptr);

    // The history shown and the program it runs, or none; the bar follows the newest.
    void setHistory(const trace::StatementHistory* history,
                    std::shared_ptr<const program::Program> program);
    const trace::StatementHistory* history() const { return history_; }
    const program::Program* program() const { return program_.get(); }
    // The history has kept more statements.
    void historyGrew();
    // Chooses the kept statement, as a row of the events view does; not told as stepChosen.
    void choose(std::size_t statement);
    // The chosen step follows the newest again.
    void follow();
    bool following() const { return choice_.following(); }
    // The kept statement chosen; none while following or with none kept.
    std::optional<std::size_t> chosen() const;
    // A note under the step, until another is chosen.
    void note(const QString& text);
    // Goes to the number typed into the step's field, if it was not yet.
    void takeTypedStep();

    QAbstractButton* backButton() const { return back_; }
    QAbstractButton* forwardButton() const { return forward_; }
    QSlider* slider() const { return slider_; }
    QSpinBox* stepField() const { return stepField_; }
    QAbstractButton* latestButton() const { return latest_; }
    QLabel* stepText() const { return stepText_; }
    QLabel* noteText() const { return note_; }
    WindowSketchView* sketch() const { return sketch_; }

signals:
    // The user chose the kept statement, not by following.
    void stepChosen(std::size_t statement);
    // The chosen step, or following, changed.
    void choiceChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void userChose(std::size_t statement);
    void redraw();
    // The kept statement drawn now: the chosen or the newest.
    std::size_t shownStatement() const;

    const trace::StatementHistory* history_ = nullptr;
    std::shared_ptr<const program::Program> program_;
    trace::StepChoice choice_;
    // The step whose variables and drawing stand, so that growth alone rebuilds nothing.
    std::uint64_t drawnStep_ = 0;
    QString drawnVariables_;
    bool stale_ = false;
    QTimer redrawSoon_;

    QAbstractButton* back_ = nullptr;
    QAbstractButton* forward_ = nullptr;
    QSlider* slider_ = nullptr;
    QSpinBox* stepField_ = nullptr;
    QAbstractButton* latest_ = nullptr;
    QLabel* stepText_ = nullptr;
    QLabel* note_ = nullptr;
    WindowSketchView* sketch_ = nullptr;
};

} // namespace lodarix
