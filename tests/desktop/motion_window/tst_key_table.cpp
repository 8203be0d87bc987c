// The keys' table against the desktop: each row the desktop has is in its
// help, and its bound keys are bound in the window that acts on them (the
// main window, the motion window or the code window); the
// page's own rows are in neither; and the windows bind no key the table
// does not list, so the help cannot leave out a key that works. A control's
// tip that names its keys names the table's.

#include "app/lodarix/code_host.h"
#include "core/form/help.h"
#include "core/form/key_table.h"
#include "core/texts/code_view_texts.h"
#include "core/texts/motion_window_texts.h"
#include "core/texts/page_screen_texts.h"
#include "desktop/code_window/code_window.h"
#include "desktop/window/key_sequences.h"
#include "motion_session.h"

#include <QAction>
#include <QShortcut>

#include <algorithm>

using namespace lodarix;

using motion_test::MotionSession;

namespace {

QList<QKeySequence> boundIn(const QWidget& window)
{
    QList<QKeySequence> keys;
    for (const QAction* action : window.actions())
        keys += action->shortcuts();
    for (const QShortcut* shortcut : window.findChildren<QShortcut*>(Qt::FindDirectChildrenOnly))
        keys += shortcut->keys();
    return keys;
}

bool inHelp(const form::KeyRow& row)
{
    const form::Help help = form::help(form::Face::Desktop);
    return std::ranges::any_of(help.keys, [&row](const form::HelpKey& key) {
        return key.keys == row.keysWords && key.does == row.does;
    });
}

} // namespace

class TestKeyTable : public QObject {
    Q_OBJECT

private slots:
    void aRowIsInTheHelpAndBoundWhereItActsOrInNeither_data()
    {
        QTest::addColumn<form::KeyAction>("action");
        QTest::addColumn<QStringList>("actsIn"); // the windows that bind its keys
        const auto row = [](form::KeyAction action, const QStringList& actsIn) {
            QTest::newRow(form::keyRow(action).id.data()) << action << actsIn;
        };
        const QString main = QStringLiteral("main");
        const QString motion = QStringLiteral("motion");
        const QString code = QStringLiteral("code");
        row(form::KeyAction::NextControl, {});
        row(form::KeyAction::Arrows, {});
        row(form::KeyAction::Choose, {});
        row(form::KeyAction::Help, {main});
        row(form::KeyAction::MotionView, {main});
        row(form::KeyAction::EventsView, {main});
        row(form::KeyAction::CodeView, {main});
        row(form::KeyAction::Pause, {motion});
        row(form::KeyAction::Step, {motion});
        row(form::KeyAction::NextLine, {code});
        row(form::KeyAction::ReadLine, {code});
        row(form::KeyAction::RunCode, {code});
        row(form::KeyAction::WindowMenu, {main, motion, code});
        row(form::KeyAction::Close, {});
    }

    void aRowIsInTheHelpAndBoundWhereItActsOrInNeither()
    {
        QFETCH(form::KeyAction, action);
        QFETCH(QStringList, actsIn);
        MotionSession session;
        CodeHost code(session.window, session.host.menu());
        const QList<QKeySequence> main = boundIn(session.window.form());
        const QList<QKeySequence> motion = boundIn(session.openMotionWindow());
        code.openCodeWindow();
        const QList<QKeySequence> codeKeys = boundIn(*code.codeWindow());
        const form::KeyRow& row = form::keyRow(action);
        const bool desktop = form::has(row.faces, form::Face::Desktop);
        QCOMPARE(inHelp(row), desktop);
        QCOMPARE(!actsIn.isEmpty(), desktop && std::ranges::any_of(row.keys, &form::Key::bound));
        for (const form::Key& key : row.keys) {
            const QKeySequence keys = keySequence(key);
            QVERIFY2(!keys.isEmpty(), key.name.data());
            const bool bound = desktop && key.bound;
            QCOMPARE(main.contains(keys), bound && actsIn.contains(QLatin1String("main")));
            QCOMPARE(motion.contains(keys), bound && actsIn.contains(QLatin1String("motion")));
            QCOMPARE(codeKeys.contains(keys), bound && actsIn.contains(QLatin1String("code")));
        }
    }

    void theWindowsBindOnlyTheTablesKeys()
    {
        MotionSession session;
        CodeHost code(session.window, session.host.menu());
        code.openCodeWindow();
        QList<QKeySequence> listed;
        for (const form::KeyRow& row : form::KeyTable)
            listed += desktopShortcuts(row.action);
        for (const QWidget* window : {static_cast<QWidget*>(&session.window.form()),
                                      static_cast<QWidget*>(&session.openMotionWindow()),
                                      static_cast<QWidget*>(code.codeWindow())}) {
            for (const QKeySequence& keys : boundIn(*window))
                QVERIFY2(listed.contains(keys), qPrintable(keys.toString()));
        }
    }

    void aTipNamesItsKeysAsTheTableDoes_data()
    {
        QTest::addColumn<QString>("tip");
        QTest::addColumn<int>("action");
        const auto row = [](const char* name, std::string_view tip, form::KeyAction action) {
            QTest::newRow(name) << QString::fromUtf8(tip.data(), qsizetype(tip.size()))
                                << int(action);
        };
        row("pause", motion_texts::PauseTip, form::KeyAction::Pause);
        row("continue", motion_texts::ContinueTip, form::KeyAction::Pause);
        row("step", motion_texts::StepTip, form::KeyAction::Step);
        row("help", page_screen_texts::HelpTip, form::KeyAction::Help);
        row("nextLine", code_texts::NextLineTip, form::KeyAction::NextLine);
        row("readLine", code_texts::ReadLineTip, form::KeyAction::ReadLine);
    }

    void aTipNamesItsKeysAsTheTableDoes()
    {
        QFETCH(QString, tip);
        QFETCH(int, action);
        const std::string_view keys = form::keyRow(form::KeyAction(action)).keysWords;
        QVERIFY2(tip.endsWith(QStringLiteral(" (%1)").arg(
                     QString::fromUtf8(keys.data(), qsizetype(keys.size())))),
                 qPrintable(tip));
    }
};

QTEST_MAIN(TestKeyTable)
#include "tst_key_table.moc"
