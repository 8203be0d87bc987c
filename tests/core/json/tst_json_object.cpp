// The hand-written JSON: what a JSON reader reads back, texts byte for byte,
// escaped exactly where the state lines have always been escaped.

#include "core/json/json_object.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace lodarix;

class TestJsonObject : public QObject {
    Q_OBJECT

private slots:
    void textsAreEscapedOnlyWhereTheyMustBe_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("plain") << QByteArray("pick 4") << QByteArray("\"pick 4\"");
        QTest::newRow("quotes and backslashes")
            << QByteArray("a\"b\\c") << QByteArray("\"a\\\"b\\\\c\"");
        QTest::newRow("line ends and tabs")
            << QByteArray("a\r\nb\tc") << QByteArray("\"a\\r\\nb\\tc\"");
        QTest::newRow("other control characters")
            << QByteArray("\x01\x1f\b\f", 4) << QByteArray("\"\\u0001\\u001f\\b\\f\"");
        QTest::newRow("Cyrillic as it stands") << QByteArray("Етаж I") << QByteArray("\"Етаж I\"");
        QTest::newRow("slash and delete unescaped")
            << QByteArray("a/b\x7f") << QByteArray("\"a/b\x7f\"");
    }
    void textsAreEscapedOnlyWhereTheyMustBe()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, written);
        std::string out;
        json::appendString(out, text.toStdString());
        QCOMPARE(QByteArray::fromStdString(out), written);
    }

    void anObjectReadsBackAsWritten()
    {
        std::string out;
        {
            json::Object object(out);
            object.text("text", "a\"\r\n\x01");
            object.number("number", -7);
            object.boolean("yes", true);
            object.optionalNumber("none", std::nullopt);
            object.optionalNumber("some", 3);
            json::Object inner(object.key("inner"));
            inner.boolean("no", false);
        }
        QJsonParseError error;
        const QJsonObject read =
            QJsonDocument::fromJson(QByteArray::fromStdString(out), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(read.value("text").toString(), QStringLiteral("a\"\r\n\x01"));
        QCOMPARE(read.value("number").toInt(), -7);
        QCOMPARE(read.value("yes").toBool(), true);
        QVERIFY(read.value("none").isNull());
        QCOMPARE(read.value("some").toInt(), 3);
        QCOMPARE(read.value("inner").toObject().value("no").toBool(true), false);
        QCOMPARE(out.substr(0, 10), std::string("{\"text\":\"a"));
    }
};

QTEST_GUILESS_MAIN(TestJsonObject)
#include "tst_json_object.moc"
