// The code window in a session of the main window: F4 opens it and the
// form's code takes over the form; a trip lights its procedures' lines; "Ред
// по ред" with F10 walks an event a statement at a time, the next line
// marked, the form changing line by line and its own input kept until the
// procedure ends; an error of
// the code shows in the window, which stays, and "Отначало" runs the code
// again from its load. (Editing the code: tst_program_editing.cpp.) Back and forth through the
// steps kept: a step gone back to shows its line, heading, variables and window, and stays while
// the form goes on until the newest is followed again; the events window and the code window choose
// each other's row and step.

#include "app/lodarix/application.h"
#include "app/lodarix/code_host.h"
#include "app/lodarix/events_host.h"
#include "app/lodarix/motion_host.h"
#include "core/program/form_code.h"
#include "core/program/line_report.h"
#include "core/texts/code_view_texts.h"
#include "core/trace/step_report.h"
#include "desktop/code_window/code_editor.h"
#include "desktop/code_window/code_window.h"
#include "desktop/code_window/step_history_bar.h"
#include "desktop/events_window/events_window.h"
#include "desktop/events_window/trace_table_model.h"
#include "desktop/events_window/trace_table_view.h"
#include "desktop/events_window/window_sketch_view.h"
#include "desktop/motion_window/motion_window.h"
#include "desktop/window/qt_text.h"
#include "tests/desktop/code_window/code_session.h"
#include "tests/desktop/window/window_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>

#include <cstdint>
#include <string>

using namespace lodarix;

namespace {

bool within(int line, std::pair<int, int> lines)
{
    return line > lines.first && line < lines.second;
}

lift::Color marker(const LodarixWindow& window, int floor)
{
    return window_test::floorButton(window, floor)->marker();
}

QList<int> linesOf(const QSignalSpy& spy)
{
    QList<int> lines;
    for (const QList<QVariant>& shown : spy)
        lines << shown.at(0).toInt();
    return lines;
}

// The form's code with one line more after the line that begins with after.
std::string withLine(std::string_view after, std::string_view added)
{
    std::string source(program::formCode());
    const std::size_t at = source.find('\n', source.find(after));
    return source.insert(at + 1, std::string(added) + '\n');
}

// The code window shows the kept statement as chosen: its line lit and
// told, its heading and variables, and the window after it.
void verifyShowsStep(const CodeWindow& view, const trace::StatementHistory& history,
                     std::size_t statement)
{
    const StepHistoryBar& steps = *view.steps();
    QCOMPARE(steps.chosen(), std::optional(statement));
    const trace::Moment moment = history.momentAfter(statement);
    const program::Program& code = *steps.program();
    const int line = history.at(statement).line;
    QCOMPARE(view.editor()->ranLine(), line);
    QCOMPARE(view.ranLine()->text(),
             QStringLiteral("Ред %1: ").arg(line)
                 + toQString(program::sourceLine(program::formCode(), line)));
    QCOMPARE(steps.stepText()->text(),
             toQString(trace::stepHeading(code, history, statement) + "\n"
                       + trace::variablesAfter(code, moment)));
    QVERIFY(steps.sketch()->sketch()->shapes == trace::sketchOf(*moment.window, 0, 0).shapes);
    QCOMPARE(steps.sketch()->accessibleName(),
             QStringLiteral("Формата след стъпка %1").arg(statement + 1));
    QCOMPARE(steps.slider()->value(), int(statement));
    QCOMPARE(steps.stepField()->value(), int(statement + 1));
}

} // namespace

class TestCodeWindow : public QObject {
    Q_OBJECT

private slots:
    void f4OpensTheCodeAndTheCodeTakesOverTheForm()
    {
        CodeSession session;
        window_test::clickGrille(session.window, true);
        window_test::clickFloor(session.window, 2);
        session.tick();
        QVERIFY(!session.code.formProgram());

        CodeWindow& view = session.openByF4();
        QVERIFY(view.isVisible());
        QCOMPARE(view.windowTitle(), QStringLiteral("Код"));
        QCOMPARE(view.editor()->toPlainText(), toQString(program::formCode()));
        QVERIFY(view.editor()->isReadOnly());
        QVERIFY(session.code.formProgram());
        QCOMPARE(session.window.controller().CurrentFloor(), 1);
        QCOMPARE(session.window.controller().TargetFloor(), 2);

        const std::size_t rows = session.events.trace().size();
        session.tick();
        QCOMPARE(session.window.controller().CurrentFloor(), 2);
        QCOMPARE(session.events.trace().size(), rows + 1);
        QVERIFY(!session.window.stepsRunning());
        QVERIFY(session.errors.isEmpty());
    }

    void aTripLightsItsProceduresLines()
    {
        CodeSession session;
        CodeWindow& view = session.openByF4();
        QSignalSpy lit(&view, &CodeWindow::statementShown);
        window_test::clickGrille(session.window, true);
        window_test::clickFloor(session.window, 3);
        const QList<int> picked = linesOf(lit);
        QCOMPARE(picked.first(), procedure("Option1_Click").first + 1);
        for (const int line : picked)
            QVERIFY(within(line, procedure("Option1_Click"))
                    || within(line, procedure("LogCurrentFloor")));
        QCOMPARE(view.editor()->ranLine(), picked.last());

        lit.clear();
        session.tick();
        const QList<int> stepped = linesOf(lit);
        QCOMPARE(stepped.first(), procedure("Timer1_Timer").first + 1);
        for (const int line : stepped)
            QVERIFY(within(line, procedure("Timer1_Timer"))
                    || within(line, procedure("LogCurrentFloor")));
        QVERIFY(view.ranLine()->text().startsWith(QStringLiteral("Ред ")));
        QVERIFY(session.errors.isEmpty());
    }

    void lineByLineWalksAPickThroughEveryStatement()
    {
        CodeSession session;
        CodeWindow& view = session.openByF4();
        window_test::clickGrille(session.window, true);
        view.stepwiseButton()->click();
        QVERIFY(view.nextLineButton()->isEnabled());
        QSignalSpy lit(&view, &CodeWindow::statementShown);
        window_test::clickFloor(session.window, 3);
        QVERIFY(session.window.partWay());
        QCOMPARE(lit.count(), 0);
        QVERIFY(!session.motion.pacer().canStep());

        // After each statement: its line, in Option1_Click unless in
        // LogCurrentFloor, floors 1 and 4 as drawn, and the lines the
        // procedure has written in the status box (none: as it was).
        struct After {
            std::string_view line;
            bool inLog;
            lift::Color floor1;
            lift::Color floor4;
            int statusLines;
        };
        const lift::Color cabin = lift::ColorCabin;
        const lift::Color idle = lift::ColorIdle;
        const lift::Color target = lift::ColorTarget;
        const After walk[] = {
            {"If Option2(0).Value = False Then", false, cabin, idle, 0},
            {"Option1(CurrentFloor).BackColor = &HFF00&", false, idle, idle, 0},
            {"Option1(TargetFloor).BackColor = &H8080FF", false, cabin, idle, 0},
            {"CurrentFloor = TargetFloor", false, cabin, idle, 0},
            {"TargetFloor = Index", false, cabin, idle, 0},
            {"Option1(Index).BackColor = &HFF8080", false, cabin, target, 0},
            {"Timer1.Enabled = True", false, cabin, target, 0},
            {"If CurrentFloor < TargetFloor Then", false, cabin, target, 0}, // the test
            {"If CurrentFloor < TargetFloor Then", false, cabin, target, 1}, // the assignment
            {"If CurrentFloor > TargetFloor Then", false, cabin, target, 1},
            {"LogCurrentFloor", false, cabin, target, 1},
            {"Text1(0).Text = Text1(0).Text & List1.List", true, cabin, target, 2},
        };
        const QString before = window_test::statusText(session.window);
        for (const After& after : walk) {
            QVERIFY(session.window.partWay());
            QVERIFY(!session.motion.pacer().canStep());
            const int expected =
                lineOf(program::formCode(), after.line,
                       procedure(after.inLog ? "LogCurrentFloor" : "Option1_Click").first);
            QCOMPARE(view.editor()->nextLine(), expected);
            session.nextLine();
            QCOMPARE(view.editor()->ranLine(), expected);
            QCOMPARE(marker(session.window, 0), after.floor1);
            QCOMPARE(marker(session.window, 3), after.floor4);
            const QString status = window_test::statusText(session.window);
            if (after.statusLines == 0) {
                QCOMPARE(status, before);
            } else {
                QVERIFY(status.startsWith(QStringLiteral("Асансьорът се качва!")));
                QCOMPARE(status.count(QLatin1Char('\n')), after.statusLines);
            }
            if (after.floor4 == target && after.floor1 == cabin
                && after.line.starts_with("Option1")) {
                QCOMPARE(view.ranLine()->text(),
                         QStringLiteral("Ред %1: нищо не се промени").arg(expected));
                view.grab().save(QStringLiteral(LODARIX_EVIDENCE "/code_view_line.png"));
                session.window.form().grab().save(
                    QStringLiteral(LODARIX_EVIDENCE "/main_window_line.png"));
            }
        }
        QVERIFY(!session.window.partWay());
        QCOMPARE(view.editor()->nextLine(), 0);
        QVERIFY(session.motion.pacer().canStep() == session.motion.pacer().paused());
        QCOMPARE(session.window.controller().TargetFloor(), 3);
        QVERIFY(session.errors.isEmpty());
    }

    void whatAStatementChangedShowsUnderTheCode()
    {
        CodeSession session;
        CodeWindow& view = session.openByF4();
        window_test::clickGrille(session.window, true);
        view.stepwiseButton()->click();
        window_test::clickFloor(session.window, 3);
        for (int line = 0; line < 5; ++line)
            session.nextLine();
        QCOMPARE(
            view.editor()->ranLine(),
            lineOf(program::formCode(), "TargetFloor = Index", procedure("Option1_Click").first));
        QCOMPARE(view.ranLine()->text(),
                 QStringLiteral("Ред %1: TargetFloor = 0 → 3").arg(view.editor()->ranLine()));

        QSignalSpy heard(&view.announcer(), &StatusAnnouncer::announced);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(heard.count(), 1);
        const int line = view.editor()->ranLine();
        QCOMPARE(heard.at(0).at(1).toString(),
                 QStringLiteral("Ред %1: TargetFloor = Index. TargetFloor = 0 → 3. Следва ред %2.")
                     .arg(line)
                     .arg(line + 1));
        session.nextLine();
        QCOMPARE(heard.count(), 1);
    }

    void inputMidProcedureIsKeptAndAppliedAfterIt_data()
    {
        QTest::addColumn<bool>("byToggleOff");
        QTest::newRow("line by line to the end") << false;
        QTest::newRow("turning line by line off") << true;
    }

    void inputMidProcedureIsKeptAndAppliedAfterIt()
    {
        QFETCH(bool, byToggleOff);
        CodeSession session;
        CodeWindow& view = session.openByF4();
        window_test::clickGrille(session.window, true);
        window_test::clickFloor(session.window, 3);
        view.stepwiseButton()->click();
        session.tick();
        QVERIFY(session.window.partWay());

        window_test::clickFloor(session.window, 6);
        window_test::clickGrille(session.window, false);
        session.tick();
        session.tick();
        auto* closed = window_test::control<QAbstractButton>(session.window, "Option2", 0);
        QVERIFY(closed->isChecked());
        QCOMPARE(session.window.controller().TargetFloor(), 3);
        const std::size_t rows = session.events.trace().size();

        if (byToggleOff) {
            view.stepwiseButton()->click();
        } else {
            // The step ends, the pick kept begins, the grille waits for its end.
            while (session.window.controller().TargetFloor() == 3)
                session.nextLine();
            QVERIFY(closed->isChecked());
            for (int statements = 0; session.window.partWay() && statements < 100; ++statements)
                session.nextLine();
        }
        QVERIFY(!session.window.partWay());
        // The step, then the pick and the grille, and the one tick kept.
        QCOMPARE(session.window.controller().TargetFloor(), 6);
        QVERIFY(!closed->isChecked());
        QCOMPARE(session.events.trace().size(), rows + 4);
        QVERIFY(session.errors.isEmpty());
    }

    void theTeachersStepWaitsForTheProcedure()
    {
        CodeSession session;
        session.motion.openMotionWindow();
        auto* step = session.motion.motionWindow()->findChild<QAbstractButton*>(
            QStringLiteral("stepButton"));
        CodeWindow& view = session.openByF4();
        window_test::clickGrille(session.window, true);
        window_test::clickFloor(session.window, 3);
        session.motion.pacer().setPaused(true);
        QVERIFY(step->isEnabled());
        view.stepwiseButton()->click();
        step->click();
        QVERIFY(session.window.partWay());
        QVERIFY(!step->isEnabled());
        step->click();
        QCOMPARE(session.window.controller().CurrentFloor(), 0);
        view.stepwiseButton()->click();
        QVERIFY(step->isEnabled());
        QCOMPARE(session.window.controller().CurrentFloor(), 1);
    }

    void anErrorStopsTheCodeAndTheWindowStays_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("errorLine");
        QTest::addColumn<QString>("report");
        const std::string bad =
            withLine("    Option1(Index).BackColor", "    Option1(11).BackColor = 0");
        QTest::newRow("a subscript out of range in a click")
            << toQString(bad) << lineOf(bad, "Option1(11)")
            << QStringLiteral("Грешка 9 в Option1_Click, ред %1: Индексът е извън обхвата")
                   .arg(lineOf(bad, "Option1(11)"));
        const std::string twice =
            withLine("    Option1(Index).BackColor", "    Text1(0).Text = 1 \\ 0");
        QTest::newRow("a division by zero in a click")
            << toQString(twice) << lineOf(twice, "Text1(0).Text = 1 \\ 0")
            << QStringLiteral("Грешка 11 в Option1_Click, ред %1:")
                   .arg(lineOf(twice, "Text1(0).Text = 1 \\ 0"));
    }

    void anErrorStopsTheCodeAndTheWindowStays()
    {
        QFETCH(QString, source);
        QFETCH(int, errorLine);
        QFETCH(QString, report);
        CodeSession session;
        CodeWindow& view = session.openByF4();
        session.code.runSource(source.toStdString());
        window_test::clickGrille(session.window, true);
        window_test::clickFloor(session.window, 3);
        QVERIFY(view.errorReport()->isVisible());
        QVERIFY2(view.errorReport()->text().startsWith(report),
                 qPrintable(view.errorReport()->text()));
        QCOMPARE(view.editor()->errorLine(), errorLine);
        QVERIFY(session.window.form().isVisible());
        QVERIFY(view.isVisible());
        QVERIFY(!session.window.stepsRunning());
        QVERIFY(session.errors.isEmpty());
        window_test::clickFloor(session.window, 5);
        QVERIFY(session.errors.isEmpty());
    }

    void restartRunsTheCodeAgainFromItsLoad()
    {
        CodeSession session;
        CodeWindow& view = session.openByF4();
        session.code.runSource(
            withLine("    Option1(Index).BackColor", "    Option1(11).BackColor = 0"));
        window_test::clickGrille(session.window, true);
        window_test::clickFloor(session.window, 3);
        QVERIFY(session.code.formProgram()->stopped());

        QSignalSpy lit(&view, &CodeWindow::statementShown);
        view.restartButton()->click();
        QVERIFY(!session.code.formProgram()->stopped());
        QVERIFY(!view.errorReport()->isVisible());
        QCOMPARE(view.editor()->errorLine(), 0);
        const QList<int> loaded = linesOf(lit);
        QCOMPARE(loaded.first(), procedure("Form_Load").first + 1);
        QCOMPARE(loaded.last(), procedure("Form_Load").second - 1);
        QCOMPARE(session.window.controller().TargetFloor(), 0);
        QVERIFY(window_test::control<QAbstractButton>(session.window, "Option2", 1)->isChecked());
        QVERIFY(session.errors.isEmpty());
    }

    void otherFailuresStillGoToTheErrorHandler()
    {
        CodeSession session;
        session.openByF4();
        session.window.handleEvent([] { throw std::runtime_error("the window failed"); });
        QCOMPARE(session.errors, QStringList{QStringLiteral("the window failed")});
    }

    void hidingTheWindowLeavesLineByLine()
    {
        CodeSession session;
        CodeWindow& view = session.openByF4();
        window_test::clickGrille(session.window, true);
        view.stepwiseButton()->click();
        window_test::clickFloor(session.window, 3);
        QVERIFY(session.code.formProgram()->partWay());
        view.hide();
        QVERIFY(!view.stepwise());
        QVERIFY(!session.code.formProgram()->partWay());
        QCOMPARE(session.window.controller().TargetFloor(), 3);
    }

    void goingBackShowsTheStepsLineVariablesAndWindow_data()
    {
        QTest::addColumn<QString>("by");
        QTest::newRow("Назад") << QStringLiteral("back");
        QTest::newRow("the slider's Home key") << QStringLiteral("slider");
        QTest::newRow("a number typed, then Enter") << QStringLiteral("field");
    }

    void goingBackShowsTheStepsLineVariablesAndWindow()
    {
        QFETCH(QString, by);
        CodeSession session;
        CodeWindow& view = session.openByF4();
        StepHistoryBar& steps = *view.steps();
        QCOMPARE(steps.stepText()->text(), toQString(code_texts::NoSteps));
        QVERIFY(!steps.backButton()->isEnabled());
        session.trip(4);
        const trace::StatementHistory& history = session.history();
        QTRY_COMPARE(steps.slider()->maximum(), int(history.size() - 1));
        QCOMPARE(steps.slider()->value(), steps.slider()->maximum());
        QVERIFY(!steps.latestButton()->isEnabled());

        QSignalSpy chosen(&view, &CodeWindow::stepChosen);
        QSignalSpy heard(&view.announcer(), &StatusAnnouncer::announced);
        std::size_t statement = 0;
        if (by == QStringLiteral("back")) {
            steps.backButton()->click();
            steps.backButton()->click();
            statement = history.size() - 3;
        } else if (by == QStringLiteral("slider")) {
            QTest::keyClick(steps.slider(), Qt::Key_Home);
        } else {
            view.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&view));
            steps.stepField()->setFocus();
            steps.stepField()->findChild<QLineEdit*>()->selectAll();
            QTest::keyClicks(steps.stepField(), QStringLiteral("12"));
            QTest::keyClick(steps.stepField(), Qt::Key_Return);
            statement = 11;
            QCOMPARE(heard.count(), 1);
            QCOMPARE(heard.at(0).at(1).toString(),
                     toQString(trace::stepSummary(program::formCode(), *steps.program(), history,
                                                  statement, history.momentAfter(statement))));
        }
        verifyShowsStep(view, history, statement);
        QCOMPARE(chosen.last().at(0).value<std::size_t>(), statement);
        QLabel* text = steps.stepText();
        QTRY_VERIFY(text->height() >= 2 * text->fontMetrics().height());
        view.grab().save(QStringLiteral(LODARIX_EVIDENCE "/code_view_step.png"));
        QVERIFY(steps.forwardButton()->isEnabled() && steps.latestButton()->isEnabled());
    }

    void aStepGoneBackToStaysUntilTheNewestIsFollowed_data()
    {
        QTest::addColumn<QString>("by");
        QTest::newRow("Напред to the last") << QStringLiteral("forward");
        QTest::newRow("Последна") << QStringLiteral("latest");
        QTest::newRow("Следващ ред") << QStringLiteral("next line");
    }

    void aStepGoneBackToStaysUntilTheNewestIsFollowed()
    {
        QFETCH(QString, by);
        CodeSession session;
        CodeWindow& view = session.openByF4();
        StepHistoryBar& steps = *view.steps();
        session.trip(3);
        window_test::clickFloor(session.window, 5);
        const trace::StatementHistory& history = session.history();
        QTRY_VERIFY(steps.backButton()->isEnabled());
        steps.backButton()->click();
        const std::size_t statement = history.size() - 2;
        session.tick();
        session.tick();
        QTRY_COMPARE(steps.slider()->maximum(), int(history.size() - 1));
        verifyShowsStep(view, history, statement);

        if (by == QStringLiteral("forward")) {
            while (!steps.following())
                steps.forwardButton()->click();
        } else if (by == QStringLiteral("latest")) {
            steps.latestButton()->click();
        } else {
            view.stepwiseButton()->click();
            steps.backButton()->click();
            window_test::clickFloor(session.window, 0);
            QVERIFY(session.window.partWay());
            session.nextLine();
        }
        QVERIFY(steps.following());
        QCOMPARE(view.editor()->ranLine(), int(history.at(history.size() - 1).line));
        QVERIFY(!steps.latestButton()->isEnabled());
        if (view.stepwise())
            view.stepwiseButton()->click();
        session.tick();
        QTRY_COMPARE(steps.slider()->maximum(), int(history.size() - 1));
        QCOMPARE(steps.slider()->value(), steps.slider()->maximum());
        QVERIFY(steps.stepText()->text().startsWith(
            toQString(trace::stepHeading(*steps.program(), history, history.size() - 1))));
    }

    void theEventsWindowAndTheCodeWindowChooseEachOthersRowAndStep()
    {
        CodeSession session;
        session.events.openEventsWindow();
        EventsWindow& events = *session.events.eventsWindow();
        CodeWindow& view = session.openByF4();
        const std::size_t grilleRow = session.events.trace().size();
        session.trip(4);
        const trace::StatementHistory& history = session.history();
        QSignalSpy rowsChosen(&events, &EventsWindow::rowChosen);
        QSignalSpy stepsChosen(&view, &CodeWindow::stepChosen);

        const std::size_t tripRow = grilleRow + 2;
        events.table()->setCurrentIndex(events.model()->index(int(tripRow), 0));
        const auto statements = history.statementsOfRow(tripRow);
        QVERIFY(statements);
        verifyShowsStep(view, history, statements->first);
        QCOMPARE(stepsChosen.count(), 0);

        view.steps()->backButton()->click();
        QCOMPARE(history.rowOf(statements->first - 1), std::optional(tripRow - 1));
        QCOMPARE(events.table()->currentIndex().row(), int(tripRow - 1));
        QCOMPARE(rowsChosen.count(), 1);

        events.table()->setCurrentIndex(events.model()->index(int(grilleRow), 0));
        QCOMPARE(view.steps()->noteText()->text(), toQString(code_texts::RowRanNoLines));
        verifyShowsStep(view, history, statements->first - 1);
        QVERIFY(session.errors.isEmpty());
    }

    void aPeriodTheCodeSetsShowsInTheTeachersInterval()
    {
        CodeSession session;
        session.motion.openMotionWindow();
        auto* interval = session.motion.motionWindow()->findChild<QSpinBox*>("intervalBox");
        QCOMPARE(interval->value(), 800);
        session.openByF4();
        session.code.runSource("Private Sub Form_Load()\n    Timer1.Interval = 400\nEnd Sub\n"
                               "Private Sub Option1_Click(Index As Integer)\n"
                               "    Text1(0).Text = Timer1.Interval\nEnd Sub\n");
        QCOMPARE(interval->value(), 400);
        QCOMPARE(session.window.stepIntervalMs(), 400);
        interval->setValue(1200);
        window_test::clickFloor(session.window, 2);
        QCOMPARE(session.window.operations().statusText(), std::string("1200"));
    }
};

QTEST_MAIN(TestCodeWindow)
#include "tst_code_window.moc"
