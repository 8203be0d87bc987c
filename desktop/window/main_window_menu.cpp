#include "desktop/window/main_window_menu.h"

#include "core/texts/code_view_texts.h"
#include "core/texts/events_view_texts.h"
#include "core/texts/help_texts.h"
#include "core/texts/main_window_texts.h"
#include "desktop/window/help_box.h"
#include "desktop/window/key_sequences.h"
#include "desktop/window/keyboard_context_menu.h"
#include "desktop/window/qt_text.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace lodarix {

MainWindowMenu::MainWindowMenu(QWidget& form)
    : QObject(&form)
    , form_(form)
    , motionWindow_(new QAction(toQString(texts::ShowMotionWindow), this))
    , eventsWindow_(new QAction(toQString(events_texts::ShowEventsView), this))
    , codeWindow_(new QAction(toQString(code_texts::ShowCodeView), this))
    , statement_(new QAction(toQString(texts::ShowStatement), this))
    , help_(new QAction(toQString(help_texts::Title), this))
{
    motionWindow_->setShortcuts(desktopShortcuts(form::KeyAction::MotionView));
    motionWindow_->setShortcutContext(Qt::WindowShortcut);
    form.addAction(motionWindow_);
    eventsWindow_->setShortcuts(desktopShortcuts(form::KeyAction::EventsView));
    eventsWindow_->setShortcutContext(Qt::WindowShortcut);
    form.addAction(eventsWindow_);
    codeWindow_->setShortcuts(desktopShortcuts(form::KeyAction::CodeView));
    codeWindow_->setShortcutContext(Qt::WindowShortcut);
    form.addAction(codeWindow_);
    help_->setShortcuts(desktopShortcuts(form::KeyAction::Help));
    help_->setShortcutContext(Qt::WindowShortcut);
    form.addAction(help_);
    connect(help_, &QAction::triggered, this, [this] { showHelp(form_); });
    form.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&form, &QWidget::customContextMenuRequested, this, &MainWindowMenu::popUp);
    openContextMenusWithShiftF10(form);
}

void MainWindowMenu::popUp(const QPoint& at)
{
    if (!menu_) {
        menu_ = new QMenu(&form_);
        menu_->addAction(motionWindow_);
        menu_->addAction(eventsWindow_);
        menu_->addAction(codeWindow_);
        menu_->addAction(statement_);
        menu_->addAction(help_);
    }
    menu_->popup(form_.mapToGlobal(at));
}

} // namespace lodarix
