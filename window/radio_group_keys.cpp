#include "window/radio_group_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <algorithm>

namespace lodarix {

namespace {

class RadioGroupKeys : public QObject {
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
        auto* button = static_cast<QAbstractButton*>(watched);
        QList<QAbstractButton*> group = groupOf(button);
        const qsizetype at = group.indexOf(button);
        const qsizetype count = group.size();
        if (at < 0)
            return false;
        const qsizetype next = (at + (forward ? 1 : count - 1)) % count;
        group.at(next)->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

private:
    // The option buttons of the same container, top to bottom, left to right.
    static QList<QAbstractButton*> groupOf(QAbstractButton* button)
    {
        QList<QAbstractButton*> group;
        for (auto* sibling : button->parentWidget()->findChildren<QAbstractButton*>(
                 Qt::FindDirectChildrenOnly)) {
            if (sibling->autoExclusive() && !sibling->isHidden() && sibling->isEnabled())
                group << sibling;
        }
        std::sort(group.begin(), group.end(), [](QAbstractButton* a, QAbstractButton* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return group;
    }
};

} // namespace

void installRadioGroupKeys(QAbstractButton* button)
{
    if (!button || !button->parentWidget())
        return;
    static const char* const filterName = "lodarixRadioGroupKeys";
    auto* filter = button->parentWidget()->findChild<QObject*>(QLatin1String(filterName),
                                                               Qt::FindDirectChildrenOnly);
    if (!filter) {
        filter = new RadioGroupKeys(button->parentWidget());
        filter->setObjectName(QLatin1String(filterName));
    }
    button->installEventFilter(filter);
}

} // namespace lodarix
