#include "desktop/code_window/step_history_bar.h"

#include "core/texts/code_view_texts.h"
#include "core/texts/number_texts.h"
#include "core/trace/step_report.h"
#include "desktop/events_window/window_sketch_view.h"
#include "desktop/window/qt_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace lodarix {

namespace {

namespace words = code_texts;

int fieldNumber(std::uint64_t step)
{
    return static_cast<int>(std::min<std::uint64_t>(step, std::numeric_limits<int>::max()));
}

QPushButton* button(std::string_view text, std::string_view tip, QWidget* parent)
{
    auto* made = new QPushButton(toQString(text), parent);
    made->setToolTip(toQString(tip));
    return made;
}

} // namespace

StepHistoryBar::StepHistoryBar(QWidget* parent)
    : QWidget(parent)
{
    redrawSoon_.setSingleShot(true);
    redrawSoon_.setInterval(0);
    connect(&redrawSoon_, &QTimer::timeout, this, &StepHistoryBar::redraw);
    buildControls();
    redraw();
}

void StepHistoryBar::buildControls()
{
    back_ = button(words::Back, words::BackTip, this);
    back_->setObjectName(QStringLiteral("backButton"));
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("stepSlider"));
    slider_->setAccessibleName(toQString(words::Steps));
    slider_->setToolTip(toQString(words::Steps));
    slider_->setFocusPolicy(Qt::StrongFocus);
    forward_ = button(words::Forward, words::ForwardTip, this);
    forward_->setObjectName(QStringLiteral("forwardButton"));
    auto* goTo = new QLabel(toQString(words::GoToStep), this);
    stepField_ = new QSpinBox(this);
    stepField_->setObjectName(QStringLiteral("stepField"));
    stepField_->setAccessibleName(toQString(words::GoToStep));
    stepField_->setToolTip(toQString(words::GoToStepTip));
    stepField_->setKeyboardTracking(false);
    stepField_->setMaximum(std::numeric_limits<int>::max());
    stepField_->setMinimumWidth(stepField_->sizeHint().width());
    goTo->setBuddy(stepField_);
    latest_ = button(words::Latest, words::LatestTip, this);
    latest_->setObjectName(QStringLiteral("latestButton"));
    stepText_ = new QLabel(this);
    stepText_->setObjectName(QStringLiteral("stepText"));
    stepText_->setWordWrap(true);
    stepText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("stepNote"));
    note_->setWordWrap(true);
    sketch_ = new WindowSketchView(this);
    sketch_->setObjectName(QStringLiteral("stepSketch"));
    sketch_->setMinimumSize(200, 150);

    auto* controls = new QHBoxLayout;
    controls->addWidget(back_);
    controls->addWidget(slider_, 1);
    controls->addWidget(forward_);
    controls->addWidget(goTo);
    controls->addWidget(stepField_);
    controls->addWidget(latest_);
    auto* column = new QVBoxLayout;
    column->addLayout(controls);
    column->addWidget(stepText_);
    column->addWidget(note_);
    column->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(column, 3);
    layout->addWidget(sketch_, 1);
    QWidget* previous = back_;
    for (QWidget* next : {static_cast<QWidget*>(slider_), static_cast<QWidget*>(forward_),
                          static_cast<QWidget*>(stepField_), static_cast<QWidget*>(latest_),
                          static_cast<QWidget*>(sketch_)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(back_, &QAbstractButton::clicked, this, [this] {
        const std::size_t shown = shownStatement();
        userChose(shown > 0 ? shown - 1 : 0);
    });
    connect(forward_, &QAbstractButton::clicked, this, [this] { userChose(shownStatement() + 1); });
    connect(latest_, &QAbstractButton::clicked, this, &StepHistoryBar::follow);
    connect(slider_, &QSlider::valueChanged, this,
            [this](int value) { userChose(static_cast<std::size_t>(value)); });
    connect(stepField_, &QSpinBox::valueChanged, this, [this](int step) {
        if (history_)
            userChose(trace::keptStatement(*history_, static_cast<std::uint64_t>(step)));
    });
}

void StepHistoryBar::setHistory(const trace::StatementHistory* history,
                                std::shared_ptr<const program::Program> program)
{
    history_ = history;
    program_ = std::move(program);
    choice_.follow();
    drawnStep_ = 0;
    note_->clear();
    redraw();
    emit choiceChanged();
}

void StepHistoryBar::historyGrew()
{
    stale_ = true;
    if (isVisible() && !redrawSoon_.isActive())
        redrawSoon_.start();
}

void StepHistoryBar::choose(std::size_t statement)
{
    if (!history_ || statement >= history_->size())
        return;
    choice_.choose(*history_, statement);
    note_->clear();
    redraw();
    emit choiceChanged();
}

void StepHistoryBar::userChose(std::size_t statement)
{
    if (!history_ || statement >= history_->size())
        return;
    choose(statement);
    emit stepChosen(statement);
}

void StepHistoryBar::follow()
{
    choice_.follow();
    note_->clear();
    redraw();
    emit choiceChanged();
}

std::optional<std::size_t> StepHistoryBar::chosen() const
{
    if (choice_.following() || !history_)
        return std::nullopt;
    return choice_.shown(*history_);
}

void StepHistoryBar::note(const QString& text)
{
    note_->setText(text);
}

void StepHistoryBar::takeTypedStep()
{
    if (stepField_->hasFocus())
        stepField_->interpretText();
}

void StepHistoryBar::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (stale_)
        redraw();
}

std::size_t StepHistoryBar::shownStatement() const
{
    return choice_.shown(*history_).value_or(0);
}

void StepHistoryBar::redraw()
{
    redrawSoon_.stop();
    stale_ = false;
    const bool any = history_ && program_ && history_->size() > 0;
    for (QWidget* control : {static_cast<QWidget*>(back_), static_cast<QWidget*>(slider_),
                             static_cast<QWidget*>(forward_), static_cast<QWidget*>(stepField_),
                             static_cast<QWidget*>(latest_)})
        control->setEnabled(any);
    if (!any) {
        stepText_->setText(toQString(words::NoSteps));
        sketch_->setSketch(std::nullopt);
        drawnStep_ = 0;
        return;
    }
    const std::size_t shown = shownStatement();
    const std::uint64_t step = trace::stepNumber(*history_, shown);
    const std::uint64_t first = trace::stepNumber(*history_, 0);
    {
        const QSignalBlocker quiet(slider_);
        slider_->setRange(0, fieldNumber(history_->size() - 1));
        slider_->setValue(fieldNumber(shown));
    }
    {
        const QSignalBlocker quiet(stepField_);
        stepField_->setRange(fieldNumber(first), fieldNumber(first + history_->size() - 1));
        stepField_->setValue(fieldNumber(step));
    }
    back_->setEnabled(shown > 0);
    forward_->setEnabled(!choice_.following());
    latest_->setEnabled(!choice_.following());
    if (step != drawnStep_) {
        const trace::Moment moment = history_->momentAfter(shown);
        drawnVariables_ = toQString(trace::variablesAfter(*program_, moment));
        sketch_->setSketch(trace::stepSketch(*program_, moment), shown);
        sketch_->setAccessibleName(
            toQString(texts::fill(words::SketchAfterStep, {std::to_string(step)})));
        drawnStep_ = step;
    }
    QString text = toQString(trace::stepHeading(*program_, *history_, shown)) + QLatin1Char('\n')
        + drawnVariables_;
    if (history_->dropped() > 0)
        text += QLatin1Char('\n')
            + toQString(texts::fill(words::StepsDropped, {std::to_string(first)}));
    stepText_->setText(text);
}

} // namespace lodarix
