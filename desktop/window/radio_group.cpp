#include "desktop/window/radio_group.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <algorithm>

namespace lodarix {

namespace {

// The group's buttons in the order they appear.
QList<QAbstractButton*> groupOf(QWidget* container)
{
    QList<QAbstractButton*> group;
    for (auto* button : container->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->autoExclusive())
            group << button;
    }
    std::stable_sort(group.begin(), group.end(), [](QAbstractButton* a, QAbstractButton* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return group;
}

class ArrowKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
        const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
        if (!back && !forward)
            return false;
        QList<QAbstractButton*> group = groupOf(static_cast<QWidget*>(parent()));
        group.removeIf([](QAbstractButton* b) { return b->isHidden() || !b->isEnabled(); });
        const qsizetype at = group.indexOf(static_cast<QAbstractButton*>(watched));
        if (at < 0)
            return false;
        const qsizetype count = group.size();
        const qsizetype next = (at + (forward ? 1 : count - 1)) % count;
        group.at(next)->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
};

// Keeps the second press of a double-click from the button: that press
// arrives as a double-click event, which would otherwise press the button
// again and, with the release that follows, click it a second time.
class DoubleClickAsOneClick : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::MouseButtonDblClick;
    }
};

} // namespace

void setUpRadioGroup(QWidget* container)
{
    auto* keys = new ArrowKeys(container);
    auto* doubleClicks = new DoubleClickAsOneClick(container);
    for (QAbstractButton* button : groupOf(container)) {
        button->raise(); // children order is the order assistive technology reads
        button->installEventFilter(keys);
        button->installEventFilter(doubleClicks);
    }
}

} // namespace lodarix
