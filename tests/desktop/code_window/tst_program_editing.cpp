// The pupil's own program in the code window: "Промени" makes the code
// editable, "Изпълни" (Ctrl+Enter) starts the form afresh on it with a new
// session, a text that does not read leaves the form on its program with
// the line and column marked, "Към оригинала" brings the form's code back
// byte for byte, "Сравни" finds where the program parts from the reference,
// and files open, save and refuse what is not a program without losing the
// text; edits not saved are asked about before they would be lost.

#include "core/program/form_code.h"
#include "core/texts/compare_texts.h"
#include "core/texts/editing_texts.h"
#include "core/texts/program_texts.h"
#include "desktop/code_window/code_editor.h"
#include "desktop/code_window/program_bar.h"
#include "desktop/code_window/step_history_bar.h"
#include "desktop/events_window/events_window.h"
#include "desktop/events_window/trace_table_model.h"
#include "desktop/window/qt_text.h"
#include "tests/desktop/code_window/code_session.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>

#include <functional>
#include <string>

using namespace lodarix;

namespace {

namespace words = editing_texts;

const lift::Color Yellow = 0x00FFFF;

// The form's code with the first text found replaced.
std::string replaced(std::string_view text, std::string_view by,
                     std::string source = std::string(program::formCode()))
{
    return source.replace(source.find(text), text.size(), by);
}

// Answers the dialogs the code opens, in turn, while it runs: a message box
// by its button, a file dialog by a path typed in (empty: cancelled).
struct Answers {
    struct Answer {
        QMessageBox::StandardButton button = QMessageBox::NoButton;
        QString path;
    };

    explicit Answers(QList<Answer> answers)
        : left(std::move(answers))
    {
        QObject::connect(&poll, &QTimer::timeout, [this] { answer(); });
        poll.start(10);
    }

    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || left.isEmpty())
            return;
        const Answer next = left.takeFirst();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            asked << box->text();
            box->button(next.button == QMessageBox::NoButton ? QMessageBox::Ok : next.button)
                ->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            asked << dialog->windowTitle();
            if (next.path.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(next.path);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    }

    QList<Answer> left;
    QStringList asked;
    QTimer poll;
};

Answers::Answer button(QMessageBox::StandardButton which)
{
    return {which, {}};
}

Answers::Answer path(const QString& file)
{
    return {QMessageBox::NoButton, file};
}

struct EditingSession : CodeSession {
    EditingSession()
        : view(openByF4())
    {
        bar().editButton()->click();
    }

    ProgramBar& bar() const { return *view.programBar(); }
    CodeEditor& editor() const { return *view.editor(); }

    // Selects the first text found at line and types by over it.
    void typeOver(int line, const QString& text, const QString& by)
    {
        const QTextBlock block = editor().document()->findBlockByNumber(line - 1);
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + int(block.text().indexOf(text)));
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, int(text.size()));
        editor().setTextCursor(cursor);
        QTest::keyClicks(&editor(), by);
    }

    void pressRun()
    {
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        editor().setFocus();
        QTest::keyClick(&editor(), Qt::Key_Return, Qt::ControlModifier);
    }

    QString finding() const { return bar().finding()->text(); }

    CodeWindow& view;
};

QString tempFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace

class TestProgramEditing : public QObject {
    Q_OBJECT

private slots:
    void anEditedLineRunsOnTheFormAndTheOriginalComesBack()
    {
        EditingSession session;
        QVERIFY(session.editor().editable());
        QCOMPARE(session.editor().accessibleName(), toQString(words::EditorName));
        QCOMPARE(session.editor().accessibleDescription(), toQString(words::EditorKeys));
        QCOMPARE(session.bar().status()->text(),
                 QStringLiteral("Формата изпълнява оригинала. Сравнява се с оригинала."));
        const QString described = window_test::statusText(session.window);
        session.events.openEventsWindow();
        session.trip(3);
        const int line = procedure("Timer1_Timer").first + 1;
        session.typeOver(line, QStringLiteral("FF00"), QStringLiteral("FFFF"));
        session.pressRun();
        QCOMPARE(session.events.eventsWindow()->model()->rowCount(), 1);
        QCOMPARE(session.code.source(), replaced("&HFF00&\n    If", "&HFFFF&\n    If"));
        QCOMPARE(session.bar().status()->text(),
                 QStringLiteral("Формата изпълнява моята програма. Сравнява се с оригинала."));
        // Afresh: the load of the description, a new session of the record and trace.
        QCOMPARE(session.window.controller().CurrentFloor(), 0);
        QCOMPARE(window_test::markers(session.window), QStringLiteral("ciiiiiiiiii"));
        QCOMPARE(window_test::statusText(session.window), described);
        QCOMPARE(session.events.trace().size(), 1u);
        QCOMPARE(session.motion.recording().recorder().rows().size(), 1u);
        QVERIFY(session.code.sessionScript().commands().empty());

        session.trip(4);
        for (int floor = 0; floor < 3; ++floor) {
            QCOMPARE(window_test::floorButton(session.window, floor)->marker(), Yellow);
            QCOMPARE(window_test::dominantColor(window_test::floorButton(session.window, floor)),
                     QColor(255, 255, 0));
        }
        QCOMPARE(session.events.trace().size(), 2u + 3u + 1u);
        QTRY_VERIFY(session.view.steps()->backButton()->isEnabled());
        session.view.grab().save(QStringLiteral(LODARIX_EVIDENCE "/code_view_edited.png"));
        session.window.form().grab().save(
            QStringLiteral(LODARIX_EVIDENCE "/main_window_edited.png"));

        Answers answers({button(QMessageBox::Yes)});
        session.bar().originalButton()->click();
        QCOMPARE(answers.asked, QStringList{toQString(words::UnsavedBackToOriginal)});
        QCOMPARE(session.editor().toPlainText().toStdString(), program::formCode());
        QCOMPARE(session.code.source(), program::formCode());
        QVERIFY(!session.view.unsaved());
        session.trip(4);
        for (int floor = 0; floor < 3; ++floor)
            QCOMPARE(window_test::floorButton(session.window, floor)->marker(), lift::ColorIdle);
        QVERIFY(session.errors.isEmpty());
    }

    void aReadingErrorKeepsTheFormOnItsProgramAndMarksWhere_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        const auto row = [](const char* name, const std::string& source, std::string_view at,
                            int column) {
            QTest::newRow(name) << toQString(source) << lineOf(source, at) << column;
        };
        row("an unknown word", replaced("Enabled = True", "Enabled = Tru e"),
            "Timer1.Enabled = Tru e", 22);
        const std::string open =
            replaced("= False Then\n", "= False Then\n    If Index = 1 Then\n");
        QTest::newRow("a missing End If")
            << toQString(open) << lineOf(open, "End Sub", lineOf(open, "Private Sub Option1")) << 5;
        row("an unknown procedure", replaced("    LogCurrentFloor\n", "    LogFloor\n"), "LogFloor",
            5);
        row("an unknown control", replaced("Timer1.Enabled = True", "Timer2.Enabled = True"),
            "Timer2.Enabled", 11);
        row("an unknown type", replaced("TargetFloor As Integer", "TargetFloor As Floor"),
            "Dim TargetFloor As Floor", 25);
    }

    void aReadingErrorKeepsTheFormOnItsProgramAndMarksWhere()
    {
        QFETCH(QString, source);
        QFETCH(int, line);
        QFETCH(int, column);
        EditingSession session;
        session.trip(2);
        const std::size_t rows = session.events.trace().size();
        session.view.setEditedText(source.toStdString());
        session.pressRun();

        const QString report = session.view.errorReport()->text();
        QVERIFY2(
            report.startsWith(
                QStringLiteral("Грешка при четене, ред %1, колона %2: ").arg(line).arg(column)),
            qPrintable(report));
        QVERIFY(report.endsWith(QStringLiteral(" Формата продължава с предишната програма.")));
        QCOMPARE(session.editor().errorLine(), line);
        QCOMPARE(session.editor().errorColumn(), column);
        const QTextCursor caret = session.editor().textCursor();
        QCOMPARE(caret.blockNumber() + 1, line);
        QCOMPARE(caret.positionInBlock() + 1, column);
        QCOMPARE(session.editor().toPlainText(), source);
        QCOMPARE(session.code.source(), program::formCode());
        QCOMPARE(session.events.trace().size(), rows);
        if (QTest::currentDataTag() == QByteArray("an unknown word"))
            session.view.grab().save(
                QStringLiteral(LODARIX_EVIDENCE "/code_view_reading_error.png"));
        session.trip(4);
        QCOMPARE(session.window.controller().CurrentFloor(), 3);
        QVERIFY(session.errors.isEmpty());
    }

    void tabIndentsShiftTabUnindentsAndUndoTakesEachBack()
    {
        EditingSession session;
        CodeEditor& editor = session.editor();
        session.view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&session.view));
        editor.setFocus();
        const int first = procedure("Timer1_Timer").first + 1;
        const auto lineText = [&editor](int line) {
            return editor.document()->findBlockByNumber(line - 1).text();
        };
        const QString one = lineText(first);
        const QString two = lineText(first + 1);
        const QString three = lineText(first + 2);
        QTextCursor both(editor.document()->findBlockByNumber(first - 1));
        both.setPosition(editor.document()->findBlockByNumber(first).position() + 3,
                         QTextCursor::KeepAnchor);
        editor.setTextCursor(both);

        QTest::keyClick(&editor, Qt::Key_Tab);
        QCOMPARE(lineText(first), QStringLiteral("    ") + one);
        QCOMPARE(lineText(first + 1), QStringLiteral("    ") + two);
        QCOMPARE(lineText(first + 2), three);
        QTest::keyClick(&editor, Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(&editor, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(lineText(first), one.mid(4));
        QCOMPARE(lineText(first + 1), two.mid(4));
        editor.undo();
        QCOMPARE(lineText(first), one);
        QCOMPARE(lineText(first + 1), two);
        editor.undo();
        editor.undo();
        QCOMPARE(editor.toPlainText().toStdString(), program::formCode());
        QVERIFY(editor.document()->isRedoAvailable());

        // Enter is a new line while editing, not "Прочети реда".
        const int lines = editor.document()->blockCount();
        editor.moveCursor(QTextCursor::End);
        QSignalSpy heard(&session.view.announcer(), &StatusAnnouncer::announced);
        QTest::keyClick(&editor, Qt::Key_Return);
        QCOMPARE(editor.document()->blockCount(), lines + 1);
        QCOMPARE(heard.count(), 0);
        QTest::keyClick(&editor, Qt::Key_Escape);
        QTest::keyClick(&editor, Qt::Key_Tab);
        QVERIFY(!editor.hasFocus());
    }

    void compareFindsWhereTheProgramParts_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("trip");
        QTest::addColumn<QString>("finding");
        QTest::newRow("the edited program, after a trip")
            << true << 3 << QStringLiteral("Събитие 4, Timer1_Timer: ");
        QTest::newRow("the original, after a trip")
            << false << 3 << toQString(compare_texts::NoDifference);
        QTest::newRow("no clicks yet") << true << 0 << toQString(words::NoSessionToCompare);
    }

    void compareFindsWhereTheProgramParts()
    {
        QFETCH(bool, edited);
        QFETCH(int, trip);
        QFETCH(QString, finding);
        EditingSession session;
        const int line = procedure("Timer1_Timer").first + 1;
        if (edited) {
            session.typeOver(line, QStringLiteral("FF00"), QStringLiteral("FFFF"));
            session.pressRun();
        }
        if (trip > 0)
            session.trip(trip);
        session.bar().compareButton()->click();
        QVERIFY2(session.finding().startsWith(finding), qPrintable(session.finding()));
        QCOMPARE(session.editor().differenceLine(), edited && trip > 0 ? line : 0);
    }

    void compareByScriptAndWithAReference()
    {
        EditingSession session;
        const QTemporaryDir folder;
        const std::string own = replaced("&HFF00&\n    If", "&HFFFF&\n    If");
        session.code.runSource(own);
        const QString script =
            tempFile(folder, QStringLiteral("trip.txt"), "close\npick 3\ntick\ntick\n");
        const QString bad = tempFile(folder, QStringLiteral("bad.txt"), "close\njump 3\n");
        const QString reference =
            tempFile(folder, QStringLiteral("teacher.bas"), QByteArray::fromStdString(own));
        {
            Answers answers({path(script)});
            session.bar().compareScriptButton()->click();
        }
        QVERIFY2(session.finding().startsWith(QStringLiteral("Събитие 4, Timer1_Timer: ")),
                 qPrintable(session.finding()));
        {
            Answers answers({path(bad)});
            session.bar().compareScriptButton()->click();
        }
        QVERIFY2(session.finding().startsWith(QStringLiteral("Ред 2: ")),
                 qPrintable(session.finding()));
        {
            Answers answers({path(reference), path(script)});
            session.bar().referenceButton()->click();
            session.bar().compareScriptButton()->click();
        }
        QCOMPARE(session.bar().status()->text(),
                 QStringLiteral("Формата изпълнява моята програма. Сравнява се с teacher.bas."));
        QCOMPARE(session.finding(), toQString(compare_texts::NoDifference));
    }

    void aFileThatIsNotAProgramIsRefusedAndTheTextKept_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QByteArray binary(4096, '\0');
        for (int at = 0; at < binary.size(); ++at)
            binary[at] = char(at * 7);
        QTest::newRow("binary") << binary << toQString(texts::FileNotText);
        QTest::newRow("not UTF-8")
            << QByteArray("Dim A As String\n' \xE0\xE1\xE2\n") << toQString(texts::FileNotText);
        QTest::newRow("10 MB") << QByteArray(10 * 1024 * 1024, 'x')
                               << toQString(texts::FileTooLarge);
    }

    void aFileThatIsNotAProgramIsRefusedAndTheTextKept()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        EditingSession session;
        const QTemporaryDir folder;
        const QString file = tempFile(folder, QStringLiteral("bad.bas"), bytes);
        session.typeOver(1, QStringLiteral("Lodarix"), QStringLiteral("Mine"));
        const QString edited = session.editor().toPlainText();
        Answers answers({button(QMessageBox::Yes), path(file), button(QMessageBox::Ok)});
        session.bar().openButton()->click();
        QCOMPARE(answers.asked.size(), 3);
        QCOMPARE(answers.asked.at(0), toQString(words::UnsavedOpen));
        QCOMPARE(answers.asked.at(2),
                 QStringLiteral("Файлът bad.bas не можа да се отвори: ") + reason);
        QCOMPARE(session.editor().toPlainText(), edited);
        QCOMPARE(session.code.source(), program::formCode());
    }

    void aHugeProgramNeitherFreezesNorLosesTheText_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("stopsAt");
        std::string lines = "Private Sub Form_Load()\n";
        for (int line = 0; line < 10'000; ++line)
            lines += "    Text1(0).Text = \"" + std::to_string(line) + "\"\n";
        lines += "End Sub\n";
        QTest::newRow("10,000 lines") << toQString(lines) << 0;
        QTest::newRow("a line of 100,000 characters")
            << QStringLiteral("Private Sub Form_Load()\n    Text1(0).Text = \"%1\"\nEnd Sub\n")
                   .arg(QString(100'000 - 26, QLatin1Char('a')))
            << 0;
        QTest::newRow("an endless loop")
            << QStringLiteral("Private Sub Form_Load()\n    Do\n    Loop\nEnd Sub\n") << 2;
    }

    void aHugeProgramNeitherFreezesNorLosesTheText()
    {
        QFETCH(QString, source);
        QFETCH(int, stopsAt);
        EditingSession session;
        session.view.setEditedText(source.toStdString());
        session.pressRun();
        QCOMPARE(session.editor().toPlainText(), source);
        QCOMPARE(session.editor().errorLine(), stopsAt);
        QCOMPARE(session.view.errorReport()->isVisibleTo(&session.view), stopsAt > 0);
        QVERIFY(session.errors.isEmpty());
    }

    void savingWritesTheTextAsHeldAndNamesTheFile()
    {
        EditingSession session;
        const QTemporaryDir folder;
        session.typeOver(1, QStringLiteral("Lodarix"), QStringLiteral("Mine"));
        session.pressRun();
        QVERIFY(session.view.unsaved());
        const QString saved = folder.filePath(QStringLiteral("mine.bas"));
        {
            Answers answers({path(saved)});
            session.bar().saveButton()->click();
        }
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), session.editor().toPlainText().toUtf8());
        QVERIFY(!session.view.unsaved());
        QCOMPARE(session.bar().status()->text(),
                 QStringLiteral("Формата изпълнява mine.bas. Сравнява се с оригинала."));

        // Opened with CR LF and a mark, it reads the same and runs.
        QFile crlf(folder.filePath(QStringLiteral("crlf.bas")));
        QVERIFY(crlf.open(QIODevice::WriteOnly));
        crlf.write(
            "\xEF\xBB\xBF"
            + QByteArray::fromStdString(std::string(program::formCode())).replace("\n", "\r\n"));
        crlf.close();
        {
            Answers answers({path(crlf.fileName())});
            session.bar().openButton()->click();
        }
        QCOMPARE(session.code.source(), program::formCode());
        QCOMPARE(session.bar().status()->text(),
                 QStringLiteral("Формата изпълнява оригинала. Сравнява се с оригинала."));
    }

    void editsNotSavedAreAskedAboutFirst_data()
    {
        QTest::addColumn<QString>("by");
        QTest::addColumn<bool>("letGo");
        for (const bool letGo : {false, true}) {
            const char* answer = letGo ? ", let go" : ", kept";
            for (const char* by : {"closing the main window", "Към оригинала", "Отвори…"})
                QTest::newRow((QByteArray(by) + answer).constData())
                    << QString::fromUtf8(by) << letGo;
        }
    }

    void editsNotSavedAreAskedAboutFirst()
    {
        QFETCH(QString, by);
        QFETCH(bool, letGo);
        EditingSession session;
        session.typeOver(1, QStringLiteral("Lodarix"), QStringLiteral("Mine"));
        const QString edited = session.editor().toPlainText();
        Answers answers({button(letGo ? QMessageBox::Yes : QMessageBox::No), path({})});
        QString question;
        if (by.startsWith(QStringLiteral("closing"))) {
            session.window.form().close();
            QCOMPARE(session.window.form().isVisible(), !letGo);
            question = toQString(words::UnsavedClose);
        } else if (by == QStringLiteral("Към оригинала")) {
            session.bar().originalButton()->click();
            question = toQString(words::UnsavedBackToOriginal);
        } else {
            session.bar().openButton()->click();
            question = toQString(words::UnsavedOpen);
            QCOMPARE(answers.asked.size(), letGo ? 2 : 1); // the file dialog after a yes
        }
        QCOMPARE(answers.asked.first(), question);
        QCOMPARE(session.editor().toPlainText() == edited,
                 !letGo || by != QStringLiteral("Към оригинала"));
    }
};

QTEST_MAIN(TestProgramEditing)
#include "tst_program_editing.moc"
