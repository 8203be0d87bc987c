// The motion window, "Lodarix - графика на движението": the teacher's time
// controls (pause, step by hand, the step interval), the cabin's floor and
// speed over model time, the table of trips, a clock, and saving the record
// as CSV and the graphs as PNG. It builds and connects; the record, the
// pacer and the graphs do the work. It shows the whole session whenever it
// is opened, and spends nothing while hidden. Closing it lets held steps go
// on, since the controls that hold them close with it.
#pragma once

#include "core/motion/speed.h"
#include "desktop/motion_window/time_controls.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

class QLabel;
class QTableView;

namespace lodarix {

class MotionRecording;
class PositionGraph;
class SpeedGraph;
class StepPacer;
class TripTableModel;

class MotionWindow : public QWidget {
    Q_OBJECT

public:
    // recording and pacer must outlive the window.
    MotionWindow(MotionRecording& recording, StepPacer& pacer, QWidget* parent = nullptr);

    // The two graphs, one above the other, as they are drawn now.
    QImage graphsImage() const;
    // Write without asking; a failure is told in a message box.
    bool saveCsv(const QString& path);
    // The record as a workbook for a spreadsheet, the speeds at the storey
    // height in force.
    bool saveWorkbook(const QString& path);
    bool saveImage(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void recordChanged();
    void refresh();
    void pausedChanged(bool paused);
    void storeyHeightChanged(double metres);
    void updateDescriptions();
    void updateClockTimer();
    void askAndSaveCsv();
    void askAndSaveWorkbook();
    void askAndSaveImage();

    MotionRecording& recording_;
    StepPacer& pacer_;
    TimeControls time_{};
    QLabel* clock_ = nullptr;
    QLabel* tripClock_ = nullptr;
    PositionGraph* position_ = nullptr;
    SpeedGraph* speed_ = nullptr;
    TripTableModel* trips_ = nullptr;
    QTableView* table_ = nullptr;
    QTimer clockTimer_;
    QString description_;
    // The table and the descriptions show the record as it is; while hidden
    // the window leaves them until it is shown again.
    bool recordSeen_ = false;
};

} // namespace lodarix
