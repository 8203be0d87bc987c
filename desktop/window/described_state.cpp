#include "desktop/window/described_state.h"

#include "desktop/window/floor_button.h"
#include "desktop/window/plain_text_box.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPlainTextEdit>
#include <QTimer>

#include <string>

namespace lodarix {

namespace {

// Checked or not, even where its group would keep one checked.
void setSelected(QAbstractButton& button, bool selected)
{
    QButtonGroup* group = button.group();
    const bool exclusive = group && group->exclusive();
    const bool autoExclusive = button.autoExclusive();
    if (exclusive)
        group->setExclusive(false);
    button.setAutoExclusive(false);
    button.setChecked(selected);
    button.setAutoExclusive(autoExclusive);
    if (exclusive)
        group->setExclusive(true);
}

} // namespace

void restoreDescribed(const FormDescription& description, const ControlRegistry& controls)
{
    for (const ControlDescription& control : description.controls) {
        QObject* made = controls.find(control.name, control.index);
        if (auto* timer = qobject_cast<QTimer*>(made)) {
            if (control.enabled)
                timer->start();
            else
                timer->stop();
            continue;
        }
        auto* widget = qobject_cast<QWidget*>(made);
        if (!widget)
            continue;
        widget->setVisible(control.visible);
        if (auto* floor = qobject_cast<FloorButton*>(widget))
            floor->setMarker(control.background.value_or(lift::ColorIdle));
        if (auto* button = qobject_cast<QAbstractButton*>(widget);
            button && control.kind == ControlKind::OptionButton)
            setSelected(*button, control.selected);
        if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
            PlainTextBox::of(*box).write(std::string(control.text));
    }
}

} // namespace lodarix
