// The built program in a real X server: the window's size and the floor
// buttons' colours as a screenshot shows them, at start and through a trip
// picked with real mouse clicks, at scale 1 and 2; and a session that ends
// with the window closed, after which the program exits cleanly (in the
// sanitizer build, that includes LeakSanitizer's check at exit).

#include "main_window_shots.h"
#include "x_server.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace main_window;

namespace {

const QColor FormBackground(192, 192, 255);

} // namespace

class TestLodarixEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void aTripSeenFromOutside_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("scale 1") << 1;
        QTest::newRow("scale 2") << 2;
    }

    void aTripSeenFromOutside()
    {
        QFETCH(int, scale);
        XServer x;
        QVERIFY2(x.start(QSize(1280, 1024)), "Xvfb did not start");

        QProcess program;
        QProcessEnvironment environment = x.environment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(LODARIX_PROGRAM), {});
        QVERIFY(program.waitForStarted());

        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(!(window = x.findWindow(TitleText)).isEmpty(), 20000);
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = x.grab(window)).pixelColor(2 * scale, 300 * scale) == FormBackground, 20000);
        QCOMPARE(shot.size(), QSize(461, 345) * scale);
        QCOMPARE(markers(shot, scale), QStringLiteral("ciiiiiiiiii"));

        // The closed grille button, then the floor button "11": ten steps,
        // long enough to see the cabin on its way even on a busy machine.
        QVERIFY(x.click(window, grilleClosedButton() * scale));
        QVERIFY(x.click(window, floorButton(10).center() * scale));
        const QRegularExpression onItsWay(QStringLiteral("^i*ci*t$"));
        QTRY_VERIFY_WITH_TIMEOUT(onItsWay.match(markers(x.grab(window), scale)).hasMatch(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(markers(x.grab(window), scale), QStringLiteral("iiiiiiiiiic"),
                                  20000);

        program.terminate();
        QVERIFY(program.waitForFinished(10000));
    }

    void closingTheWindowEndsTheProgramCleanly()
    {
        XServer x;
        QVERIFY2(x.start(QSize(1280, 1024)), "Xvfb did not start");
        QProcess program;
        program.setProcessEnvironment(x.environment());
        program.start(QStringLiteral(LODARIX_PROGRAM), {});
        QVERIFY(program.waitForStarted());

        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(!(window = x.findWindow(TitleText)).isEmpty(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(markers(x.grab(window), 1), QStringLiteral("ciiiiiiiiii"), 20000);
        QVERIFY(x.click(window, floorButton(4).center())); // refused: the grille is open
        QVERIFY(x.click(window, grilleClosedButton()));
        QVERIFY(x.click(window, floorButton(2).center()));
        QTRY_COMPARE_WITH_TIMEOUT(markers(x.grab(window), 1), QStringLiteral("iiciiiiiiii"), 10000);
        // Now and then, on a server without a window manager, the toolkit lets
        // a close request pass unnoticed (the window stays mapped, the program
        // idle); the request is sent again, as a person would click again. On
        // a loaded machine the program may take some seconds to end.
        bool finished = false;
        for (int attempt = 0; attempt < 15 && !finished; ++attempt) {
            QVERIFY(x.close(window));
            finished = program.waitForFinished(4000);
        }
        const QByteArray errors = program.readAllStandardError();
        if (!finished)
            program.kill();
        QVERIFY2(finished, "the program went on after its window was closed");
        QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
                 errors.constData());
        QVERIFY2(!errors.contains("Sanitizer"), errors.constData());
    }
};

QTEST_GUILESS_MAIN(TestLodarixEndToEnd)
#include "tst_lodarix_e2e.moc"
