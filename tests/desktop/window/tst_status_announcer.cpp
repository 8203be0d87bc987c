// What a screen reader is told while the rules run: each line the status box
// newly shows and the grille opening on arrival, one notification each, in
// order, once, from hidden objects of the notification role that never take
// the focus and come round in a ring; the user's own typing is never told.
// The offscreen platform passes no accessibility event on, so the
// notifications are followed through the announcer and read back through
// their objects' accessible interfaces.

#include "window_test_support.h"

#include "core/texts/main_window_texts.h"
#include "desktop/window/status_announcer.h"

#include <QAccessible>
#include <QApplication>

using lodarix::LodarixWindow;
using lodarix::StatusAnnouncer;
using namespace window_test;

namespace {

struct Notification {
    const QObject* object;
    QString name; // the accessible name when it was sent
};

// Every notification a window sends, as a screen reader would read it.
class Listener {
public:
    explicit Listener(const LodarixWindow& window)
    {
        QObject::connect(&window.announcer(), &StatusAnnouncer::announced,
                         [this](const QObject* object, const QString& text) {
                             QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(
                                 const_cast<QObject*>(object));
                             QVERIFY(shown && shown->role() == QAccessible::Notification);
                             QCOMPARE(shown->text(QAccessible::Name), text);
                             notifications.append({object, text});
                         });
    }

    QStringList heard() const
    {
        QStringList names;
        for (const Notification& notification : notifications)
            names << notification.name;
        return names;
    }

    QList<Notification> notifications;
};

// Types text as key presses, one character each.
void type(QWidget* widget, const QString& text)
{
    for (const QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(letter), Qt::NoModifier);
}

// The lines the status box shows, blank ones aside.
QStringList shownLines(const LodarixWindow& window)
{
    QStringList lines = statusText(window).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines;
}

struct ShownWindow {
    ShownWindow()
    {
        window.load();
        window.show();
    }
    void tripTo(int floor)
    {
        clickGrille(window, true);
        clickFloor(window, floor);
        while (stepTimer(window)->isActive())
            timerPeriod(window);
    }
    LodarixWindow window;
    Listener listener{window};
};

const QString GrilleOpen = QString::fromUtf8(lodarix::texts::GrilleOpen);

} // namespace

class TestStatusAnnouncer : public QObject {
    Q_OBJECT

private slots:
    void aTripIsHeardAsTheStatusBoxShowsIt()
    {
        ShownWindow shown;
        QWidget* focused = QApplication::focusWidget();
        const QString warning = QStringLiteral("Затворете предпазната решетка!");
        clickFloor(shown.window, 3);
        clickFloor(shown.window, 5);
        QCOMPARE(shown.listener.heard(), QStringList({warning, warning}));

        shown.listener.notifications.clear();
        shown.tripTo(3);
        const QStringList trip{QStringLiteral("Асансьорът се качва!"),
                               QStringLiteral("Етаж I"),
                               QStringLiteral("Етаж II"),
                               QStringLiteral("Етаж III"),
                               QStringLiteral("Етаж IV"),
                               QStringLiteral("Последна спирка!")};
        QCOMPARE(shownLines(shown.window), trip);
        QCOMPARE(shown.listener.heard(), trip + QStringList{GrilleOpen});
        QCOMPARE(QApplication::focusWidget(), focused);
        for (const Notification& notification : shown.listener.notifications) {
            const auto* object = qobject_cast<const QWidget*>(notification.object);
            QVERIFY(object && object->isHidden() && object->focusPolicy() == Qt::NoFocus);
            QCOMPARE(object->window(), &shown.window.form());
        }
    }

    // Ten floors: each line once, on objects that come round after the ring's size.
    void aLongTripGoesRoundTheRing()
    {
        ShownWindow shown;
        shown.tripTo(10);
        const QStringList lines = shownLines(shown.window);
        QCOMPARE(lines.size(), 13);
        QCOMPARE(shown.listener.heard(), lines + QStringList{GrilleOpen});
        const QList<Notification>& sent = shown.listener.notifications;
        const auto ring = static_cast<qsizetype>(StatusAnnouncer::RingSize);
        for (qsizetype i = 0; i < sent.size(); ++i) {
            for (qsizetype j = 0; j < i; ++j)
                QCOMPARE(sent.at(i).object == sent.at(j).object, (i - j) % ring == 0);
        }
    }

    void theGrilleIsHeardOnlyWhenTheRulesOpenIt()
    {
        LodarixWindow window;
        Listener listener(window);
        window.load(); // Form_Load opens the grille, but it was not closed
        window.show();
        clickGrille(window, true);
        clickGrille(window, false);
        clickGrille(window, true);
        QVERIFY(listener.notifications.isEmpty());
        clickFloor(window, 1);
        clickGrille(window, false); // opened by hand during the trip
        timerPeriod(window);
        QCOMPARE(listener.heard(),
                 QStringList({QStringLiteral("Асансьорът се качва!"), QStringLiteral("Етаж I"),
                              QStringLiteral("Етаж II"), QStringLiteral("Последна спирка!")}));
    }

    void whatTheUserTypesIsNotHeard_data()
    {
        QTest::addColumn<QString>("edit");
        for (const char* edit :
             {"typing at the end", "typing in the middle", "a line break within a line",
              "cutting a selection", "clearing the box"})
            QTest::newRow(edit) << QString::fromUtf8(edit);
    }

    // During a trip, with the box's text read and written before: the edit
    // tells nothing, and the step after it only its floor.
    void whatTheUserTypesIsNotHeard()
    {
        QFETCH(QString, edit);
        ShownWindow shown;
        clickGrille(shown.window, true);
        clickFloor(shown.window, 4);
        auto* box = control<QPlainTextEdit>(shown.window, "Text1", 0);
        box->setFocus();
        shown.listener.notifications.clear();
        QTextCursor cursor = box->textCursor();
        if (edit == QLatin1String("typing at the end")) {
            box->moveCursor(QTextCursor::End);
            type(box, QStringLiteral("бележка"));
        } else if (edit == QLatin1String("typing in the middle")) {
            cursor.setPosition(5);
            box->setTextCursor(cursor);
            type(box, QStringLiteral("xyz"));
        } else if (edit == QLatin1String("a line break within a line")) {
            cursor.setPosition(5);
            box->setTextCursor(cursor);
            QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
        } else if (edit == QLatin1String("cutting a selection")) {
            cursor.setPosition(3);
            cursor.setPosition(20, QTextCursor::KeepAnchor);
            box->setTextCursor(cursor);
            QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        } else {
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
        }
        QVERIFY(shown.listener.notifications.isEmpty());
        timerPeriod(shown.window);
        QCOMPARE(shown.listener.heard(), QStringList{QStringLiteral("Етаж II")});
    }

    // The exercise statement, written whole from the context menu, has more
    // lines than the ring: one notification, so that no object is reused early.
    void aLongReplacementIsOneNotification()
    {
        ShownWindow shown;
        shown.window.operations().setStatusText(std::string(lodarix::texts::ExerciseStatement));
        QCOMPARE(shown.listener.heard(),
                 QStringList{QString::fromUtf8(lodarix::texts::ExerciseStatement)
                                 .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)
                                 .join(QLatin1Char(' '))});
    }
};

QTEST_MAIN(TestStatusAnnouncer)
#include "tst_status_announcer.moc"
