#include "desktop/window/floor_button_accessible.h"

#include "desktop/window/floor_button.h"

namespace lodarix {

namespace {

QAccessibleInterface* floorButtonFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("lodarix::FloorButton") && object && object->isWidgetType())
        return new FloorButtonAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

FloorButtonAccessible::FloorButtonAccessible(QWidget* button)
    : QAccessibleWidget(button, QAccessible::RadioButton)
{
}

QAccessible::State FloorButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const auto* button = static_cast<const FloorButton*>(widget());
    state.checkable = true;
    state.checked = button->isChecked();
    state.pressed = button->isDown();
    return state;
}

QString FloorButtonAccessible::text(QAccessible::Text kind) const
{
    const auto* button = static_cast<const FloorButton*>(widget());
    switch (kind) {
    case QAccessible::Name:
        return button->accessibleName() + QStringLiteral(", ") + button->markerMeaning();
    case QAccessible::Description:
        return button->markerMeaning();
    default:
        return QAccessibleWidget::text(kind);
    }
}

QStringList FloorButtonAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void FloorButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        static_cast<FloorButton*>(widget())->click();
    else
        QAccessibleWidget::doAction(actionName);
}

void FloorButtonAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(floorButtonFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace lodarix
