// Whole sessions of the real window from its creation to its destruction:
// load, trips, refusals, closing. Afterwards nothing of the window is left:
// no widget, no timer. In the sanitizer build LeakSanitizer checks at exit
// that no memory of ours leaked either.

#include "window_test_support.h"

#include <QApplication>
#include <QPointer>

using lodarix::LodarixWindow;
using namespace window_test;

class TestWindowLifetime : public QObject {
    Q_OBJECT

private slots:
    void aSessionLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("closed after arrival") << "close";
        QTest::newRow("destroyed during a trip") << "mid-trip";
        QTest::newRow("destroyed after a failed rule") << "error";
    }

    void aSessionLeavesNothingBehind()
    {
        QFETCH(QString, ending);
        QCOMPARE(QApplication::allWidgets().size(), 0);
        QPointer<QWidget> form;
        QPointer<QTimer> timer;
        {
            LodarixWindow window;
            QStringList errors;
            window.setErrorHandler(
                [&errors](const std::exception& error) { errors << error.what(); });
            QVERIFY(window.load());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window.form()));
            form = &window.form();
            timer = stepTimer(window);

            clickFloor(window, 5); // refused: the grille is open
            clickGrille(window, true);
            clickFloor(window, 10);
            for (int i = 0; i < 10; ++i)
                timerPeriod(window);
            clickFloor(window, 4); // refused: the grille opened on arrival
            clickGrille(window, true);
            clickFloor(window, 2);
            QCoreApplication::processEvents();
            if (ending == QLatin1String("mid-trip")) {
                timerPeriod(window);
                QVERIFY(timer->isActive());
            } else {
                for (int i = 0; i < 8; ++i)
                    timerPeriod(window);
                QVERIFY(!timer->isActive());
            }
            if (ending == QLatin1String("error")) {
                window.handleEvent([&window] { window.operations().floorName(11); });
                QCOMPARE(errors.size(), 1);
            } else {
                QVERIFY(errors.isEmpty());
            }
            if (ending == QLatin1String("close")) {
                QVERIFY(window.form().close());
                QVERIFY(!window.form().isVisible());
            }
        }
        QVERIFY(form.isNull());
        QVERIFY(timer.isNull());
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::allWidgets().size(), 0);
    }
};

QTEST_MAIN(TestWindowLifetime)
#include "tst_window_lifetime.moc"
