// The window at work: load, trips through real clicks with the step timer
// driven through its own expiry, refusals, grille clicks, double-clicks,
// keyboard use and the focus, the status box's line ends and scrolling, and
// the run-time error path.

#include "window_test_support.h"

#include "core/lift/run_time_error.h"
#include "desktop/window/run_time_error_report.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>

#include <functional>

using namespace lodarix;

using lodarix::LodarixWindow;
using namespace window_test;

using Operation = std::function<void(lift::WindowOperations&)>;
Q_DECLARE_METATYPE(Operation)

namespace {

const QString Up = QStringLiteral("Асансьорът се качва!\n");
const QString Down = QStringLiteral("Асансьорът слиза!\n");
const QString Last = QStringLiteral("Последна спирка!\n");

bool grilleClosed(const LodarixWindow& window)
{
    return control<QRadioButton>(window, "Option2", 0)->isChecked();
}

bool isDark(QRgb pixel)
{
    return QColor(pixel).lightness() < 80;
}

// The two rows and columns of pixels just inside a button's 2-pixel border.
bool justInsideTheBorder(const QRect& button, QPoint at)
{
    const int fromEdge = std::min({at.x() - button.left(), button.right() - at.x(),
                                   at.y() - button.top(), button.bottom() - at.y()});
    return fromEdge == 2 || fromEdge == 3;
}

// Records the mouse events a widget receives, by type.
class MouseEvents : public QObject {
public:
    QList<QEvent::Type> received;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            received << event->type();
            break;
        default:
            break;
        }
        return false;
    }
};

struct LoadedWindow {
    LoadedWindow()
    {
        window.setErrorHandler([this](const std::exception& error) { errors << error.what(); });
        window.load();
        window.show();
    }
    // Shown and active, with a trip to floor 4 under way.
    bool activeOnATripToFloor4()
    {
        if (!QTest::qWaitForWindowActive(&window.form()))
            return false;
        clickGrille(window, true);
        clickFloor(window, 3);
        return true;
    }
    LodarixWindow window;
    QStringList errors;
};

} // namespace

class TestLodarixWindow : public QObject {
    Q_OBJECT

private slots:
    void loadStopsTheTimerHidesTheListAndOpensTheGrille()
    {
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        QVERIFY(!stepTimer(window)->isActive());
        QVERIFY(control(window, "List1")->isHidden());
        QVERIFY(control<QRadioButton>(window, "Option2", 1)->isChecked());
        QVERIFY(!grilleClosed(window));
        for (int i = 0; i < 11; ++i)
            QVERIFY(!floorButton(window, i)->isChecked());
        QCOMPARE(markers(window), QStringLiteral("ciiiiiiiiii"));
        QVERIFY(loaded.errors.isEmpty());
    }

    void theTimerNeverFiresBeforeLoad()
    {
        LodarixWindow window;
        QSignalSpy steps(stepTimer(window), &QTimer::timeout);
        window.load();
        QCoreApplication::processEvents();
        QVERIFY(!stepTimer(window)->isActive());
        QCOMPARE(steps.count(), 0);
    }

    void theWorkedExampleThroughClicks()
    {
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        clickGrille(window, true);
        QVERIFY(grilleClosed(window));
        clickFloor(window, 3);
        QVERIFY(floorButton(window, 3)->isChecked());
        QCOMPARE(markers(window), QStringLiteral("ciitiiiiiii"));
        QCOMPARE(statusText(window), Up + QStringLiteral("Етаж I\n"));
        QVERIFY(stepTimer(window)->isActive());

        timerPeriod(window);
        QCOMPARE(markers(window), QStringLiteral("icitiiiiiii"));
        timerPeriod(window);
        timerPeriod(window);
        QCOMPARE(markers(window), QStringLiteral("iiiciiiiiii"));
        QCOMPARE(statusText(window),
                 Up + QStringLiteral("Етаж I\nЕтаж II\nЕтаж III\nЕтаж IV\n") + Last);
        QVERIFY(!stepTimer(window)->isActive());
        QVERIFY(control<QRadioButton>(window, "Option2", 1)->isChecked());
        QCOMPARE(window.controller().CurrentFloor(), lift::FloorIndex(3));
        QVERIFY(loaded.errors.isEmpty());
    }

    void theRealTimerStepsEveryPeriod()
    {
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        clickGrille(window, true);
        clickFloor(window, 1);
        QSignalSpy steps(stepTimer(window), &QTimer::timeout);
        QVERIFY(steps.wait(2000));
        QCOMPARE(markers(window), QStringLiteral("iciiiiiiiii"));
        QVERIFY(statusText(window).endsWith(QStringLiteral("Етаж II\n") + Last));
        QVERIFY(!stepTimer(window)->isActive());
    }

    void aDoubleClickIsOnePick_data()
    {
        QTest::addColumn<bool>("grilleClosed");
        QTest::addColumn<int>("floor");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("colours");
        QTest::newRow("a trip up starts from the cabin's floor")
            << true << 5 << Up + QStringLiteral("Етаж I\n") << QStringLiteral("ciiiitiiiii");
        QTest::newRow("the cabin's own floor logs it once")
            << true << 0 << QStringLiteral("Етаж I\n") << QStringLiteral("tiiiiiiiiii");
        QTest::newRow("a refusal while the grille is open")
            << false << 5 << QStringLiteral("Затворете предпазната решетка!")
            << QStringLiteral("ciiiiiiiiii");
    }

    void aDoubleClickIsOnePick()
    {
        QFETCH(bool, grilleClosed);
        QFETCH(int, floor);
        QFETCH(QString, status);
        QFETCH(QString, colours);
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        QVERIFY(QTest::qWaitForWindowExposed(&loaded.window.form()));
        if (grilleClosed)
            clickGrille(window, true);
        lodarix::FloorButton* button = floorButton(window, floor);
        MouseEvents events;
        button->installEventFilter(&events);
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        const QString before = statusText(window);

        doubleClick(button);
        QCOMPARE(events.received,
                 (QList<QEvent::Type>{QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                      QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(button->isChecked());
        QVERIFY(!button->isDown());
        QCOMPARE(window.controller().CurrentFloor(), lift::FloorIndex(0));
        QCOMPARE(statusText(window), floor == 0 && grilleClosed ? before + status : status);
        QCOMPARE(markers(window), colours);
        QVERIFY(loaded.errors.isEmpty());
    }

    void aDoubleClickOnAGrilleButtonClicksItOnce_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("closed") << 0;
        QTest::newRow("open") << 1;
    }

    void aDoubleClickOnAGrilleButtonClicksItOnce()
    {
        QFETCH(int, index);
        LoadedWindow loaded;
        QVERIFY(QTest::qWaitForWindowExposed(&loaded.window.form()));
        auto* button = control<QRadioButton>(loaded.window, "Option2", index);
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        doubleClick(button, QPoint(8, button->height() / 2));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(button->isChecked());
        QVERIFY(!button->isDown());
    }

    void aClickOnTheSelectedFloorButtonStillPicks()
    {
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        clickFloor(window, 6);
        QCOMPARE(statusText(window), QStringLiteral("Затворете предпазната решетка!"));
        clickGrille(window, true);
        clickFloor(window, 6);
        QCOMPARE(statusText(window), Up + QStringLiteral("Етаж I\n"));
        QCOMPARE(markers(window), QStringLiteral("ciiiiitiiii"));
    }

    void aRefusedPickKeepsTheButtonSelectedAndItsColour()
    {
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        clickFloor(window, 6);
        QVERIFY(floorButton(window, 6)->isChecked());
        QCOMPARE(floorButton(window, 6)->marker(), lift::ColorIdle);
        QCOMPARE(statusText(window), QStringLiteral("Затворете предпазната решетка!"));
        QCOMPARE(markers(window), QStringLiteral("ciiiiiiiiii"));
        QVERIFY(!stepTimer(window)->isActive());
    }

    void grilleClicksRunNoRule()
    {
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        const QString before = statusText(window);
        clickGrille(window, true);
        clickGrille(window, false);
        clickGrille(window, true);
        QCOMPARE(statusText(window), before);
        QCOMPARE(markers(window), QStringLiteral("ciiiiiiiiii"));
        QVERIFY(!stepTimer(window)->isActive());
        QVERIFY(grilleClosed(window));
    }

    void aPickDuringATripStartsFromTheOldTarget()
    {
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        clickGrille(window, true);
        clickFloor(window, 5);
        timerPeriod(window);
        timerPeriod(window);
        clickFloor(window, 3);
        QCOMPARE(markers(window), QStringLiteral("iiiticiiiii"));
        QCOMPARE(statusText(window), Down + QStringLiteral("Етаж VI\n"));
        timerPeriod(window);
        timerPeriod(window);
        QCOMPARE(statusText(window), Down + QStringLiteral("Етаж VI\nЕтаж V\nЕтаж IV\n") + Last);
        QCOMPARE(markers(window), QStringLiteral("iiiciiiiiii"));
    }

    void startingTheRunningTimerRestartsItsPeriod()
    {
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        clickGrille(window, true);
        clickFloor(window, 10);
        QTimer* timer = stepTimer(window);
        QTRY_VERIFY(timer->remainingTime() < 700);
        // However long the machine takes to get here, a period begun anew has
        // more left than the old one could have.
        QElapsedTimer sinceRestart;
        sinceRestart.start();
        clickFloor(window, 9);
        const int remaining = timer->remainingTime();
        QVERIFY2(remaining > 750 - sinceRestart.elapsed(), qPrintable(QString::number(remaining)));
    }

    void statusLineEndsAreCrLfAtTheBinding()
    {
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        window.operations().setStatusText("one\r\ntwo\r\n");
        QCOMPARE(statusText(window), QStringLiteral("one\ntwo\n"));
        QCOMPARE(window.operations().statusText(), std::string("one\r\ntwo\r\n"));
        QCOMPARE(window.operations().statusText().size(), std::size_t(10));
        const std::string statement = window.operations().statusText();
        QVERIFY(statement.find("\r\n") != std::string::npos);
        QCOMPARE(statement.find('\n', 0) - 1, statement.find('\r', 0));
    }

    void theStatusBoxShowsItsNewestLine()
    {
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        clickGrille(window, true);
        clickFloor(window, 10);
        for (int i = 0; i < 10; ++i)
            timerPeriod(window);
        QScrollBar* bar = control<QPlainTextEdit>(window, "Text1", 0)->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
    }

    void hiddenFloorNamesStayReadable()
    {
        LoadedWindow loaded;
        QVERIFY(!control(loaded.window, "List1")->isVisible());
        QCOMPARE(loaded.window.operations().floorName(7), std::string("Етаж VIII"));
    }

    void arrowKeysMoveTheFocusAndSpaceSelects()
    {
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        QVERIFY(QTest::qWaitForWindowActive(&window.form()));
        clickGrille(window, true);
        floorButton(window, 4)->setFocus();
        QTest::keyClick(floorButton(window, 4), Qt::Key_Right);
        QVERIFY(floorButton(window, 5)->hasFocus());
        QTest::keyClick(floorButton(window, 5), Qt::Key_Left);
        QTest::keyClick(floorButton(window, 4), Qt::Key_Up);
        QVERIFY(floorButton(window, 3)->hasFocus());
        QVERIFY(!stepTimer(window)->isActive());
        QTest::keyClick(floorButton(window, 3), Qt::Key_Space);
        QVERIFY(floorButton(window, 3)->isChecked());
        QCOMPARE(markers(window), QStringLiteral("ciitiiiiiii"));

        floorButton(window, 0)->setFocus();
        QTest::keyClick(floorButton(window, 0), Qt::Key_Left);
        QVERIFY2(floorButton(window, 10)->hasFocus(), "the focus wraps round");

        auto* open = control<QRadioButton>(window, "Option2", 1);
        auto* closed = control<QRadioButton>(window, "Option2", 0);
        closed->setFocus();
        QTest::keyClick(closed, Qt::Key_Down);
        QVERIFY(open->hasFocus());
        QVERIFY(closed->isChecked());
        QTest::keyClick(open, Qt::Key_Space);
        QVERIFY(open->isChecked());
    }

    void theStatusBoxHasTheFocusWhenTheWindowFirstShows()
    {
        LoadedWindow loaded;
        QVERIFY(QTest::qWaitForWindowActive(&loaded.window.form()));
        QWidget* status = control(loaded.window, "Text1", 0);
        QCOMPARE(QApplication::focusWidget(), status);
        QTest::keyClick(status, Qt::Key_Space);
        for (int i = 0; i < 11; ++i)
            QVERIFY(!floorButton(loaded.window, i)->isChecked());
    }

    void aFocusedFloorButtonShowsADottedFrameAndItsNumberUnchanged_data()
    {
        QTest::addColumn<int>("floor");
        QTest::newRow("the picked final stop, pressed") << 3;
        QTest::newRow("the cabin's floor") << 0;
        QTest::newRow("a free floor with two digits") << 9;
    }

    void aFocusedFloorButtonShowsADottedFrameAndItsNumberUnchanged()
    {
        QFETCH(int, floor);
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        QVERIFY(loaded.activeOnATripToFloor4());
        lodarix::FloorButton* button = floorButton(window, floor);
        control(window, "Text1", 0)->setFocus();
        QVERIFY(!button->hasFocus());
        const QImage unfocused = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        lodarix::FloorButton* before = floorButton(window, (floor + 10) % 11);
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Right);
        QVERIFY(button->hasFocus());
        const QImage focused = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(focused.size(), unfocused.size());

        int dots = 0;
        int darkWhenUnfocused = 0;
        const auto changed = [&](int x, int y) {
            return focused.valid(x, y) && focused.pixel(x, y) != unfocused.pixel(x, y);
        };
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                if (!justInsideTheBorder(focused.rect(), QPoint(x, y))) {
                    QVERIFY2(!changed(x, y),
                             qPrintable(QStringLiteral("the focus changed %1,%2, off its frame")
                                            .arg(x)
                                            .arg(y)));
                    continue;
                }
                darkWhenUnfocused += isDark(unfocused.pixel(x, y));
                if (changed(x, y)) {
                    QVERIFY(isDark(focused.pixel(x, y)));
                    QVERIFY2(!changed(x + 1, y) && !changed(x, y + 1), "dots, not a line");
                    ++dots;
                }
            }
        }
        QVERIFY2(dots >= 20, qPrintable(QStringLiteral("%1 dots").arg(dots)));
        QVERIFY(darkWhenUnfocused < dots / 4);
        QCOMPARE(button->font().underline(), false);
    }

    void aFloorButtonFocusedByKeyboardStillShowsItsMarker_data()
    {
        QTest::addColumn<int>("focused");
        QTest::addColumn<QColor>("color");
        QTest::newRow("the picked final stop") << 3 << QColor(128, 128, 255);
        QTest::newRow("the cabin's floor") << 0 << QColor(255, 128, 128);
        QTest::newRow("a free floor") << 7 << QColor(0, 255, 0);
    }

    void aFloorButtonFocusedByKeyboardStillShowsItsMarker()
    {
        QFETCH(int, focused);
        QFETCH(QColor, color);
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        QVERIFY(loaded.activeOnATripToFloor4());
        // The focus comes by keyboard, which is when a focus frame shows.
        lodarix::FloorButton* before = floorButton(window, (focused + 10) % 11);
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Right);
        QVERIFY(floorButton(window, focused)->hasFocus());
        QCOMPARE(dominantColor(floorButton(window, focused)), color);
    }

    void aBadIndexAtTheBindingIsARunTimeError_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("where");
        QTest::newRow("paint past the top")
            << Operation([](lift::WindowOperations& w) { w.paintFloorButton(11, lift::ColorIdle); })
            << "Option1(11).BackColor";
        QTest::newRow("paint below the ground")
            << Operation([](lift::WindowOperations& w) { w.paintFloorButton(-1, lift::ColorIdle); })
            << "Option1(-1).BackColor";
        QTest::newRow("name past the list")
            << Operation([](lift::WindowOperations& w) { w.floorName(11); }) << "List1.List(11)";
        QTest::newRow("name before the list")
            << Operation([](lift::WindowOperations& w) { w.floorName(-1); }) << "List1.List(-1)";
    }

    void aBadIndexAtTheBindingIsARunTimeError()
    {
        QFETCH(Operation, operation);
        QFETCH(QString, where);
        LoadedWindow loaded;
        try {
            operation(loaded.window.operations());
            QFAIL("no run-time error");
        } catch (const lift::RunTimeError& error) {
            QCOMPARE(QString::fromStdString(error.where()), where);
        }
    }

    void aFailingRuleStopsTheStepsAndReachesTheHandler()
    {
        LoadedWindow loaded;
        LodarixWindow& window = loaded.window;
        clickGrille(window, true);
        clickFloor(window, 4);
        QVERIFY(stepTimer(window)->isActive());
        const bool succeeded = window.handleEvent(
            [&window] { window.operations().paintFloorButton(11, lift::ColorTarget); });
        QVERIFY(!succeeded);
        QCOMPARE(loaded.errors.size(), 1);
        QVERIFY(loaded.errors.first().startsWith(QStringLiteral("Option1(11).BackColor")));
        QVERIFY(!stepTimer(window)->isActive());
    }

    void byDefaultAnErrorIsShownAndEndsTheProgram()
    {
        LodarixWindow window;
        window.load();
        window.show();
        QString shown;
        QTimer::singleShot(0, &window.form(), [&window] {
            window.handleEvent([&window] { window.operations().floorName(12); });
        });
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        closer.start(10);
        QCOMPARE(QCoreApplication::exec(), LodarixWindow::RunTimeErrorExitCode);
        QVERIFY(shown.contains(QStringLiteral("List1")));
        QVERIFY(shown.contains(QStringLiteral("12")));
    }

    void theErrorReportNamesControlIndexAndOperation()
    {
        const QString text = lodarix::runTimeErrorText(
            lift::RunTimeError("Option1", 11, "BackColor", "no such control or element"));
        QVERIFY(text.contains(QStringLiteral("Option1")));
        QVERIFY(text.contains(QStringLiteral("11")));
        QVERIFY(text.contains(QStringLiteral("BackColor")));
        QVERIFY(text.contains(QStringLiteral("Грешка при изпълнение")));
    }
};

QTEST_MAIN(TestLodarixWindow)
#include "tst_lodarix_window.moc"
