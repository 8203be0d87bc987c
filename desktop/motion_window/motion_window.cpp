#include "desktop/motion_window/motion_window.h"

#include "core/motion/motion_csv.h"
#include "core/motion/record_texts.h"
#include "core/motion/teacher_controls.h"
#include "core/texts/motion_window_texts.h"
#include "core/texts/number_texts.h"
#include "core/workbook/motion_workbook.h"
#include "desktop/motion_window/motion_recording.h"
#include "desktop/motion_window/position_graph.h"
#include "desktop/motion_window/record_files.h"
#include "desktop/motion_window/save_dialog.h"
#include "desktop/motion_window/speed_graph.h"
#include "desktop/motion_window/step_pacer.h"
#include "desktop/motion_window/trip_table_model.h"
#include "desktop/window/keyboard_context_menu.h"
#include "desktop/window/qt_text.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lodarix {

namespace {

const QKeySequence PauseKey(Qt::Key_P);
const QKeySequence PauseKeyToo(Qt::Key_Pause);
const QKeySequence StepKey(Qt::Key_S);

// A spin box takes every letter as typing; the window's letter shortcuts
// pass through it all the same, as they pass through every other control.
class LetterShortcutsPass : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        if (pressed != PauseKey && pressed != StepKey)
            return false;
        key->ignore();
        return true;
    }
};

QToolButton* buttonFor(QAction* action, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    button->setMinimumWidth(
        button->fontMetrics().horizontalAdvance(toQString(motion_texts::Continue)) + 24);
    return button;
}

QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
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
    connect(&pacer_, &StepPacer::intervalChanged, interval_, [this](int intervalMs) {
        const QSignalBlocker quiet(interval_);
        interval_->setValue(intervalMs);
    });
    openContextMenusWithShiftF10(*this);
    pausedChanged(pacer_.paused());
}

void MotionWindow::buildControls()
{
    pause_ = new QAction(this);
    pause_->setShortcuts({PauseKey, PauseKeyToo});
    pause_->setShortcutContext(Qt::WindowShortcut);
    connect(pause_, &QAction::triggered, &pacer_, &StepPacer::togglePaused);
    addAction(pause_);
    step_ = new QAction(toQString(motion_texts::Step), this);
    step_->setShortcut(StepKey);
    step_->setShortcutContext(Qt::WindowShortcut);
    step_->setToolTip(toQString(motion_texts::StepTip));
    connect(step_, &QAction::triggered, &pacer_, &StepPacer::step);
    addAction(step_);

    auto* letters = new LetterShortcutsPass(this);
    interval_ = new QSpinBox(this);
    interval_->setObjectName(QStringLiteral("intervalBox"));
    interval_->setRange(motion::ShortestIntervalMs, motion::LongestIntervalMs);
    interval_->setSingleStep(motion::IntervalStepMs);
    interval_->setValue(pacer_.intervalMs());
    interval_->setKeyboardTracking(false);
    interval_->installEventFilter(letters);
    connect(interval_, &QSpinBox::valueChanged, &pacer_, &StepPacer::setIntervalMs);

    storeyHeight_ = new QDoubleSpinBox(this);
    storeyHeight_->setObjectName(QStringLiteral("storeyHeightBox"));
    storeyHeight_->setRange(motion::StoreyHeight::Lowest, motion::StoreyHeight::Highest);
    storeyHeight_->setSingleStep(motion::StoreyHeightStep);
    storeyHeight_->setDecimals(1);
    storeyHeight_->setValue(motion::StoreyHeight::Default);
    storeyHeight_->setKeyboardTracking(false);
    storeyHeight_->installEventFilter(letters);
    connect(storeyHeight_, &QDoubleSpinBox::valueChanged, this, &MotionWindow::setStoreyHeight);

    wholeSession_ = new QCheckBox(toQString(motion_texts::WholeSession), this);
    wholeSession_->setObjectName(QStringLiteral("wholeSessionBox"));
    wholeSession_->setToolTip(toQString(motion_texts::WholeSessionTip));
    connect(wholeSession_, &QCheckBox::toggled, this, &MotionWindow::refresh);

    auto* pauseButton = buttonFor(pause_, QStringLiteral("pauseButton"), this);
    auto* stepButton = buttonFor(step_, QStringLiteral("stepButton"), this);
    auto* controls = new QHBoxLayout;
    controls->addWidget(pauseButton);
    controls->addWidget(stepButton);
    controls->addSpacing(16);
    controls->addWidget(labelFor(toQString(motion_texts::Interval), interval_, this));
    controls->addWidget(interval_);
    controls->addSpacing(16);
    controls->addWidget(labelFor(toQString(motion_texts::StoreyHeight), storeyHeight_, this));
    controls->addWidget(storeyHeight_);
    controls->addSpacing(16);
    controls->addWidget(wholeSession_);
    controls->addStretch();

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
    table_ = new QTableView(splitter);
    table_->setObjectName(QStringLiteral("tripTable"));
    table_->setAccessibleName(toQString(motion_texts::Trips));
    table_->setModel(trips_);
    connect(trips_, &TripTableModel::rowsInserted, table_, &QTableView::scrollToBottom);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setTabKeyNavigation(false);
    table_->setMinimumWidth(table_->horizontalHeader()->length() + 2 * table_->frameWidth()
                            + table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
    splitter->addWidget(graphs);
    splitter->addWidget(table_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({4 * table_->minimumWidth(), table_->minimumWidth()});

    auto* saveWorkbook = new QPushButton(toQString(motion_texts::SaveWorkbook), this);
    saveWorkbook->setObjectName(QStringLiteral("saveWorkbookButton"));
    saveWorkbook->setToolTip(toQString(motion_texts::SaveWorkbookTip));
    connect(saveWorkbook, &QPushButton::clicked, this, &MotionWindow::askAndSaveWorkbook);
    auto* saveCsv = new QPushButton(toQString(motion_texts::SaveCsv), this);
    saveCsv->setObjectName(QStringLiteral("saveCsvButton"));
    saveCsv->setToolTip(toQString(motion_texts::SaveCsvTip));
    connect(saveCsv, &QPushButton::clicked, this, &MotionWindow::askAndSaveCsv);
    auto* saveImage = new QPushButton(toQString(motion_texts::SaveImage), this);
    saveImage->setObjectName(QStringLiteral("saveImageButton"));
    saveImage->setToolTip(toQString(motion_texts::SaveImageTip));
    connect(saveImage, &QPushButton::clicked, this, &MotionWindow::askAndSaveImage);
    auto* files = new QHBoxLayout;
    files->addWidget(saveWorkbook);
    files->addWidget(saveCsv);
    files->addWidget(saveImage);
    files->addStretch();

    QWidget* previous = pauseButton;
    for (QWidget* next : std::initializer_list<QWidget*>{stepButton, interval_, storeyHeight_,
                                                         wholeSession_, position_, speed_, table_,
                                                         saveWorkbook, saveCsv, saveImage}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(clocks);
    layout->addWidget(splitter, 1);
    layout->addLayout(files);
}

QImage MotionWindow::graphsImage() const
{
    const QSize top = position_->size();
    const QSize bottom = speed_->size();
    QImage image(std::max(top.width(), bottom.width()), top.height() + bottom.height(),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    position_->render(&painter, QPoint(0, 0), QRegion(), QWidget::DrawChildren);
    speed_->render(&painter, QPoint(0, top.height()), QRegion(), QWidget::DrawChildren);
    return image;
}

bool MotionWindow::saveCsv(const QString& path)
{
    const std::string csv = motion::toCsv(recording_.recorder().rows());
    return saveFile(this, path, QByteArray::fromStdString(csv));
}

bool MotionWindow::saveWorkbook(const QString& path)
{
    const motion::MotionRecorder& recorder = recording_.recorder();
    const std::string bytes = workbook::motionWorkbook(recorder.rows(), recorder.trips(), height_);
    return saveFile(this, path, QByteArray::fromStdString(bytes));
}

bool MotionWindow::saveImage(const QString& path)
{
    return saveFile(this, path, pngOf(graphsImage()));
}

void MotionWindow::askAndSaveCsv()
{
    const StandardDialogScope scope;
    const QString path = askSavePath(this, toQString(motion_texts::SaveCsvTitle),
                                     toQString(motion_texts::CsvFileName),
                                     toQString(motion_texts::CsvFilter), QStringLiteral("csv"));
    if (!path.isEmpty())
        saveCsv(path);
}

void MotionWindow::askAndSaveWorkbook()
{
    const StandardDialogScope scope;
    const QString path = askSavePath(
        this, toQString(motion_texts::SaveWorkbookTitle), toQString(motion_texts::WorkbookFileName),
        toQString(motion_texts::WorkbookFilter), QStringLiteral("xlsx"));
    if (!path.isEmpty())
        saveWorkbook(path);
}

void MotionWindow::askAndSaveImage()
{
    const StandardDialogScope scope;
    const QString path = askSavePath(this, toQString(motion_texts::SaveImageTitle),
                                     toQString(motion_texts::ImageFileName),
                                     toQString(motion_texts::ImageFilter), QStringLiteral("png"));
    if (!path.isEmpty())
        saveImage(path);
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
    pause_->setText(toQString(paused ? motion_texts::Continue : motion_texts::Pause));
    pause_->setToolTip(toQString(paused ? motion_texts::ContinueTip : motion_texts::PauseTip));
    step_->setEnabled(paused);
    updateClockTimer();
    refresh();
}

void MotionWindow::setStoreyHeight(double metres)
{
    height_ = motion::StoreyHeight(
        std::clamp(metres, motion::StoreyHeight::Lowest, motion::StoreyHeight::Highest));
    speed_->setStoreyHeight(height_);
    trips_->setStoreyHeight(height_);
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
    const TimeSpan span = motion::shownSpan(nowMs, wholeSession_->isChecked());
    position_->setSpan(span);
    speed_->setSpan(span);

    clock_->setText(toQString(motion::clockText(nowMs, pacer_.paused())));
    tripClock_->setText(toQString(motion::tripClockText(recorder, nowMs)));
}

void MotionWindow::updateDescriptions()
{
    const auto& trips = recording_.recorder().trips();
    const QString description = toQString(motion::speedGraphDescription(trips, height_));
    if (description == description_)
        return;
    description_ = description;
    position_->setAccessibleDescription(toQString(motion::positionGraphDescription(trips)));
    speed_->setAccessibleDescription(description);
}

} // namespace lodarix
