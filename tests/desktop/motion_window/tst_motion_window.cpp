// The motion window in a session of the main window: F2 and the main
// window's context menu open it (the text boxes keep their own menus),
// "Покажи условието" brings the exercise statement back, the main window
// looks as it did, the position graph draws the path, the graphs tell the
// latest trip to assistive technology, the workbook holds the record at the
// storey height in force, and saving fails cleanly and leaves no settings of
// Qt's file dialog behind.

#include "core/texts/main_window_texts.h"
#include "core/workbook/motion_workbook.h"
#include "desktop/motion_window/position_graph.h"
#include "desktop/motion_window/record_files.h"
#include "desktop/window/main_window_menu.h"
#include "desktop/window/qt_text.h"
#include "motion_session.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace lodarix;

using motion_test::MotionSession;
using namespace window_test;

namespace {

QWidget* widgetNamed(const MotionSession& session, const QString& name)
{
    if (name == QLatin1String("background"))
        return &const_cast<MotionSession&>(session).window.form();
    const QStringList parts = name.split(QLatin1Char('_'));
    return control(session.window, qPrintable(parts.at(0)),
                   parts.size() > 1 ? std::optional<int>(parts.at(1).toInt()) : std::nullopt);
}

// A right click as the platform delivers it, through the window.
void rightClick(QWidget* widget, QPoint at = QPoint(4, 4))
{
    QTest::mouseClick(widget->window()->windowHandle(), Qt::RightButton, {},
                      widget->mapTo(widget->window(), at));
}

QMenu* openPopup()
{
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

void closePopups()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

// Runs act, answers the message box it opens and returns its text.
QString messageOf(const std::function<void()>& act)
{
    QString text;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
    answer.start(10);
    act();
    return text;
}

// The topmost and lowest rows where the graph shows its path's colour, and
// the columns where they are.
struct Extent {
    QPoint top{0, 1 << 20};
    QPoint bottom{0, -1};
};

Extent pathExtent(QWidget* graph)
{
    const QImage image = graph->grab().toImage();
    Extent extent;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const QColor path = lodarix::PositionGraph::PathColor;
            if (std::abs(pixel.red() - path.red()) + std::abs(pixel.green() - path.green())
                    + std::abs(pixel.blue() - path.blue())
                > 60)
                continue;
            if (y < extent.top.y())
                extent.top = {x, y};
            if (y > extent.bottom.y())
                extent.bottom = {x, y};
        }
    }
    return extent;
}

} // namespace

class TestMotionWindow : public QObject {
    Q_OBJECT

private slots:
    void f2OpensItWhicheverControlHasTheFocus_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::newRow("a floor button") << "Option1_4";
        QTest::newRow("a grille button") << "Option2_0";
        QTest::newRow("the status box") << "Text1_0";
        QTest::newRow("the quotation box") << "Text1_1";
    }

    void f2OpensItWhicheverControlHasTheFocus()
    {
        QFETCH(QString, focused);
        MotionSession session;
        QVERIFY(QTest::qWaitForWindowActive(&session.window.form()));
        QWidget* control = widgetNamed(session, focused);
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control, Qt::Key_F2);
        lodarix::MotionWindow* motionWindow = session.host.motionWindow();
        QVERIFY(motionWindow);
        QVERIFY(motionWindow->isVisible());
        QCOMPARE(motionWindow->windowTitle(), QStringLiteral("Lodarix - графика на движението"));
        QVERIFY(QTest::qWaitForWindowActive(motionWindow));

        // Closing hides it; F2 again brings the same window back to the front.
        motionWindow->close();
        QVERIFY(!motionWindow->isVisible());
        session.window.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&session.window.form()));
        QTest::keyClick(control, Qt::Key_F2);
        QCOMPARE(session.host.motionWindow(), motionWindow);
        QVERIFY(QTest::qWaitForWindowActive(motionWindow));
    }

    void theContextMenuOpensIt_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("a right click on the background") << "background" << false;
        QTest::newRow("a right click on the title") << "Label1_0" << false;
        QTest::newRow("a right click on the grille's frame") << "Frame1" << false;
        QTest::newRow("a right click on a floor button") << "Option1_6" << false;
        QTest::newRow("Shift+F10 on a floor button") << "Option1_6" << true;
        QTest::newRow("Shift+F10 on a grille button") << "Option2_1" << true;
    }

    void theContextMenuOpensIt()
    {
        QFETCH(QString, target);
        QFETCH(bool, byKeyboard);
        MotionSession session;
        QVERIFY(QTest::qWaitForWindowActive(&session.window.form()));
        QWidget* widget = widgetNamed(session, target);
        if (byKeyboard) {
            widget->setFocus(Qt::TabFocusReason);
            QTest::keyClick(widget, Qt::Key_F10, Qt::ShiftModifier);
        } else {
            rightClick(widget);
        }
        QMenu* menu = openPopup();
        QVERIFY(menu);
        QCOMPARE(menu, session.host.menu().menu());
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 5);
        QCOMPARE(items.at(0)->text(), QStringLiteral("Графика на движението"));
        QCOMPARE(items.at(0)->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(items.at(1)->text(), QStringLiteral("Събития"));
        QCOMPARE(items.at(1)->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(items.at(2)->text(), QStringLiteral("Код"));
        QCOMPARE(items.at(2)->shortcut(), QKeySequence(Qt::Key_F4));
        QCOMPARE(items.at(3)->text(), QStringLiteral("Покажи условието"));
        QCOMPARE(items.at(4)->text(), QStringLiteral("Помощ"));
        QCOMPARE(items.at(4)->shortcut(), QKeySequence(Qt::Key_F1));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(items.at(0)).center());
        QVERIFY(session.host.motionWindow());
        QVERIFY(session.host.motionWindow()->isVisible());
    }

    void theTextBoxesKeepTheirOwnMenus_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("a right click in the status box") << 0 << false;
        QTest::newRow("a right click in the quotation box") << 1 << false;
        QTest::newRow("Shift+F10 in the status box") << 0 << true;
    }

    void theTextBoxesKeepTheirOwnMenus()
    {
        QFETCH(int, box);
        QFETCH(bool, byKeyboard);
        MotionSession session;
        QVERIFY(QTest::qWaitForWindowActive(&session.window.form()));
        auto* text = control<QPlainTextEdit>(session.window, "Text1", box);
        if (byKeyboard) {
            text->setFocus(Qt::TabFocusReason);
            QTest::keyClick(text, Qt::Key_F10, Qt::ShiftModifier);
        } else {
            rightClick(text->viewport(), QPoint(20, 20));
        }
        QMenu* menu = openPopup();
        QVERIFY(menu);
        QVERIFY(menu != session.host.menu().menu());
        QVERIFY(menu->actions().size() > 2);
        closePopups();
    }

    void theStatementComesBack()
    {
        MotionSession session;
        const QString statement =
            lodarix::toQString(lodarix::texts::ExerciseStatement).replace("\r\n", "\n");
        QCOMPARE(statusText(session.window), statement);
        session.tripTo(2);
        timerPeriod(session.window);
        QVERIFY(statusText(session.window) != statement);
        rightClick(&session.window.form());
        QMenu* menu = openPopup();
        QVERIFY(menu);
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(menu->actions().at(3)).center());
        QCOMPARE(statusText(session.window), statement);
        // The rules go on as before, appending to what the box now holds.
        timerPeriod(session.window);
        QVERIFY(statusText(session.window).startsWith(statement));
        QCOMPARE(session.window.controller().CurrentFloor(), lift::FloorIndex(2));
    }

    void theMainWindowLooksAsItDid()
    {
        QImage plainImage;
        {
            lodarix::LodarixWindow plain;
            plain.load();
            plain.show();
            QVERIFY(QTest::qWaitForWindowActive(&plain.form()));
            plainImage = plain.form().grab().toImage();
        }
        MotionSession session;
        QVERIFY(QTest::qWaitForWindowActive(&session.window.form()));
        QCOMPARE(session.window.form().grab().toImage(), plainImage);
        QCOMPARE(stepTimer(session.window)->interval(), 800);
    }

    void thePositionGraphDrawsThePath()
    {
        MotionSession session;
        QWidget* graph = session.motionControl("positionGraph");
        QVERIFY(QTest::qWaitForWindowExposed(graph->window()));
        session.sourceMs += 5000;
        const Extent atRest = pathExtent(graph);
        QVERIFY(atRest.bottom.y() >= 0);
        QVERIFY2(atRest.bottom.y() - atRest.top.y() < 8, "one level line before any trip");

        session.tripTo(10);
        session.host.pacer().setPaused(true);
        for (int i = 0; i < 10; ++i)
            session.host.pacer().step();
        const Extent climbed = pathExtent(graph);
        QVERIFY(climbed.bottom.y() - climbed.top.y() > graph->height() / 2);
        QVERIFY2(climbed.top.x() > climbed.bottom.x(), "the path rises over time");
    }

    void theGraphsTellTheLatestTrip()
    {
        MotionSession session;
        QWidget* position = session.motionControl("positionGraph");
        QWidget* speed = session.motionControl("speedGraph");
        QVERIFY(!position->accessibleName().isEmpty());
        QVERIFY(!speed->accessibleName().isEmpty());
        QCOMPARE(position->accessibleDescription(), QStringLiteral("Още няма курсове."));
        session.tripTo(3);
        session.host.pacer().setPaused(true);
        for (int i = 0; i < 3; ++i)
            session.host.pacer().step();
        QCOMPARE(position->accessibleDescription(),
                 QStringLiteral("Курс 1: от етаж 1 до етаж 4, 3 етажа за 2,4 s"));
        QCOMPARE(speed->accessibleDescription(),
                 QStringLiteral("Курс 1: от етаж 1 до етаж 4, 3 етажа за 2,4 s; "
                                "средна скорост 3,75 m/s"));
    }

    void everyControlIsReachedWithTab()
    {
        MotionSession session;
        lodarix::MotionWindow& motionWindow = session.openMotionWindow();
        QVERIFY(QTest::qWaitForWindowActive(&motionWindow));
        session.host.pacer().setPaused(true); // "Стъпка" is on only while paused
        auto* first = motionWindow.findChild<QWidget*>(QStringLiteral("pauseButton"));
        first->setFocus(Qt::TabFocusReason);
        QStringList reached;
        for (int i = 0; i < 20 && !reached.contains(QApplication::focusWidget()->objectName());
             ++i) {
            reached << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(reached,
                 (QStringList{"pauseButton", "stepButton", "intervalBox", "storeyHeightBox",
                              "wholeSessionBox", "positionGraph", "speedGraph", "tripTable",
                              "saveWorkbookButton", "saveCsvButton", "saveImageButton"}));
    }

    void closingTheMainWindowEndsTheProgram()
    {
        MotionSession session;
        session.openMotionWindow();
        QTimer::singleShot(0, &session.window.form(),
                           [&session] { session.window.form().close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void theClockGrowsWithTheWindow()
    {
        MotionSession session;
        lodarix::MotionWindow& motionWindow = session.openMotionWindow();
        auto* clock = motionWindow.findChild<QLabel*>(QStringLiteral("clock"));
        QCOMPARE(clock->text(), QStringLiteral("t = 0,0 s"));
        motionWindow.resize(900, 600);
        const int small = clock->font().pixelSize();
        motionWindow.resize(1800, 1200);
        QVERIFY(clock->font().pixelSize() > small);
    }

    void theWorkbookHoldsTheRecordAtTheHeightInForce()
    {
        MotionSession session;
        session.tripTo(3);
        timerPeriod(session.window);
        lodarix::MotionWindow& motionWindow = session.openMotionWindow();
        motionWindow.findChild<QDoubleSpinBox*>(QStringLiteral("storeyHeightBox"))->setValue(3.5);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("record.xlsx"));
        QVERIFY(motionWindow.saveWorkbook(path));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const auto& recorder = session.recorder();
        QCOMPARE(
            saved.readAll().toStdString(),
            workbook::motionWorkbook(recorder.rows(), recorder.trips(), motion::StoreyHeight(3.5)));
    }

    void aFailedSaveTellsWhyAndLeavesNoFile_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder that does not exist") << "missing/record.csv"
                                                      << "не съществува";
        QTest::newRow("a file where the folder should be") << "file/record.csv"
                                                           << "не е папка";
        QTest::newRow("a folder without write rights") << "locked/record.csv"
                                                       << "няма права за запис";
        QTest::newRow("a system folder no one may write in") << "/sys/lodarix-record.csv"
                                                             << "няма права за запис";
        QTest::newRow("the disk fills up while writing") << "full/record.csv"
                                                         << "дискът";
        QTest::newRow("the disk fills up while replacing a file") << "full/old.csv"
                                                                  << "дискът";
    }

    void aFailedSaveTellsWhyAndLeavesNoFile()
    {
        QFETCH(QString, where);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("full")));
        QFile file(folder.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QByteArray old(100, 'o');
        QVERIFY(lodarix::writeWhole(folder.filePath(QStringLiteral("full/old.csv")), old)
                == std::nullopt);
        const QString path = where.startsWith(QLatin1Char('/')) ? where : folder.filePath(where);
        if (where.startsWith(QLatin1String("locked/"))) {
            if (geteuid() == 0)
                QSKIP("folder rights do not hold back the superuser");
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("locked")));
            QFile::setPermissions(folder.filePath(QStringLiteral("locked")),
                                  QFile::ReadOwner | QFile::ExeOwner);
        }

        // A size limit on files stands for a full disk: writes past it fail.
        const bool full = where.startsWith(QLatin1String("full/"));
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit before = limit;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (full) {
            limit.rlim_cur = 4096;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        }
        bool saved = true;
        const QString message = messageOf([&saved, &path] {
            saved = lodarix::saveFile(nullptr, path, QByteArray(64 * 1024, 'x'));
        });
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!saved);
        QVERIFY2(message.contains(path), qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY(!QFileInfo::exists(path) || path.endsWith(QLatin1String("old.csv")));
        const QStringList left =
            QDir(folder.filePath(QStringLiteral("full"))).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left, QStringList{QStringLiteral("old.csv")});
        QFile kept(folder.filePath(QStringLiteral("full/old.csv")));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), old);
    }

    void savingLeavesNoDialogSettingsBehind()
    {
        const QString settings =
            qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/QtProject.conf");
        // Qt's file dialog on its own leaves its settings where this test looks.
        {
            QFileDialog plain;
            plain.setOption(QFileDialog::DontUseNativeDialog);
        }
        QVERIFY(QFileInfo::exists(settings));
        QVERIFY(QFile::remove(settings));

        MotionSession session;
        session.tripTo(2);
        timerPeriod(session.window);
        lodarix::MotionWindow& motionWindow = session.openMotionWindow();
        const QString documents = QDir::homePath() + QStringLiteral("/Documents");
        const QString target = documents + QStringLiteral("/session.csv");
        QString startedIn;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                startedIn = dialog->directory().absolutePath();
                // The user types the name over the one offered.
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                name->selectAll();
                QTest::keyClicks(name, QStringLiteral("session"));
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        answer.start(10);
        QTest::mouseClick(motionWindow.findChild<QAbstractButton*>(QStringLiteral("saveCsvButton")),
                          Qt::LeftButton);
        QCOMPARE(startedIn, documents);
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith("time_s,floor,target,event\n0.000,1,1,start\n"));
        QVERIFY(!QFileInfo::exists(settings));
        QCOMPARE(QDir(qEnvironmentVariable("XDG_CONFIG_HOME"))
                     .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }
};

int main(int argc, char* argv[])
{
    // A home of the test's own, with a documents folder, before Qt reads it.
    const QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    QDir(home.path()).mkpath(QStringLiteral("config"));
    QDir(home.path()).mkpath(QStringLiteral("Documents"));
    QApplication app(argc, argv);
    TestMotionWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_motion_window.moc"
