// The events window, "Lodarix - събития": the program's events and its
// variables as they run. A table of the trace, the lesson's (live) or the
// last script's, chosen by a switch, "Урок" or "Скрипт"; beside it a small
// drawing of the window after the selected row, or after the newest when
// none is selected; below, the scripts (script_panel.h). It builds and
// connects; the core's trace and texts do the work. The newest row stays in
// view unless the user has scrolled away from it; while the window is
// hidden it leaves the table until it is shown again. Enter on the table or
// "Прочети реда" has a screen reader read the current row; rows added
// during a trip are not read out. A row of the lesson the user makes
// current is told as rowChosen; one selected by selectRow is not.
#pragma once

#include "core/trace/event_trace.h"
#include "desktop/window/status_announcer.h"

#include <QWidget>

class QButtonGroup;
class QModelIndex;

namespace lodarix {

class ScriptPanel;
class TraceTableModel;
class TraceTableView;
class WindowSketchView;

class EventsWindow : public QWidget {
    Q_OBJECT

public:
    // The lesson's trace must outlive the window.
    explicit EventsWindow(const trace::EventTrace& lesson, QWidget* parent = nullptr);
    ~EventsWindow() override;

    enum class Shown { Lesson, Script };
    void showTrace(Shown which);
    Shown shownTrace() const { return shown_; }

    // The lesson's trace has rows it has not shown.
    void lessonChanged();
    // The current row, read out by a screen reader.
    void readCurrentRow();
    // Makes the lesson's row current and scrolls to it, while the lesson is shown.
    void selectRow(std::size_t row);

    TraceTableView* table() const { return table_; }
    TraceTableModel* model() const { return model_; }
    WindowSketchView* sketch() const { return sketch_; }
    ScriptPanel* scripts() const { return scripts_; }
    const StatusAnnouncer& announcer() const { return announcer_; }

signals:
    // The user made the lesson's row current.
    void rowChosen(std::size_t row);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void takeInRows();
    void drawCurrentRow();
    void currentRowChanged(const QModelIndex& current);
    const trace::EventTrace* traceOf(Shown which) const;

    const trace::EventTrace& lesson_;
    StatusAnnouncer announcer_;
    Shown shown_ = Shown::Lesson;
    bool lessonSeen_ = false;
    bool selecting_ = false;
    // "Урок" and "Скрипт", each by the trace it shows as its id.
    QButtonGroup* traceChoice_ = nullptr;
    TraceTableModel* model_ = nullptr;
    TraceTableView* table_ = nullptr;
    WindowSketchView* sketch_ = nullptr;
    ScriptPanel* scripts_ = nullptr;
};

} // namespace lodarix
