#include "desktop/window/control_factories.h"

#include "core/line_ends/crlf_text.h"
#include "desktop/window/color_style.h"
#include "desktop/window/floor_button.h"
#include "desktop/window/qt_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

namespace lodarix {

namespace {

// Names a widget after its control, "Option1_3" for an array element, so that
// style sheets and tests can find it.
QString objectNameOf(const ControlDescription& control)
{
    QString name = toQString(control.name);
    if (control.index)
        name += QStringLiteral("_%1").arg(*control.index);
    return name;
}

template <class Widget> Widget* placed(Widget* widget, const ControlDescription& control)
{
    widget->setObjectName(objectNameOf(control));
    widget->setGeometry(pixelRect(control.rect));
    widget->setEnabled(control.enabled);
    if (!control.accessibleName.empty())
        widget->setAccessibleName(toQString(control.accessibleName));
    if (!control.visible)
        widget->hide();
    return widget;
}

} // namespace

QRect pixelRect(const TwipsRect& twips)
{
    const PixelRect pixels = toPixels(twips);
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

QWidget* makeFrame(const ControlDescription& control, QWidget* container)
{
    // The stored caption is a placeholder; the frame shows none.
    auto* frame = placed(new QGroupBox(container), control);
    if (control.background) {
        const QColor border = toQColor(*control.background).darker(140);
        frame->setStyleSheet(flatFill("QGroupBox", *control.background,
                                      QStringLiteral("1px solid %1").arg(border.name()))
                             + QStringLiteral(" QGroupBox { margin: 0; padding: 0; }"));
    }
    return frame;
}

QWidget* makeOptionButton(const ControlDescription& control, QWidget* container)
{
    if (control.graphical) {
        auto* button =
            placed(new FloorButton(toQString(control.text),
                                   control.background.value_or(lift::ColorIdle), container),
                   control);
        button->setChecked(control.selected);
        return button;
    }
    auto* button = placed(new QRadioButton(toQString(control.text), container), control);
    if (control.background) {
        button->setStyleSheet(
            flatFill("QRadioButton", *control.background,
                     QStringLiteral("1px solid %1").arg(toQColor(*control.background).name())));
    }
    button->setChecked(control.selected);
    return button;
}

QWidget* makeListBox(const ControlDescription& control, QWidget* container)
{
    auto* list = placed(new QListWidget(container), control);
    for (const std::string_view item : control.items)
        list->addItem(toQString(item));
    return list;
}

QWidget* makeTextBox(const ControlDescription& control, QWidget* container)
{
    auto* box = placed(new QPlainTextEdit(container), control);
    box->setLineWrapMode(control.multiLine ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setVerticalScrollBarPolicy(control.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAsNeeded);
    box->setTabChangesFocus(true);
    box->setPlainText(toQString(toLineFeeds(control.text)));
    return box;
}

QWidget* makeLabel(const ControlDescription& control, QWidget* container)
{
    auto* label = placed(new QLabel(toQString(control.text), container), control);
    label->setAlignment(Qt::AlignCenter);
    if (control.background)
        label->setStyleSheet(flatFill("QLabel", *control.background, QStringLiteral("none")));
    return label;
}

QObject* makeTimer(const ControlDescription& control, QWidget* container)
{
    auto* timer = new QTimer(container);
    timer->setObjectName(objectNameOf(control));
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(control.intervalMs);
    if (control.enabled)
        timer->start();
    return timer;
}

QObject* makeControl(const ControlDescription& control, QWidget* container)
{
    switch (control.kind) {
    case ControlKind::Frame:
        return makeFrame(control, container);
    case ControlKind::OptionButton:
        return makeOptionButton(control, container);
    case ControlKind::ListBox:
        return makeListBox(control, container);
    case ControlKind::TextBox:
        return makeTextBox(control, container);
    case ControlKind::Label:
        return makeLabel(control, container);
    case ControlKind::Timer:
        return makeTimer(control, container);
    }
    return nullptr;
}

} // namespace lodarix
