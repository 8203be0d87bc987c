#include "desktop/window/form_loader.h"

#include "desktop/window/color_style.h"
#include "desktop/window/control_factories.h"
#include "desktop/window/floor_button_accessible.h"
#include "desktop/window/qt_text.h"
#include "desktop/window/radio_group.h"

#include <QIcon>
#include <QPalette>

#include <map>
#include <set>

namespace lodarix {

namespace {

QFont fontOf(const FontDescription& description)
{
    QFont font(toQString(description.family));
    font.setPointSize(description.pointSize);
    font.setWeight(static_cast<QFont::Weight>(description.weight));
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

std::vector<QPointer<QWidget>> setTabOrder(const FormDescription& description,
                                           const ControlRegistry& controls)
{
    std::map<int, QWidget*> byTabIndex;
    for (const ControlDescription& control : description.controls) {
        auto* widget =
            qobject_cast<QWidget*>(controls.find(std::string(control.name), control.index));
        if (control.tabIndex && widget && (widget->focusPolicy() & Qt::TabFocus))
            byTabIndex.emplace(*control.tabIndex, widget);
    }
    std::vector<QPointer<QWidget>> order;
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, widget] : byTabIndex) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
        order.emplace_back(widget);
    }
    return order;
}

} // namespace

LoadedForm loadForm(const FormDescription& description)
{
    FloorButtonAccessible::install();

    LoadedForm loaded;
    loaded.form = std::make_unique<QWidget>();
    QWidget& form = *loaded.form;
    form.setObjectName(toQString(description.name));
    form.setWindowTitle(toQString(description.caption));
    form.setFixedSize(toPixels(description.clientWidth), toPixels(description.clientHeight));
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, toQColor(description.background));
    form.setPalette(palette);
    form.setAutoFillBackground(true);
    form.setFont(fontOf(description.font));
    if (!description.icon.empty())
        form.setWindowIcon(QIcon(QStringLiteral(":/lodarix/") + toQString(description.icon)));

    for (const ControlDescription& control : description.controls) {
        QWidget* container = &form;
        if (!control.container.empty()) {
            container = qobject_cast<QWidget*>(
                loaded.controls.find(std::string(control.container), std::nullopt));
            Q_ASSERT_X(container, "loadForm", "a container is stored before its controls");
        }
        QObject* made = makeControl(control, container);
        // A widget with a style sheet of its own no longer inherits its
        // parent's font, so every control gets the form's font explicitly.
        if (auto* widget = qobject_cast<QWidget*>(made))
            widget->setFont(form.font());
        loaded.controls.add(std::string(control.name), control.index, made);
    }

    loaded.tabOrder = setTabOrder(description, loaded.controls);
    std::set<QWidget*> groups;
    for (const ControlDescription& control : description.controls) {
        if (control.kind == ControlKind::OptionButton) {
            auto* button = qobject_cast<QWidget*>(
                loaded.controls.find(std::string(control.name), control.index));
            groups.insert(button->parentWidget());
        }
    }
    for (QWidget* group : groups)
        setUpRadioGroup(group);
    return loaded;
}

QWidget* focusFirstControl(const LoadedForm& loaded)
{
    for (QWidget* control : loaded.tabOrder) {
        if (control && control->isEnabled() && control->isVisibleTo(loaded.form.get())) {
            control->setFocus(Qt::OtherFocusReason);
            return control;
        }
    }
    return nullptr;
}

} // namespace lodarix
