#include "desktop/motion_window/motion_window.h"

#include "core/motion/record_texts.h"
#include "core/motion/teacher_controls.h"
#include "core/texts/motion_window_texts.h"
#include "desktop/motion_window/motion_recording.h"
#include "desktop/motion_window/position_graph.h"
#include "desktop/motion_window/speed_graph.h"
#include "desktop/motion_window/step_pacer.h"
#include "desktop/motion_window/time_controls.h"
#include "desktop/motion_window/trip_table_model.h"
#include "desktop/motion_window/trip_table_view.h"
#include "desktop/window/keyboard_context_menu.h"
#include "desktop/window/qt_text.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>

namespace lodarix {

namespace {

QPushButton* saveButton(std::string_view text, std::string_view tip, const QString& name,
                        QWidget* parent)
{
    auto* button = new QPushButton(toQString(text), parent);
    button->setObjectName(name);
    button->setToolTip(toQString(tip));
    return button;
}

// Numbers in the spin boxes with a decimal comma, whatever the default locale.
QLocale bulgarianNumbers()
{
    QLocale locale(QLocale::Bulgarian, QLocale::Bulgaria);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

MotionWindow::MotionWindow(MotionRecording& recording, StepPacer& pacer, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , recording_(recording)
    , pacer_(pacer)
{
    setObjectName(QStringLiteral("MotionWindow"));
    setWindowTitle(toQString(motion_texts::WindowTitle));
    setAttribute(Qt::WA_QuitOnClose, false);
    setLocale(bulgarianNumbers());
    buildControls();
    resize(1180, 760);

    clockTimer_.setInterval(motion::ViewUpdateMs);
    connect(&clockTimer_, &QTimer::timeout, this, &MotionWindow::refresh);
    connect(&recording_, &MotionRecording::changed, this, &MotionWindow::recordChanged);
    connect(&pacer_, &StepPacer::pausedChanged, this, &MotionWindow::pausedChanged);
    connect(&pacer_, &StepPacer::canStepChanged, time_.step, &QAction::setEnabled);
    connect(&pacer_, &StepPacer::intervalChanged, time_.interval, [this](int intervalMs) {
        const QSignalBlocker quiet(time_.interval);
        time_.interval->setValue(intervalMs);
    });
    openContextMenusWithShiftF10(*this);
    pausedChanged(pacer_.paused());
}

void MotionWindow::buildControls()
{
    time_ = buildTimeControls(*this, pacer_.intervalMs());
    connect(time_.pause, &QAction::triggered, &pacer_, &StepPacer::togglePaused);
    connect(time_.step, &QAction::triggered, &pacer_, &StepPacer::step);
    connect(time_.interval, &QSpinBox::valueChanged, &pacer_, &StepPacer::setIntervalMs);
    connect(time_.storeyHeight, &QDoubleSpinBox::valueChanged, &pacer_,
            &StepPacer::setStoreyHeight);
    connect(&pacer_, &StepPacer::storeyHeightChanged, this, &MotionWindow::storeyHeightChanged);
    connect(time_.wholeSession, &QCheckBox::toggled, this, &MotionWindow::refresh);

    clock_ = new QLabel(this);
    clock_->setObjectName(QStringLiteral("clock"));
    tripClock_ = new QLabel(this);
    tripClock_->setObjectName(QStringLiteral("tripClock"));
    auto* clocks = new QHBoxLayout;
    clocks->addWidget(clock_);
    clocks->addSpacing(48);
    clocks->addWidget(tripClock_);
    clocks->addStretch();

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    auto* graphs = new QWidget(splitter);
    position_ = new PositionGraph(recording_.recorder(), graphs);
    position_->setObjectName(QStringLiteral("positionGraph"));
    speed_ = new SpeedGraph(recording_.recorder(), graphs);
    speed_->setObjectName(QStringLiteral("speedGraph"));
    auto* graphColumn = new QVBoxLayout(graphs);
    graphColumn->setContentsMargins(0, 0, 0, 0);
    graphColumn->setSpacing(0);
    graphColumn->addWidget(position_, 3);
    graphColumn->addWidget(speed_, 2);
    trips_ = new TripTableModel(recording_.recorder(), this);
    table_ = makeTripTable(*trips_, splitter);
    splitter->addWidget(graphs);
    splitter->addWidget(table_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({4 * table_->minimumWidth(), table_->minimumWidth()});

    auto* saveWorkbook = saveButton(motion_texts::SaveWorkbook, motion_texts::SaveWorkbookTip,
                                    QStringLiteral("saveWorkbookButton"), this);
    connect(saveWorkbook, &QPushButton::clicked, this, &MotionWindow::askAndSaveWorkbook);
    auto* saveCsv = saveButton(motion_texts::SaveCsv, motion_texts::SaveCsvTip,
                               QStringLiteral("saveCsvButton"), this);
    connect(saveCsv, &QPushButton::clicked, this, &MotionWindow::askAndSaveCsv);
    auto* saveImage = saveButton(motion_texts::SaveImage, motion_texts::SaveImageTip,
                                 QStringLiteral("saveImageButton"), this);
    connect(saveImage, &QPushButton::clicked, this, &MotionWindow::askAndSaveImage);
    auto* files = new QHBoxLayout;
    files->addWidget(saveWorkbook);
    files->addWidget(saveCsv);
    files->addWidget(saveImage);
    files->addStretch();

    QWidget* previous = time_.pauseButton;
    for (QWidget* next : std::initializer_list<QWidget*>{
             time_.stepButton, time_.interval, time_.storeyHeight, time_.wholeSession, position_,
             speed_, table_, saveWorkbook, saveCsv, saveImage}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(time_.row);
    layout->addLayout(clocks);
    layout->addWidget(splitter, 1);
    layout->addLayout(files);
}

void MotionWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!recordSeen_) {
        recordSeen_ = true;
        trips_->refresh();
        updateDescriptions();
    }
    refresh();
    updateClockTimer();
}

void MotionWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    updateClockTimer();
}

void MotionWindow::closeEvent(QCloseEvent* event)
{
    // Its controls go with it: the lift must not stay held out of sight.
    pacer_.setPaused(false);
    QWidget::closeEvent(event);
}

void MotionWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    QFont font = clock_->font();
    font.setBold(true);
    font.setPixelSize(std::clamp(height() / 16, 24, 120));
    clock_->setFont(font);
    tripClock_->setFont(font);
}

void MotionWindow::updateClockTimer()
{
    if (isVisible() && !pacer_.paused())
        clockTimer_.start();
    else
        clockTimer_.stop();
}

void MotionWindow::pausedChanged(bool paused)
{
    time_.pause->setText(toQString(paused ? motion_texts::Continue : motion_texts::Pause));
    time_.pause->setToolTip(toQString(paused ? motion_texts::ContinueTip : motion_texts::PauseTip));
    time_.step->setEnabled(pacer_.canStep());
    updateClockTimer();
    refresh();
}

void MotionWindow::storeyHeightChanged(double metres)
{
    {
        const QSignalBlocker quiet(time_.storeyHeight);
        time_.storeyHeight->setValue(metres);
    }
    speed_->setStoreyHeight(pacer_.storeyHeight());
    trips_->setStoreyHeight(pacer_.storeyHeight());
    updateDescriptions();
}

void MotionWindow::recordChanged()
{
    if (!isVisible()) {
        recordSeen_ = false;
        return;
    }
    trips_->refresh();
    updateDescriptions();
    refresh();
}

void MotionWindow::refresh()
{
    const motion::MotionRecorder& recorder = recording_.recorder();
    const std::int64_t nowMs = recorder.nowMs();
    const TimeSpan span = motion::shownSpan(nowMs, time_.wholeSession->isChecked());
    position_->setSpan(span);
    speed_->setSpan(span);

    clock_->setText(toQString(motion::clockText(nowMs, pacer_.paused())));
    tripClock_->setText(toQString(motion::tripClockText(recorder, nowMs)));
}

void MotionWindow::updateDescriptions()
{
    const auto& trips = recording_.recorder().trips();
    const QString description =
        toQString(motion::speedGraphDescription(trips, pacer_.storeyHeight()));
    if (description == description_)
        return;
    description_ = description;
    position_->setAccessibleDescription(toQString(motion::positionGraphDescription(trips)));
    speed_->setAccessibleDescription(description);
}

} // namespace lodarix
