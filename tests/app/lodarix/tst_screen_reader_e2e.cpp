// The built program with a real screen reader, Orca, as a blind student
// meets it: keyboard only, in a session of its own (orca-session.sh runs this
// test as its client). A pick with the grille open, then a trip up and a trip
// down, must each be heard: the warning, the direction, every floor reached,
// the last stop and the grille opening, each once and in order, as
// notifications that leave the focus where it was.

#include "tests/support/orca_session.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

using test_support::OrcaSession;

namespace {

const QString TitleText = QStringLiteral("Физика - движение на асансьор");
const QString Notification = QStringLiteral("notification ");

} // namespace

class TestScreenReaderEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!OrcaSession::isRunning())
            QFAIL("run this test as the client of tests/support/orca-session.sh");
    }

    void theLessonIsHeardFromTheKeyboard()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QStringLiteral(LODARIX_PROGRAM), {});
        QVERIFY(program.waitForStarted());

        const QString window = orca_.findWindow(TitleText);
        QVERIFY2(!window.isEmpty(), "the window did not appear");
        const qsizetype before = orca_.spoken().size();
        QVERIFY(orca_.focus(window));
        QVERIFY(heard(QStringLiteral("Съобщения text"), before));

        // The grille is open: the pick is refused with a warning.
        QVERIFY(pressAndHear({"Tab"}, QStringLiteral("Цитат text")));
        QVERIFY(pressAndHear({"Tab"}, QStringLiteral("Етаж 2, свободен")));
        QVERIFY(pressAndHear({"Right", "Right"}, QStringLiteral("Етаж 4, свободен")));
        QVERIFY(pressAndHear({"space"},
                             Notification + QStringLiteral("Затворете предпазната решетка!")));

        // Up from floor 1 to floor 4, the grille closed first.
        QVERIFY(pressAndHear({"Tab"}, QStringLiteral("Предпазната решетка е затворена")));
        QVERIFY(pressAndHear({"space"}, QStringLiteral("selected")));
        QVERIFY(pressAndHear({"shift+Tab"}, QStringLiteral("Етаж 4, свободен")));
        QVERIFY(pressAndHear({"space"},
                             Notification + QStringLiteral("Предпазната решетка е отворена")));

        // And down again to floor 1: the ring of notifications comes round.
        QVERIFY(pressAndHear({"Tab"}, QStringLiteral("Предпазната решетка е затворена")));
        QVERIFY(pressAndHear({"space"}, QStringLiteral("selected")));
        QVERIFY(pressAndHear({"shift+Tab"}, QStringLiteral("Етаж 4, кабината е тук")));
        QVERIFY(pressAndHear({"Left", "Left", "Left"}, QStringLiteral("Етаж 1, свободен")));
        QVERIFY(pressAndHear({"space"},
                             Notification + QStringLiteral("Предпазната решетка е отворена")));

        // The focus is still on floor 1; by the time its neighbour is spoken,
        // Orca has had all that the trips sent.
        QVERIFY(pressAndHear({"Right"}, QStringLiteral("Етаж 2, свободен")));

        const QStringList expected{
            QStringLiteral("Затворете предпазната решетка!"),
            QStringLiteral("Асансьорът се качва!"),
            QStringLiteral("Етаж I"),
            QStringLiteral("Етаж II"),
            QStringLiteral("Етаж III"),
            QStringLiteral("Етаж IV"),
            QStringLiteral("Последна спирка!"),
            QStringLiteral("Предпазната решетка е отворена"),
            QStringLiteral("Асансьорът слиза!"),
            QStringLiteral("Етаж IV"),
            QStringLiteral("Етаж III"),
            QStringLiteral("Етаж II"),
            QStringLiteral("Етаж I"),
            QStringLiteral("Последна спирка!"),
            QStringLiteral("Предпазната решетка е отворена"),
        };
        QStringList notifications;
        for (const QString& said : orca_.spoken()) {
            if (!said.startsWith(Notification))
                continue;
            const QString text = said.sliced(Notification.size());
            const qsizetype at = notifications.size();
            // Orca's own full stops aside.
            notifications << (at < expected.size() && OrcaSession::says(text, expected.at(at))
                                  ? expected.at(at)
                                  : text);
        }
        QCOMPARE(notifications, expected);

        program.terminate();
        QVERIFY(program.waitForFinished(10000));
    }

private:
    // Whether Orca said text after its first `from` utterances; if not, says
    // what it said instead.
    bool heard(const QString& text, qsizetype from) const
    {
        if (orca_.waitForUtterance(text, from) >= 0)
            return true;
        qWarning("Orca did not say '%s'; it said:\n%s", qPrintable(text),
                 qPrintable(orca_.spoken().mid(from).join(QLatin1Char('\n'))));
        return false;
    }

    bool pressAndHear(const QStringList& keys, const QString& text) const
    {
        const qsizetype from = orca_.spoken().size();
        return orca_.press(keys) && heard(text, from);
    }

    OrcaSession orca_;
};

QTEST_GUILESS_MAIN(TestScreenReaderEndToEnd)
#include "tst_screen_reader_e2e.moc"
