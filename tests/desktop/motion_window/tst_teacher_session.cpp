// A teacher's session with the time controls, on model time that the test
// moves: a trip, a pause, two steps by hand, an interval and a storey height
// typed, an emptied field, and the steps going on again. Its motion record
// is checked row by row here; page_teacher_session.test.js runs this test
// with LODARIX_SESSION_OUT naming a folder, and holds the page's CSV and
// workbook of the same session to the bytes this one saves there.

#include "motion_session.h"

#include <QAbstractSpinBox>
#include <QFile>
#include <QTemporaryDir>

using namespace lodarix;

using motion_test::MotionSession;
using namespace window_test;

namespace {

void press(MotionSession& session, const char* button)
{
    QTest::mouseClick(session.motionControl<QAbstractButton>(button), Qt::LeftButton);
}

void type(MotionSession& session, const char* field, const QString& text)
{
    auto* box = session.motionControl<QAbstractSpinBox>(field);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    box->interpretText();
}

void wait(MotionSession& session, int ms)
{
    session.sourceMs += ms;
}

void stepDue(MotionSession& session, int intervalMs)
{
    wait(session, intervalMs);
    timerPeriod(session.window);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTeacherSession : public QObject {
    Q_OBJECT

private slots:
    void theSessionsRecordIsInModelTime()
    {
        MotionSession session;
        MotionWindow& motionWindow = session.openMotionWindow();
        wait(session, 3000);
        session.tripTo(5);
        stepDue(session, 800);
        stepDue(session, 800);
        wait(session, 300);
        press(session, "pauseButton");
        wait(session, 3000);
        press(session, "stepButton");
        press(session, "stepButton");
        type(session, "intervalBox", QStringLiteral("850"));
        type(session, "storeyHeightBox", QStringLiteral("3.05"));
        type(session, "intervalBox", QString());
        wait(session, 500);
        press(session, "pauseButton");
        stepDue(session, 850);
        wait(session, 1000);
        QVERIFY(session.errors.isEmpty());

        const QByteArray out = qgetenv("LODARIX_SESSION_OUT");
        QTemporaryDir scratch;
        const QString folder = out.isEmpty() ? scratch.path() : QString::fromLocal8Bit(out);
        const QString csv = folder + QStringLiteral("/lodarix-motion.csv");
        QVERIFY(motionWindow.saveCsv(csv));
        QVERIFY(motionWindow.saveWorkbook(folder + QStringLiteral("/lodarix-motion.xlsx")));
        // The pause holds model time; a step by hand lasts one interval, and
        // the first step after the pause one interval of the new length.
        QCOMPARE(contents(csv),
                 QByteArray("time_s,floor,target,event\n"
                            "0.000,1,1,start\n"
                            "3.000,1,6,pick\n"
                            "3.800,2,6,step\n"
                            "4.600,3,6,step\n"
                            "5.700,4,6,step\n"
                            "6.500,5,6,step\n"
                            "7.350,6,6,arrive\n"));
    }
};

QTEST_MAIN(TestTeacherSession)
#include "tst_teacher_session.moc"
