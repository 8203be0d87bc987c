// What the main window offers beyond its own controls, without changing how
// it looks or what its rules do: F2 opens the motion window, F3 the events
// window, F4 the code window and F1 the help (help_box.h) whichever control
// has the focus, and a context menu (a right click on the background, the
// title or the frames, the Menu key, Shift+F10) offers "Графика на
// движението", "Събития", "Код", "Покажи условието" and "Помощ". The text boxes keep their own
// menus.
#pragma once

#include <QMenu>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace lodarix {

class MainWindowMenu : public QObject {
    Q_OBJECT

public:
    // Belongs to form.
    explicit MainWindowMenu(QWidget& form);

    QAction* motionWindowAction() const { return motionWindow_; }
    QAction* eventsWindowAction() const { return eventsWindow_; }
    QAction* codeWindowAction() const { return codeWindow_; }
    QAction* statementAction() const { return statement_; }
    QAction* helpAction() const { return help_; }
    // The context menu, made when first asked for; nullptr before.
    QMenu* menu() const { return menu_; }

private:
    void popUp(const QPoint& at);

    QWidget& form_;
    QAction* motionWindow_;
    QAction* eventsWindow_;
    QAction* codeWindow_;
    QAction* statement_;
    QAction* help_;
    QPointer<QMenu> menu_;
};

} // namespace lodarix
