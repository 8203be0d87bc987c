#include "desktop/motion_window/time_controls.h"

#include "core/motion/speed.h"
#include "core/motion/teacher_controls.h"
#include "core/texts/motion_window_texts.h"
#include "desktop/window/key_sequences.h"
#include "desktop/window/qt_text.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include <utility>

namespace lodarix {

namespace {

// A spin box takes every letter as typing; the window's keys pass through
// it all the same, as they pass through every other control.
class WindowKeysPass : public QObject {
public:
    WindowKeysPass(QList<QKeySequence> keys, QObject* parent)
        : QObject(parent)
        , keys_(std::move(keys))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        if (!keys_.contains(pressed))
            return false;
        key->ignore();
        return true;
    }

private:
    QList<QKeySequence> keys_;
};

// A field that takes any text while it is typed; once typing ends the text
// is read by the core's rule (read), and an empty or unreadable text keeps
// the value.
template <class Box, class Value, std::optional<Value> (*read)(std::string_view)>
class CoreReadBox : public Box {
public:
    using Box::Box;

protected:
    QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }
    Value valueFromText(const QString& text) const override
    {
        return read(text.toStdString()).value_or(this->value());
    }
};

using IntervalBox = CoreReadBox<QSpinBox, int, motion::readIntervalMs>;
using StoreyHeightBox = CoreReadBox<QDoubleSpinBox, double, motion::readStoreyHeight>;

QAction* windowAction(QWidget& window, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(&window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}

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

} // namespace

TimeControls buildTimeControls(QWidget& window, int intervalMs)
{
    TimeControls controls{};
    controls.pause = windowAction(window, desktopShortcuts(form::KeyAction::Pause));
    controls.step = windowAction(window, desktopShortcuts(form::KeyAction::Step));
    controls.step->setText(toQString(motion_texts::Step));
    controls.step->setToolTip(toQString(motion_texts::StepTip));

    auto* keysPass =
        new WindowKeysPass(controls.pause->shortcuts() + controls.step->shortcuts(), &window);
    controls.interval = new IntervalBox(&window);
    controls.interval->setObjectName(QStringLiteral("intervalBox"));
    controls.interval->setRange(motion::ShortestIntervalMs, motion::LongestIntervalMs);
    controls.interval->setSingleStep(motion::IntervalStepMs);
    controls.interval->setValue(intervalMs);
    controls.interval->setKeyboardTracking(false);
    controls.interval->installEventFilter(keysPass);

    controls.storeyHeight = new StoreyHeightBox(&window);
    controls.storeyHeight->setObjectName(QStringLiteral("storeyHeightBox"));
    controls.storeyHeight->setRange(motion::StoreyHeight::Lowest, motion::StoreyHeight::Highest);
    controls.storeyHeight->setSingleStep(motion::StoreyHeightStep);
    controls.storeyHeight->setDecimals(1);
    controls.storeyHeight->setValue(motion::StoreyHeight::Default);
    controls.storeyHeight->setKeyboardTracking(false);
    controls.storeyHeight->installEventFilter(keysPass);

    controls.wholeSession = new QCheckBox(toQString(motion_texts::WholeSession), &window);
    controls.wholeSession->setObjectName(QStringLiteral("wholeSessionBox"));
    controls.wholeSession->setToolTip(toQString(motion_texts::WholeSessionTip));

    controls.pauseButton = buttonFor(controls.pause, QStringLiteral("pauseButton"), &window);
    controls.stepButton = buttonFor(controls.step, QStringLiteral("stepButton"), &window);
    controls.row = new QHBoxLayout;
    controls.row->addWidget(controls.pauseButton);
    controls.row->addWidget(controls.stepButton);
    controls.row->addSpacing(16);
    controls.row->addWidget(
        labelFor(toQString(motion_texts::Interval), controls.interval, &window));
    controls.row->addWidget(controls.interval);
    controls.row->addSpacing(16);
    controls.row->addWidget(
        labelFor(toQString(motion_texts::StoreyHeight), controls.storeyHeight, &window));
    controls.row->addWidget(controls.storeyHeight);
    controls.row->addSpacing(16);
    controls.row->addWidget(controls.wholeSession);
    controls.row->addStretch();
    return controls;
}

} // namespace lodarix
