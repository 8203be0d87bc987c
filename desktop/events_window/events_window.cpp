#include "desktop/events_window/events_window.h"

#include "core/texts/events_view_texts.h"
#include "core/trace/trace_texts.h"
#include "core/trace/window_sketch.h"
#include "desktop/events_window/script_panel.h"
#include "desktop/events_window/trace_table_model.h"
#include "desktop/events_window/trace_table_view.h"
#include "desktop/events_window/window_sketch_view.h"
#include "desktop/window/keyboard_context_menu.h"
#include "desktop/window/qt_text.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace lodarix {

namespace {

namespace words = events_texts;

// Texts as wide as a column's widest, for its width.
QStringList columnSamples()
{
    return {QStringLiteral("99999"),
            QStringLiteral("9999,999"),
            QStringLiteral("избор на решетка: затворена"),
            QStringLiteral("Option1_Click(10)"),
            QStringLiteral("10 (етаж 11)"),
            QStringLiteral("10 (етаж 11)"),
            QStringLiteral("False"),
            QStringLiteral("затворена"),
            QStringLiteral("= Асансьорът се качва!↵Етаж I↵")};
}

} // namespace

EventsWindow::EventsWindow(const trace::EventTrace& lesson, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , lesson_(lesson)
    , announcer_(*this)
{
    setObjectName(QStringLiteral("EventsWindow"));
    setWindowTitle(toQString(words::WindowTitle));
    setAttribute(Qt::WA_QuitOnClose, false);
    buildControls();
    resize(1180, 720);
    openContextMenusWithShiftF10(*this);
}

EventsWindow::~EventsWindow() = default;

void EventsWindow::buildControls()
{
    auto* choice = new QGroupBox(toQString(words::TraceChoice), this);
    auto* lessonButton = new QRadioButton(toQString(words::LessonTrace), choice);
    lessonButton->setObjectName(QStringLiteral("lessonButton"));
    lessonButton->setChecked(true);
    auto* scriptButton = new QRadioButton(toQString(words::ScriptTrace), choice);
    scriptButton->setObjectName(QStringLiteral("scriptButton"));
    traceChoice_ = new QButtonGroup(this);
    traceChoice_->addButton(lessonButton, static_cast<int>(Shown::Lesson));
    traceChoice_->addButton(scriptButton, static_cast<int>(Shown::Script));
    auto* choiceRow = new QHBoxLayout(choice);
    choiceRow->addWidget(lessonButton);
    choiceRow->addWidget(scriptButton);
    connect(traceChoice_, &QButtonGroup::idClicked, this,
            [this](int id) { showTrace(static_cast<Shown>(id)); });

    auto* readRow = new QPushButton(toQString(words::ReadRow), this);
    readRow->setObjectName(QStringLiteral("readRowButton"));
    readRow->setToolTip(toQString(words::ReadRowTip));
    connect(readRow, &QPushButton::clicked, this, &EventsWindow::readCurrentRow);
    auto* top = new QHBoxLayout;
    top->addWidget(choice);
    top->addStretch();
    top->addWidget(readRow);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    model_ = new TraceTableModel(this);
    table_ = new TraceTableView(splitter);
    table_->setObjectName(QStringLiteral("traceTable"));
    table_->setAccessibleName(toQString(words::TraceTable));
    table_->setModel(model_);
    table_->setColumnSamples(columnSamples());
    connect(table_, &TraceTableView::rowReadRequested, this, &EventsWindow::readCurrentRow);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &EventsWindow::currentRowChanged);
    auto* below = new QWidget(splitter);
    sketch_ = new WindowSketchView(below);
    sketch_->setObjectName(QStringLiteral("windowSketch"));
    scripts_ = new ScriptPanel(announcer_, below);
    connect(scripts_, &ScriptPanel::runReplacing, this, [this] {
        if (shown_ == Shown::Script)
            model_->setTrace(nullptr);
    });
    connect(scripts_, &ScriptPanel::scriptRan, this, [this] { showTrace(Shown::Script); });

    QWidget* previous = lessonButton;
    QList<QWidget*> order{scriptButton, readRow, table_, sketch_};
    order += scripts_->tabOrder();
    for (QWidget* next : order) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }

    auto* belowRow = new QHBoxLayout(below);
    belowRow->setContentsMargins(0, 0, 0, 0);
    belowRow->addWidget(sketch_, 2);
    belowRow->addWidget(scripts_, 3);
    splitter->addWidget(table_);
    splitter->addWidget(below);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
}

const trace::EventTrace* EventsWindow::traceOf(Shown which) const
{
    if (which == Shown::Lesson)
        return &lesson_;
    const trace::ScriptRun* run = scripts_->lastRun();
    return run ? &run->trace() : nullptr;
}

void EventsWindow::showTrace(Shown which)
{
    shown_ = which;
    traceChoice_->button(static_cast<int>(which))->setChecked(true);
    if (model_->trace() != traceOf(which)) {
        model_->setTrace(traceOf(which));
        table_->scrollToBottom();
    }
    drawCurrentRow();
}

void EventsWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!lessonSeen_)
        takeInRows();
}

void EventsWindow::lessonChanged()
{
    lessonSeen_ = false;
    if (isVisible())
        takeInRows();
}

void EventsWindow::takeInRows()
{
    lessonSeen_ = true;
    if (shown_ != Shown::Lesson)
        return;
    if (model_->trace() != &lesson_) {
        showTrace(Shown::Lesson);
        return;
    }
    const bool follow = table_->showsNewest();
    model_->refresh();
    if (follow)
        table_->scrollToBottom();
    if (!table_->currentIndex().isValid())
        drawCurrentRow();
}

void EventsWindow::currentRowChanged(const QModelIndex& current)
{
    drawCurrentRow();
    if (!selecting_ && current.isValid() && model_->trace() == &lesson_)
        emit rowChosen(static_cast<std::size_t>(current.row()));
}

void EventsWindow::selectRow(std::size_t row)
{
    if (shown_ != Shown::Lesson)
        return;
    if (!lessonSeen_)
        takeInRows();
    if (model_->trace() != &lesson_ || row >= static_cast<std::size_t>(model_->rowCount()))
        return;
    const QModelIndex index = model_->index(static_cast<int>(row), 0);
    selecting_ = true;
    table_->setCurrentIndex(index);
    selecting_ = false;
    table_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void EventsWindow::drawCurrentRow()
{
    const trace::EventTrace* trace = model_->trace();
    const int count = model_->rowCount();
    if (!trace || count == 0) {
        sketch_->setSketch(std::nullopt);
        return;
    }
    const QModelIndex current = table_->currentIndex();
    const auto row = static_cast<std::size_t>(current.isValid() ? current.row() : count - 1);
    sketch_->setSketch(trace::sketchAfter(*trace, row), row);
}

void EventsWindow::readCurrentRow()
{
    const trace::EventTrace* trace = model_->trace();
    const QModelIndex current = table_->currentIndex();
    if (!trace || model_->rowCount() == 0)
        return;
    const auto row =
        static_cast<std::size_t>(current.isValid() ? current.row() : model_->rowCount() - 1);
    announcer_.announce(toQString(trace::rowSummary(*trace, row)));
}

} // namespace lodarix
