// The events window in a session of the main window, by real clicks, keys
// and timer steps: F3 opens it; the lesson's trace row by row against
// lodarix-replay's state lines for the project's script, the guide's
// examples and seeded random ones; a live trip at the motion record's
// times; back and forth through the rows with the drawing read from a
// screenshot; the keyboard, what assistive technology is told; scripts run,
// a bad line reported, and their files as the tool writes them.

#include "core/lift/colors.h"
#include "core/texts/main_window_texts.h"
#include "core/trace/example_scripts.h"
#include "core/trace/trace_texts.h"
#include "desktop/events_window/script_panel.h"
#include "desktop/events_window/trace_table_model.h"
#include "desktop/events_window/trace_table_view.h"
#include "desktop/events_window/window_sketch_view.h"
#include "desktop/window/qt_text.h"
#include "events_session.h"
#include "tests/support/replay_run.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <random>

using namespace lodarix;
using events_test::EventsSession;
using namespace window_test;
using test_support::runReplay;
using test_support::stateLines;

namespace {

// Commands only, for playing as clicks and steps.
QByteArray randomScript(unsigned seed, int commands)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> floor(1, 11);
    QByteArray script;
    for (int i = 0; i < commands; ++i) {
        const int k = kind(random);
        script += k < 2 ? QByteArray("close")
            : k < 3     ? QByteArray("open")
            : k < 5     ? "pick " + QByteArray::number(floor(random))
                        : QByteArray("tick");
        script += '\n';
    }
    return script;
}

// Plays the script's commands as the user and the timer would.
void play(EventsSession& session, const QByteArray& script)
{
    for (const QByteArray& raw : script.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line == "close" || line == "open")
            clickGrille(session.window, line == "close");
        else if (line.startsWith("pick"))
            clickFloor(session.window, line.mid(5).toInt() - 1);
        else
            session.tick();
    }
}

QString cell(const EventsWindow& view, int row, trace::TraceColumn column)
{
    return view.model()->index(row, column).data().toString();
}

QColor colorOf(lift::Color color)
{
    const lift::Rgb rgb = lift::toRgb(color);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The drawing as painted, read back: the floor buttons' colours from the
// middle of each, the grille caption selected, the status box's text.
struct DrawnWindow {
    QList<QColor> floors;
    QString grille;
    QString status;
};

DrawnWindow drawn(WindowSketchView& view)
{
    const QImage shot = view.grab().toImage();
    DrawnWindow seen;
    seen.floors.resize(11);
    for (const trace::SketchShape& shape : view.sketch()->shapes) {
        const QRect inside = view.placed(shape).toAlignedRect().adjusted(3, 3, -3, -3);
        if (shape.kind == trace::SketchShape::Kind::FloorButton)
            seen.floors[std::stoi(shape.text) - 1] = test_support::dominantColor(
                shot, QRect(inside.left(), inside.top(), inside.width(), inside.height() / 4));
        if (shape.kind == trace::SketchShape::Kind::RadioButton && shape.selected)
            seen.grille = toQString(shape.text);
        if (shape.kind == trace::SketchShape::Kind::TextBox && shape.left < 20)
            seen.status = toQString(shape.text);
    }
    return seen;
}

} // namespace

class TestEventsWindow : public QObject {
    Q_OBJECT

private slots:
    void f3OpensIt()
    {
        EventsSession session;
        QVERIFY(!session.events.eventsWindow());
        QVERIFY(QTest::qWaitForWindowActive(&session.window.form()));
        QWidget* floor = floorButton(session.window, 5);
        floor->setFocus(Qt::TabFocusReason);
        QTest::keyClick(floor, Qt::Key_F3);
        EventsWindow* view = session.events.eventsWindow();
        QVERIFY(view);
        QVERIFY(view->isVisible());
        QCOMPARE(view->windowTitle(), QStringLiteral("Lodarix - събития"));
        QCOMPARE(view->model()->rowCount(), 1);
        QCOMPARE(cell(*view, 0, trace::ProcedureColumn), QStringLiteral("Form_Load"));
    }

    void theTraceIsTheToolsStateLineAfterEachCommand_data()
    {
        QTest::addColumn<QByteArray>("script");
        QFile worked(QStringLiteral(LODARIX_SCRIPTS "/worked_example.txt"));
        QVERIFY(worked.open(QIODevice::ReadOnly));
        QTest::newRow("worked example") << worked.readAll();
        for (const trace::ExampleScript& example : trace::exampleScripts())
            QTest::newRow(example.fileName.data())
                << QByteArray(example.text.data(), qsizetype(example.text.size()));
        QTest::newRow("random 1") << randomScript(1, 160);
        QTest::newRow("random 2") << randomScript(2, 160);
    }

    void theTraceIsTheToolsStateLineAfterEachCommand()
    {
        QFETCH(QByteArray, script);
        EventsSession session;
        EventsWindow& view = session.openEventsWindow();
        play(session, script);
        QVERIFY(session.errors.isEmpty());
        const QList<QJsonObject> lines = stateLines(runReplay({}, script).output);
        const trace::EventTrace& trace = session.events.trace();
        int row = 0;
        for (qsizetype at = 0; at < lines.size(); ++at) {
            const QJsonObject& state = lines[at];
            const QString command = state["command"].toString();
            if (command == QLatin1String("tick") && !lines[at - 1]["timer"].toBool())
                continue;
            if ((command == QLatin1String("close") || command == QLatin1String("open"))
                && state["grille"] == lines[at - 1]["grille"])
                continue;
            QVERIFY2(row < view.model()->rowCount(), qPrintable(command));
            const int current = state["current"].toInt();
            const int target = state["target"].toInt();
            QCOMPARE(cell(view, row, trace::CurrentFloorColumn),
                     QStringLiteral("%1 (етаж %2)").arg(current).arg(current + 1));
            QCOMPARE(cell(view, row, trace::TargetFloorColumn),
                     QStringLiteral("%1 (етаж %2)").arg(target).arg(target + 1));
            QCOMPARE(cell(view, row, trace::TimerColumn),
                     state["timer"].toBool() ? QStringLiteral("True") : QStringLiteral("False"));
            QCOMPARE(cell(view, row, trace::GrilleColumn),
                     state["grille"] == QLatin1String("closed") ? QStringLiteral("затворена")
                                                                : QStringLiteral("отворена"));
            QCOMPARE(toQString(trace.statusAfter(std::size_t(row))), state["status"].toString());
            const QJsonArray colors = state["colors"].toArray();
            for (int floor = 0; floor < 11; ++floor)
                QCOMPARE(toQString(lift::toHexRgb(
                             trace.color(trace.rows()[std::size_t(row)], lift::FloorIndex(floor)))),
                         colors[floor].toString());
            ++row;
        }
        QCOMPARE(view.model()->rowCount(), row);
    }

    void aLiveTripIsOneRowAnEventAtTheRecordsTimes()
    {
        EventsSession session;
        EventsWindow& view = session.openEventsWindow();
        session.sourceMs += 1500;
        clickGrille(session.window, true);
        session.sourceMs += 700;
        clickFloor(session.window, 4);
        for (int step = 0; step < 5; ++step) // the fifth finds the timer off
            session.tick();
        const QStringList procedures{"Form_Load",    "(няма код)",   "Option1_Click(4)",
                                     "Timer1_Timer", "Timer1_Timer", "Timer1_Timer",
                                     "Timer1_Timer"};
        QCOMPARE(view.model()->rowCount(), procedures.size());
        for (int row = 0; row < procedures.size(); ++row)
            QCOMPARE(cell(view, row, trace::ProcedureColumn), procedures.at(row));
        const auto records = session.motion.recording().recorder().rows();
        const auto rows = session.events.trace().rows();
        QCOMPARE(records.size(), std::size_t(6));
        QCOMPARE(rows[0].timeMs, records[0].timeMs);
        QCOMPARE(rows[1].timeMs, std::int64_t(1500));
        for (std::size_t row = 2; row < rows.size(); ++row)
            QCOMPARE(rows[row].timeMs, records[row - 1].timeMs);
        QCOMPARE(cell(view, 3, trace::TimeColumn), QStringLiteral("3,000"));
        QCOMPARE(cell(view, 6, trace::StatusColumn), QStringLiteral("+ Етаж V↵Последна спирка!↵"));
    }

    void backAndForthDrawsTheRowsWindow()
    {
        EventsSession session;
        EventsWindow& view = session.openEventsWindow();
        clickGrille(session.window, true);
        clickFloor(session.window, 3);
        for (int step = 0; step < 3; ++step)
            session.tick();
        view.table()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view.table(), Qt::Key_End);
        QCOMPARE(view.table()->currentIndex().row(), 5);
        QTest::keyClick(view.table(), Qt::Key_Up);
        QTest::keyClick(view.table(), Qt::Key_Up);
        QCOMPARE(view.table()->currentIndex().row(), 3);
        const DrawnWindow afterStep = drawn(*view.sketch());
        QCOMPARE(afterStep.floors.size(), 11);
        const QList<QColor> expected{colorOf(lift::ColorIdle), colorOf(lift::ColorCabin),
                                     colorOf(lift::ColorIdle), colorOf(lift::ColorTarget)};
        QCOMPARE(afterStep.floors.mid(0, 4), expected);
        QCOMPARE(afterStep.grille, QStringLiteral("Предпазната решетка е затворена"));
        QCOMPARE(afterStep.status, QStringLiteral("Асансьорът се качва!\r\nЕтаж I\r\nЕтаж II\r\n"));
        QCOMPARE(view.sketch()->accessibleName(), QStringLiteral("Прозорецът след ред 4"));
        QVERIFY(view.sketch()->accessibleDescription().startsWith(
            QStringLiteral("Кабината: етаж 2. Крайна спирка: етаж 4. Решетката: затворена.")));

        QTest::keyClick(view.table(), Qt::Key_Home);
        QCOMPARE(view.table()->currentIndex().row(), 0);
        const DrawnWindow loaded = drawn(*view.sketch());
        QCOMPARE(loaded.floors.at(0), colorOf(lift::ColorCabin));
        QCOMPARE(loaded.floors.at(3), colorOf(lift::ColorIdle));
        QCOMPARE(loaded.grille, QStringLiteral("Предпазната решетка е отворена"));
        QCOMPARE(loaded.status, toQString(texts::ExerciseStatement));
        QTest::keyClick(view.table(), Qt::Key_End);
        QCOMPARE(drawn(*view.sketch()).grille, QStringLiteral("Предпазната решетка е отворена"));
        QCOMPARE(drawn(*view.sketch()).floors.at(3), colorOf(lift::ColorCabin));
    }

    void theKeyboardAndWhatAssistiveTechnologyIsTold()
    {
        EventsSession session;
        EventsWindow& view = session.openEventsWindow();
        QSignalSpy announced(&view.announcer(), &StatusAnnouncer::announced);
        clickGrille(session.window, true);
        clickFloor(session.window, 2);
        session.tick();
        session.tick();
        QCOMPARE(announced.count(), 0); // rows made during a trip are not read out

        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view.table());
        QVERIFY(table);
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Събития и променливи"));
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells);
        QCOMPARE(cells->columnCount(), int(trace::TraceColumnCount));
        QCOMPARE(cells->rowCount(), 5);
        QCOMPARE(cells->columnDescription(trace::ProcedureColumn), QStringLiteral("Процедура"));
        QCOMPARE(cells->columnDescription(trace::CurrentFloorColumn),
                 QStringLiteral("CurrentFloor"));

        view.table()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view.table(), Qt::Key_End);
        QTest::keyClick(view.table(), Qt::Key_Up);
        QTest::keyClick(view.table(), Qt::Key_Return);
        QCOMPARE(announced.count(), 1);
        QCOMPARE(announced.at(0).at(1).toString(),
                 toQString(trace::rowSummary(session.events.trace(), 3)));

        auto* box = view.scripts()->scriptBox();
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name),
                 QStringLiteral("Скрипт (close, open, pick N, tick, # бележка)"));

        // Tab goes through the controls in the order they stand.
        view.findChild<QRadioButton*>(QStringLiteral("lessonButton"))->setFocus();
        QStringList order;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(view.focusWidget(), Qt::Key_Tab);
            order << view.focusWidget()->objectName();
        }
        QCOMPARE(
            order,
            (QStringList{"scriptButton", "readRowButton", "traceTable", "windowSketch", "scriptBox",
                         "examplesBox", "openScriptButton", "runScriptButton", "lessonButton"}));
    }

    void aScriptRunsApartFromTheLesson()
    {
        EventsSession session;
        EventsWindow& view = session.openEventsWindow();
        clickGrille(session.window, true);
        QSignalSpy announced(&view.announcer(), &StatusAnnouncer::announced);
        ScriptPanel& scripts = *view.scripts();
        scripts.scriptBox()->setPlainText(QStringLiteral("close\npick 3\ntick\n\n  пик 4\ntick\n"));
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        scripts.scriptBox()->setFocus();
        QTest::keyClick(scripts.scriptBox(), Qt::Key_Return, Qt::ControlModifier);
        const QString message = QStringLiteral(
            "Ред 5: непозната команда „пик“ (очаква се close, open, pick N или tick). "
            "Изпълнението спря на този ред.");
        QCOMPARE(scripts.result(), message);
        QCOMPARE(announced.count(), 1);
        QCOMPARE(announced.at(0).at(1).toString(), message);
        QCOMPARE(scripts.scriptBox()->textCursor().blockNumber(), 4);
        QCOMPARE(view.shownTrace(), EventsWindow::Shown::Script);
        QCOMPARE(view.model()->rowCount(), 4);
        QCOMPARE(cell(view, 2, trace::ProcedureColumn), QStringLiteral("Option1_Click(2)"));
        QVERIFY(
            !view.findChild<QPushButton*>(QStringLiteral("saveScriptWorkbookButton"))->isEnabled());
        QCOMPARE(session.window.controller().TargetFloor(), lift::FloorIndex(0));

        QTemporaryDir folder;
        const QByteArray script = scripts.scriptBox()->toPlainText().toUtf8();
        const QString jsonLines = folder.filePath(QStringLiteral("run.jsonl"));
        QVERIFY(scripts.saveJsonLines(jsonLines));
        QFile saved(jsonLines);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), runReplay({}, script).output);
        const QString csv = folder.filePath(QStringLiteral("run.csv"));
        QVERIFY(scripts.saveCsv(csv));
        QFile savedCsv(csv);
        QVERIFY(savedCsv.open(QIODevice::ReadOnly));
        QCOMPARE(savedCsv.readAll(), runReplay({QStringLiteral("--motion")}, script).output);

        // An example, run whole, gives its workbook as the tool writes it.
        auto* examples = view.findChild<QComboBox*>(QStringLiteral("examplesBox"));
        examples->setCurrentIndex(1);
        emit examples->activated(1);
        QCOMPARE(scripts.scriptBox()->toPlainText(), toQString(trace::exampleScripts()[0].text));
        QTest::mouseClick(view.findChild<QPushButton*>(QStringLiteral("runScriptButton")),
                          Qt::LeftButton);
        QCOMPARE(scripts.result(),
                 QStringLiteral("Скриптът е изпълнен: 5 команди, 6 реда в таблицата."));
        QCOMPARE(view.model()->rowCount(), 6);
        const QString workbook = folder.filePath(QStringLiteral("run.xlsx"));
        QVERIFY(scripts.saveWorkbook(workbook));
        const QString toolWorkbook = folder.filePath(QStringLiteral("tool.xlsx"));
        runReplay({QStringLiteral("--xlsx"), toolWorkbook},
                  QByteArray(trace::exampleScripts()[0].text.data()));
        QFile mine(workbook);
        QFile tools(toolWorkbook);
        QVERIFY(mine.open(QIODevice::ReadOnly) && tools.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), tools.readAll());

        // The lesson's trace was kept, and goes on.
        QTest::mouseClick(view.findChild<QRadioButton*>(QStringLiteral("lessonButton")),
                          Qt::LeftButton, {}, QPoint(6, 6));
        QCOMPARE(view.shownTrace(), EventsWindow::Shown::Lesson);
        QCOMPARE(view.model()->rowCount(), 2);
        clickFloor(session.window, 5);
        QCOMPARE(view.model()->rowCount(), 3);
    }

    void theNewestRowStaysInViewUnlessScrolledAway()
    {
        EventsSession session;
        EventsWindow& view = session.openEventsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        for (int trip = 0; trip < 6; ++trip) {
            clickGrille(session.window, true);
            clickFloor(session.window, trip % 2 ? 0 : 10);
            for (int step = 0; step < 10; ++step)
                session.tick();
        }
        QScrollBar* bar = view.table()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QTRY_COMPARE(bar->value(), bar->maximum());
        bar->setValue(0);
        clickGrille(session.window, true);
        clickFloor(session.window, 10);
        QCOMPARE(bar->value(), 0);
        bar->setValue(bar->maximum());
        session.tick();
        QTRY_COMPARE(bar->value(), bar->maximum());
    }
};

QTEST_MAIN(TestEventsWindow)
#include "tst_events_window.moc"
