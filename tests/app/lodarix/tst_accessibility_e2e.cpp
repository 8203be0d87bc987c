// The built program as a screen reader meets it, through the AT-SPI bus in a
// real X server: floor buttons are radio buttons that say their floor and
// role and whether they are selected, the grille says its state, and the
// status box can be read, before and after a pick made through accessibility.

#include "x_server.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

class TestAccessibilityEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void aScreenReaderCanFollowAPick()
    {
        XServer x;
        QVERIFY2(x.start(QSize(800, 600)), "Xvfb did not start");
        QProcess reader;
        reader.setProcessEnvironment(x.environment());
        reader.setProcessChannelMode(QProcess::SeparateChannels);
        reader.start(QStringLiteral("dbus-run-session"),
                     {QStringLiteral("--"), QStringLiteral("/usr/bin/python3"),
                      QStringLiteral(ATSPI_TREE_SCRIPT), QStringLiteral(LODARIX_PROGRAM)});
        QVERIFY(reader.waitForFinished(90000));
        const QByteArray errors = reader.readAllStandardError();
        QVERIFY2(reader.exitCode() == 0, errors.constData());
        // Services started on the bus may print to the same output: the tree is the last line.
        const QByteArray output = reader.readAllStandardOutput().trimmed();
        const QJsonObject tree =
            QJsonDocument::fromJson(output.mid(output.lastIndexOf('\n') + 1)).object();
        const QJsonObject before = tree[QStringLiteral("before")].toObject();
        const QJsonObject after = tree[QStringLiteral("after")].toObject();

        const QJsonArray floors = before[QStringLiteral("floors")].toArray();
        QCOMPARE(floors.size(), 11);
        for (int i = 0; i < 11; ++i) {
            const QJsonObject floor = floors.at(i).toObject();
            QCOMPARE(floor[QStringLiteral("role")].toString(), QStringLiteral("radio button"));
            const QString role =
                i == 0 ? QStringLiteral("кабината е тук") : QStringLiteral("свободен");
            QCOMPARE(floor[QStringLiteral("name")].toString(),
                     QStringLiteral("Етаж %1, %2").arg(i + 1).arg(role));
            QVERIFY(!floor[QStringLiteral("checked")].toBool());
        }
        const QJsonArray grilleBefore = before[QStringLiteral("grille")].toArray();
        QCOMPARE(grilleBefore.size(), 2);
        QCOMPARE(grilleBefore.at(0)[QStringLiteral("name")].toString(),
                 QStringLiteral("Предпазната решетка е отворена"));
        QVERIFY(grilleBefore.at(0)[QStringLiteral("checked")].toBool());
        QVERIFY(
            before[QStringLiteral("status")].toString().startsWith(QStringLiteral("Най-често")));

        const QJsonArray floorsAfter = after[QStringLiteral("floors")].toArray();
        QCOMPARE(floorsAfter.at(3)[QStringLiteral("name")].toString(),
                 QStringLiteral("Етаж 4, крайна спирка"));
        QVERIFY(floorsAfter.at(3)[QStringLiteral("checked")].toBool());
        QCOMPARE(floorsAfter.at(0)[QStringLiteral("name")].toString(),
                 QStringLiteral("Етаж 1, кабината е тук"));
        const QJsonArray grilleAfter = after[QStringLiteral("grille")].toArray();
        QVERIFY(grilleAfter.at(1)[QStringLiteral("checked")].toBool());
        QVERIFY(!grilleAfter.at(0)[QStringLiteral("checked")].toBool());
        QVERIFY(after[QStringLiteral("status")].toString().startsWith(
            QStringLiteral("Асансьорът се качва!\nЕтаж I\n")));
    }
};

QTEST_GUILESS_MAIN(TestAccessibilityEndToEnd)
#include "tst_accessibility_e2e.moc"
