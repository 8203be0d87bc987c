// Reading single script lines: what is a command, what is skipped, and the
// message for each kind of bad line.

#include "core/replay/script.h"

#include <QTest>

using namespace lodarix::replay;

class TestScript : public QObject {
    Q_OBJECT

private slots:
    void commandsAndSkippedLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("kind"); // skip, close, open, tick or pick N
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray("") << "skip" << QByteArray();
        QTest::newRow("blanks only") << QByteArray(" \t \r") << "skip" << QByteArray();
        QTest::newRow("comment") << QByteArray("# pick 99") << "skip" << QByteArray();
        QTest::newRow("indented comment") << QByteArray("   #tick") << "skip" << QByteArray();
        QTest::newRow("close") << QByteArray("close") << "close" << QByteArray("close");
        QTest::newRow("open with CR LF") << QByteArray("open\r") << "open" << QByteArray("open");
        QTest::newRow("tick indented") << QByteArray("\t tick  ") << "tick" << QByteArray("tick");
        QTest::newRow("pick keeps inner blanks")
            << QByteArray(" pick   7 ") << "pick 7" << QByteArray("pick   7");
        QTest::newRow("pick lowest") << QByteArray("pick 1") << "pick 1" << QByteArray("pick 1");
        QTest::newRow("pick highest")
            << QByteArray("pick 11") << "pick 11" << QByteArray("pick 11");
    }

    void commandsAndSkippedLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, kind);
        QFETCH(QByteArray, text);
        const ParsedLine parsed =
            parseLine(std::string_view(line.constData(), std::size_t(line.size())));
        if (kind == QLatin1String("skip")) {
            QVERIFY(std::holds_alternative<Skip>(parsed));
            return;
        }
        QVERIFY(std::holds_alternative<Command>(parsed));
        const Command& command = std::get<Command>(parsed);
        QCOMPARE(QByteArray::fromStdString(command.text), text);
        const QString actual = std::visit(
            [](const auto& action) -> QString {
                using T = std::decay_t<decltype(action)>;
                if constexpr (std::is_same_v<T, Close>)
                    return QStringLiteral("close");
                else if constexpr (std::is_same_v<T, Open>)
                    return QStringLiteral("open");
                else if constexpr (std::is_same_v<T, Tick>)
                    return QStringLiteral("tick");
                else
                    return QStringLiteral("pick %1").arg(action.floorNumber);
            },
            command.action);
        QCOMPARE(actual, kind);
    }

    void badLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown") << QByteArray(
            "jump 3") << "unknown command \"jump\" (expected close, open, pick N or tick)";
        QTest::newRow("upper case")
            << QByteArray("TICK")
            << "unknown command \"TICK\" (expected close, open, pick N or tick)";
        QTest::newRow("missing floor")
            << QByteArray("pick") << "\"pick\" needs a floor number from 1 to 11";
        QTest::newRow("extra floor")
            << QByteArray("pick 3 4") << "\"pick\" takes one floor number, but got also \"4\"";
        QTest::newRow("argument to tick")
            << QByteArray("tick 2") << "\"tick\" takes no argument, but got \"2\"";
        QTest::newRow("floor zero")
            << QByteArray("pick 0") << "floor \"0\" is not a floor number from 1 to 11";
        QTest::newRow("floor twelve")
            << QByteArray("pick 12") << "floor \"12\" is not a floor number from 1 to 11";
        QTest::newRow("negative floor")
            << QByteArray("pick -3") << "floor \"-3\" is not a floor number from 1 to 11";
        QTest::newRow("huge floor")
            << QByteArray("pick 99999999999999999999")
            << "floor \"99999999999999999999\" is not a floor number from 1 to 11";
        QTest::newRow("not a number")
            << QByteArray("pick IV") << "floor \"IV\" is not a floor number from 1 to 11";
        QTest::newRow("control bytes are escaped")
            << QByteArray("go\x1b[2J")
            << "unknown command \"go\\x1B[2J\" (expected close, open, pick N or tick)";
        QTest::newRow("long words are cut on a character")
            << QByteArray("ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ")
            << "unknown command \"ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ...\" (expected close, open, pick N or tick)";
        QTest::newRow("long words are cut before a four-byte character")
            << QByteArray("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\xF0\x9F\x98\x80"
                          "B")
            << "unknown command \"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA...\" (expected close, "
               "open, pick N or tick)";
        QTest::newRow("long words of stray bytes are cut too")
            << QByteArray(60, '\x85')
            << QString::fromUtf8("unknown command \"" + QByteArray(40, '\x85')
                                 + "...\" (expected close, open, pick N or tick)");
    }

    void badLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, message);
        const ParsedLine parsed =
            parseLine(std::string_view(line.constData(), std::size_t(line.size())));
        QVERIFY(std::holds_alternative<ScriptError>(parsed));
        QCOMPARE(QString::fromStdString(std::get<ScriptError>(parsed).message), message);
    }
};

QTEST_APPLESS_MAIN(TestScript)
#include "tst_script.moc"
