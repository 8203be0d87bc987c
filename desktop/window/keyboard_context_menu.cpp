#include "desktop/window/keyboard_context_menu.h"

#include "desktop/window/key_sequences.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QShortcut>
#include <QWidget>

namespace lodarix {

void openContextMenusWithShiftF10(QWidget& window)
{
    auto* shortcut = new QShortcut(&window);
    shortcut->setKeys(desktopShortcuts(form::KeyAction::WindowMenu));
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window] {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != &window)
            target = &window;
        if (!target->isEnabled())
            return;
        const QPoint at = target->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QCoreApplication::sendEvent(target, &request);
    });
}

} // namespace lodarix
