// The main window's help: F1 from any control opens one window-modal box
// with the floor colours (each beside its swatch), the grille's rule and the
// keys, in the core's words; Escape closes it, and the rules go on as before.

#include "window_test_support.h"

#include "core/form/help.h"
#include "core/lift/colors.h"
#include "desktop/window/help_box.h"
#include "desktop/window/main_window_menu.h"
#include "desktop/window/qt_text.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextDocument>

using lodarix::LodarixWindow;
using lodarix::toQString;
using namespace window_test;

namespace {

QMessageBox* openHelp(const QWidget& form)
{
    return form.findChild<QMessageBox*>(QStringLiteral("help"));
}

} // namespace

class TestHelpBox : public QObject {
    Q_OBJECT

private slots:
    void itSaysTheColoursAndEveryKeyInTheCoresWords()
    {
        const lodarix::form::Help help = lodarix::form::help(lodarix::form::Face::Desktop);
        QTextDocument document;
        document.setHtml(lodarix::helpText());
        const QString text = document.toPlainText();
        QVERIFY(text.contains(toQString(help.grilleRule)));
        for (const auto& colour : help.colours) {
            QVERIFY(text.contains(toQString(colour.meaning)));
            QVERIFY(lodarix::helpText().contains(toQString(lodarix::lift::toHexRgb(colour.color))));
        }
        for (const auto& key : help.keys) {
            QVERIFY2(text.contains(toQString(key.keys)), key.keys.data());
            QVERIFY(text.contains(toQString(key.does)));
        }
        QVERIFY(text.contains(QStringLiteral("F1")));
        QVERIFY(text.contains(QStringLiteral("Shift+F10")));
        QVERIFY2(!text.contains(QStringLiteral("Esc")), "the page's own keys stay in the page");
    }

    void f1OpensOneBoxFromAnyControlAndEscapeClosesIt()
    {
        LodarixWindow window;
        QVERIFY(window.load());
        new lodarix::MainWindowMenu(window.form());
        window.show();
        for (QWidget* control : {static_cast<QWidget*>(floorButton(window, 4)),
                                 control<QWidget>(window, "Text1", 0)}) {
            window.form().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window.form()));
            control->setFocus();
            QTest::keyClick(control, Qt::Key_F1);
            QMessageBox* box = openHelp(window.form());
            QVERIFY(box);
            QTRY_VERIFY(box->isVisible());
            QCOMPARE(box->windowModality(), Qt::WindowModal);
            QCOMPARE(box->text(), lodarix::helpText());
            QCOMPARE(lodarix::showHelp(window.form()), box);
            QCOMPARE(window.form().findChildren<QMessageBox*>().size(), 1);
            QTest::keyClick(box, Qt::Key_Escape);
            QTRY_VERIFY(!openHelp(window.form()));
        }
        clickGrille(window, true);
        clickFloor(window, 2);
        QCOMPARE(markers(window), QStringLiteral("citiiiiiiii"));
    }
};

QTEST_MAIN(TestHelpBox)
#include "tst_help_box.moc"
