// The status box's text as the rules and the user share it. Whatever the
// rules write and whatever the user types, pastes or undoes, the text read
// back and the box's content must be those of the plain way: every write
// converting the whole text and replacing the box's text with it, every read
// converting the box's whole text back. The rules' appends must leave the
// user's selection alone, end the undo history as a replacement does, and
// show the newest line.

#include "window_test_support.h"

#include "core/line_ends/crlf_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>

using namespace lodarix;

using lodarix::LodarixWindow;
using namespace window_test;

namespace {

// The plain way, on a box of its own: every line end (CR LF, a lone CR or
// a lone LF) becomes a line feed.
class WholeTextBox {
public:
    void write(const std::string& text)
    {
        box_.setPlainText(QString::fromStdString(toLineFeeds(text)));
    }
    std::string read() const { return read(box_); }
    QString held() const { return box_.document()->toRawText(); }

    static std::string read(const QPlainTextEdit& box)
    {
        return box.toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
    }

private:
    QPlainTextEdit box_;
};

QByteArray bytes(const std::string& text)
{
    return QByteArray::fromStdString(text);
}

struct LoadedWindow {
    LoadedWindow()
    {
        window.setErrorHandler([this](const std::exception& error) { errors << error.what(); });
        window.load();
        window.show();
        box = control<QPlainTextEdit>(window, "Text1", 0);
    }
    // The cabin's own floor: the rules append its name and nothing else. The
    // step it starts is stopped, so that no step comes in between.
    void pickTheCabinsFloor()
    {
        if (!control<QRadioButton>(window, "Option2", 0)->isChecked())
            clickGrille(window, true);
        clickFloor(window, window.controller().CurrentFloor());
        window.operations().setStepsRunning(false);
    }
    LodarixWindow window;
    QPlainTextEdit* box = nullptr;
    QStringList errors;
};

// Types text as key presses, one character each.
void type(QWidget* widget, const QString& text)
{
    for (const QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(letter), Qt::NoModifier);
}

void select(QPlainTextEdit* box, int from, int to)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

void edit(QPlainTextEdit* box, const QString& how)
{
    const QString pasted = QStringLiteral("поставено\nвторо");
    if (how == QLatin1String("typing at the end")) {
        box->moveCursor(QTextCursor::End);
        type(box, QStringLiteral("бележка"));
    } else if (how == QLatin1String("typing in the middle")) {
        select(box, 5, 5);
        type(box, QStringLiteral("xyz"));
    } else if (how == QLatin1String("a line break within a line")) {
        select(box, 5, 5);
        QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    } else if (how == QLatin1String("a no-break space")) {
        box->moveCursor(QTextCursor::End);
        type(box, QString(QChar::Nbsp));
    } else if (how == QLatin1String("pasting")) {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(box->toPlainText().contains(pasted));
    } else if (how == QLatin1String("pasting, then undoing it")) {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!box->toPlainText().contains(pasted));
    } else if (how == QLatin1String("cutting a selection")) {
        select(box, 3, 40);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    } else if (how == QLatin1String("typing, undoing and redoing it")) {
        type(box, QStringLiteral("abc"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        box->redo();
    } else {
        QFAIL("no such edit");
    }
}

} // namespace

class TestStatusBoxText : public QObject {
    Q_OBJECT

private slots:
    void writesReadBackAsTheWholeTextWay_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("lines with CR LF") << QByteArray("Етаж I\r\n") << QByteArray("Етаж II\r\n");
        QTest::newRow("an empty box") << QByteArray() << QByteArray("Етаж I\r\n");
        QTest::newRow("a tail without a line end") << QByteArray("a\r\n") << QByteArray("b c");
        QTest::newRow("a tab") << QByteArray("a\r\n") << QByteArray("b\tc\r\n");
        QTest::newRow("a four-byte character") << QByteArray("a") << QByteArray("\xF0\x9F\x98\x80");
        QTest::newRow("a lone LF") << QByteArray("a\r\n") << QByteArray("b\nc");
        QTest::newRow("a lone CR") << QByteArray("a\r\n") << QByteArray("b\rc");
        QTest::newRow("CR CR LF") << QByteArray("a") << QByteArray("\r\r\n");
        QTest::newRow("LF CR") << QByteArray("a\r\n") << QByteArray("\n\r");
        QTest::newRow("a text ending in CR, then LF") << QByteArray("a\r") << QByteArray("\nb");
        QTest::newRow("LF right after CR LF") << QByteArray("a\r\n") << QByteArray("\nb");
        QTest::newRow("no-break space") << QByteArray("a\r\n")
                                        << QByteArray("b\xC2\xA0"
                                                      "c");
        QTest::newRow("line separator") << QByteArray("a") << QByteArray("\xE2\x80\xA8");
        QTest::newRow("paragraph separator") << QByteArray("a") << QByteArray("\xE2\x80\xA9");
        QTest::newRow("a frame mark") << QByteArray("a") << QByteArray("\xEF\xB7\x90");
        QTest::newRow("byte order mark in the tail")
            << QByteArray("a") << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("byte order mark first") << QByteArray("\xEF\xBB\xBF"
                                                             "a")
                                               << QByteArray("b\r\n");
        QTest::newRow("NUL and a control character")
            << QByteArray("a") << QByteArray("b\0c\x01", 4);
        QTest::newRow("a stray continuation byte") << QByteArray("a") << QByteArray("\x80");
        QTest::newRow("a character cut short") << QByteArray("a\xD0") << QByteArray("\x95");
        QTest::newRow("an overlong encoding") << QByteArray("a") << QByteArray("\xC0\xAF");
        QTest::newRow("an encoded surrogate") << QByteArray("a") << QByteArray("\xED\xA0\x80");
    }

    // First whole, then read back with the tail appended, then once more with
    // a floor name appended, as the rules do.
    void writesReadBackAsTheWholeTextWay()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, tail);
        LoadedWindow loaded;
        lift::WindowOperations& operations = loaded.window.operations();
        WholeTextBox expected;
        writeToBoth(operations, expected, *loaded.box, first.toStdString());
        if (QTest::currentTestFailed())
            return;
        writeToBoth(operations, expected, *loaded.box,
                    operations.statusText() + tail.toStdString());
        if (QTest::currentTestFailed())
            return;
        writeToBoth(operations, expected, *loaded.box, operations.statusText() + "Етаж II\r\n");
    }

    void editsByTheUserAreReadBackAfterThem_data()
    {
        QTest::addColumn<QString>("edit");
        for (const char* edit :
             {"typing at the end", "typing in the middle", "a line break within a line",
              "a no-break space", "pasting", "pasting, then undoing it", "cutting a selection",
              "typing, undoing and redoing it"})
            QTest::newRow(edit) << QString::fromUtf8(edit);
    }

    // A pick before the edit, so that the edit meets a text already read and
    // written; two after it, the second from what the first left.
    void editsByTheUserAreReadBackAfterThem()
    {
        QFETCH(QString, edit);
        LoadedWindow loaded;
        loaded.pickTheCabinsFloor();
        ::edit(loaded.box, edit);
        if (QTest::currentTestFailed())
            return;
        const std::string edited = WholeTextBox::read(*loaded.box);
        for (const std::string& expected :
             {edited + "Етаж I\r\n", edited + "Етаж I\r\nЕтаж I\r\n"}) {
            loaded.pickTheCabinsFloor();
            QCOMPARE(bytes(loaded.window.operations().statusText()), bytes(expected));
            WholeTextBox whole;
            whole.write(expected);
            QCOMPARE(loaded.box->document()->toRawText(), whole.held());
        }
        QVERIFY(loaded.errors.isEmpty());
    }

    void aWriteEndsTheUndoHistoryAsAReplacementDoes()
    {
        LoadedWindow loaded;
        loaded.box->moveCursor(QTextCursor::End);
        type(loaded.box, QStringLiteral("бележка"));
        QVERIFY(loaded.box->document()->isUndoAvailable());
        loaded.pickTheCabinsFloor();
        QVERIFY(!loaded.box->document()->isUndoAvailable());
        const QString logged = loaded.box->toPlainText();
        QVERIFY(logged.endsWith(QStringLiteral("бележкаЕтаж I\n")));
        QTest::keyClick(loaded.box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(loaded.box->toPlainText(), logged);

        type(loaded.box, QStringLiteral("!"));
        QCOMPARE(loaded.box->toPlainText(), logged + QStringLiteral("!"));
        QTest::keyClick(loaded.box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(loaded.box->toPlainText(), logged);
    }

    void anAppendLeavesTheSelectionAloneAndShowsTheNewestLine()
    {
        LoadedWindow loaded;
        QVERIFY(QTest::qWaitForWindowExposed(&loaded.window.form()));
        QPlainTextEdit* box = loaded.box;
        select(box, 4, 19);
        const QString selected = box->textCursor().selectedText();
        for (int i = 0; i < 12; ++i) {
            loaded.pickTheCabinsFloor();
            QCoreApplication::processEvents();
        }
        QCOMPARE(box->textCursor().selectedText(), selected);
        QCOMPARE(box->textCursor().selectionStart(), 4);
        QScrollBar* bar = box->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        const QTextBlock newest = box->document()->lastBlock().previous();
        QCOMPARE(newest.text(), QStringLiteral("Етаж I"));
        QVERIFY(box->viewport()->rect().contains(box->cursorRect(QTextCursor(newest)).center()));
    }

private:
    static void writeToBoth(lift::WindowOperations& operations, WholeTextBox& expected,
                            const QPlainTextEdit& box, const std::string& text)
    {
        operations.setStatusText(text);
        expected.write(text);
        QCOMPARE(bytes(operations.statusText()), bytes(expected.read()));
        QCOMPARE(box.document()->toRawText(), expected.held());
    }
};

QTEST_MAIN(TestStatusBoxText)
#include "tst_status_box_text.moc"
