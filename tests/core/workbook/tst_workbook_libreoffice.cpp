// LibreOffice as the spreadsheet program that opens the motion workbook: each
// run converts workbooks to CSV, every sheet to its own file, in a locale of
// its own, with a fresh profile, home and runtime folder, and no display. In
// Bulgarian and in English the times, floors and final stops read as numbers
// equal to the CSV's and the trips as the motion window shows them, cell for
// cell the same. With recalculation on opening, a changed storey height
// changes the speeds, and tricky texts and numbers come back as written.

#include "core/motion/motion_csv.h"
#include "core/workbook/motion_workbook.h"
#include "core/workbook/workbook.h"
#include "tests/core/motion/session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cmath>
#include <memory>
#include <variant>

using namespace lodarix;

namespace {

// Field separator ';', which no number holds in either locale; text
// delimiter '"'; UTF-8; every text cell quoted, so that a number is told
// from a text; values as stored rather than as formatted; every sheet to a
// file of its own ("-1").
const QString CsvFilter =
    QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76,1,,0,true,true,false,false,false,-1");

// Recalculate formulas on loading a workbook: LibreOffice otherwise shows
// the results the file holds.
const QByteArray RecalculateOnLoad = R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
)";

const QString Session = QStringLiteral(
    "close, pick 4, tick 5, close, pick 4, tick, close, pick 11, tick 3, pick 2, tick 12, "
    "close, pick 6");

struct CsvField {
    QString text;
    bool quoted = false;
};
using Csv = QList<QList<CsvField>>;

Csv parseCsv(const QString& text)
{
    Csv rows;
    QList<CsvField> row;
    CsvField field;
    bool inQuotes = false;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text.at(at);
        if (inQuotes) {
            if (c == u'"' && at + 1 < text.size() && text.at(at + 1) == u'"') {
                field.text += u'"';
                ++at;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                field.text += c;
            }
        } else if (c == u'"') {
            inQuotes = field.quoted = true;
        } else if (c == u';') {
            row << std::exchange(field, {});
        } else if (c == u'\n') {
            row << std::exchange(field, {});
            rows << std::exchange(row, {});
        } else {
            field.text += c;
        }
    }
    if (!row.isEmpty() || !field.text.isEmpty() || field.quoted)
        rows << (row << field);
    return rows;
}

// A cell as read back: a number, a text, or nothing.
using Value = std::variant<std::monostate, double, QString>;

struct Locale {
    QString name;  // such as "bg_BG.UTF-8"
    QChar decimal; // the decimal separator LibreOffice writes numbers with there
};

Value value(const CsvField& field, QChar decimal)
{
    if (field.quoted)
        return field.text;
    if (field.text.isEmpty())
        return {};
    bool number = false;
    QString text = field.text;
    const double parsed = text.replace(decimal, u'.').toDouble(&number);
    return number ? Value{parsed} : Value{QStringLiteral("not a number: ") + field.text};
}

QList<QList<Value>> values(const Csv& csv, QChar decimal)
{
    QList<QList<Value>> rows;
    for (const auto& fields : csv) {
        QList<Value> row;
        for (const CsvField& field : fields)
            row << value(field, decimal);
        rows << row;
    }
    return rows;
}

QString shown(const Value& value)
{
    if (const auto* number = std::get_if<double>(&value))
        return QString::number(*number, 'g', 17);
    if (const auto* text = std::get_if<QString>(&value))
        return u'"' + *text + u'"';
    return QStringLiteral("(empty)");
}

bool close(double actual, double expected)
{
    return std::abs(actual - expected) <= 1e-12 * std::max(1.0, std::abs(expected));
}

// One run of soffice over workbooks: the CSV of each sheet, by the file's
// base name and the sheet's name ("motion-Курсове").
struct Conversion {
    QString error;
    QMap<QString, QString> sheets;
    qint64 milliseconds = 0;
};

struct Workbook {
    QString baseName;
    std::string bytes;
    QStringList sheetNames;
};

Conversion convert(const QString& soffice, const Locale& locale, const QList<Workbook>& workbooks,
                   bool recalculate)
{
    Conversion conversion;
    const QTemporaryDir work;
    const QDir dir(work.path());
    for (const char* sub : {"home", "profile/user", "runtime", "tmp", "in", "out"})
        dir.mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(dir.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (recalculate) {
        QFile settings(dir.filePath(QStringLiteral("profile/user/registrymodifications.xcu")));
        if (!settings.open(QIODevice::WriteOnly) || settings.write(RecalculateOnLoad) < 0)
            return {QStringLiteral("cannot write the profile's settings")};
    }
    QStringList arguments{
        QStringLiteral("--headless"),
        QStringLiteral("--norestore"),
        QStringLiteral("-env:UserInstallation=")
            + QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(),
        QStringLiteral("--convert-to"),
        CsvFilter,
        QStringLiteral("--outdir"),
        dir.filePath(QStringLiteral("out"))};
    for (const Workbook& workbook : workbooks) {
        QFile file(
            dir.filePath(QStringLiteral("in/") + workbook.baseName + QStringLiteral(".xlsx")));
        if (!file.open(QIODevice::WriteOnly)
            || file.write(workbook.bytes.data(), static_cast<qint64>(workbook.bytes.size())) < 0)
            return {QStringLiteral("cannot write ") + file.fileName()};
        arguments << file.fileName();
    }

    // Only what soffice needs, as in a bare environment.
    const QProcessEnvironment inherited = QProcessEnvironment::systemEnvironment();
    QProcessEnvironment environment;
    environment.insert(
        QStringLiteral("PATH"),
        inherited.value(QStringLiteral("PATH"), QStringLiteral("/usr/sbin:/usr/bin:/sbin:/bin")));
    environment.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("tmp")));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    environment.insert(QStringLiteral("LANG"), locale.name);
    environment.insert(QStringLiteral("LC_ALL"), locale.name);

    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(soffice, arguments);
    const bool finished = process.waitForStarted() && process.waitForFinished(300'000);
    conversion.milliseconds = timer.elapsed();
    const QString report = QStringLiteral("%1 %2 (%3)\nexit code %4\n--- output\n%5--- errors\n%6")
                               .arg(soffice, arguments.join(u' '), locale.name)
                               .arg(process.exitCode())
                               .arg(QString::fromUtf8(process.readAllStandardOutput()),
                                    QString::fromUtf8(process.readAllStandardError()));
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
        return {QStringLiteral("soffice failed: ") + report};
    }
    for (const Workbook& workbook : workbooks) {
        for (const QString& sheet : workbook.sheetNames) {
            const QString name = workbook.baseName + u'-' + sheet;
            QFile csv(dir.filePath(QStringLiteral("out/") + name + QStringLiteral(".csv")));
            if (!csv.open(QIODevice::ReadOnly))
                return {QStringLiteral("no CSV of the sheet %1: ").arg(name) + report};
            conversion.sheets.insert(name, QString::fromUtf8(csv.readAll()));
        }
    }
    return conversion;
}

QString sheetName(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

class TestWorkbookLibreOffice : public QObject {
    Q_OBJECT

    const Locale Bulgarian{QStringLiteral("bg_BG.UTF-8"), u','};
    const Locale English{QStringLiteral("en_US.UTF-8"), u'.'};

    std::unique_ptr<lodarix::replay::MotionSession> recorded_;
    QMap<QString, Conversion> conversions_; // by the locale's name
    Conversion recalculated_;

    const motion::Trip& trip(qsizetype at) const
    {
        return recorded_->recorder().trips().at(static_cast<std::size_t>(at));
    }

    QList<QList<Value>> sheet(const QString& locale, std::string_view name) const
    {
        const QChar decimal = locale == Bulgarian.name ? Bulgarian.decimal : English.decimal;
        return values(parseCsv(conversions_.value(locale).sheets.value(QStringLiteral("motion-")
                                                                       + sheetName(name))),
                      decimal);
    }

private slots:
    void initTestCase()
    {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QFAIL("soffice is missing: install libreoffice-calc-nogui (tools/packages/test.txt)");
        QProcess locales;
        locales.start(QStringLiteral("locale"), {QStringLiteral("-a")});
        QVERIFY(locales.waitForFinished(60'000));
        const QString known = QString::fromLocal8Bit(locales.readAllStandardOutput()).toLower();
        for (const QString name : {"bg_bg.utf8", "en_us.utf8"}) {
            if (!known.split(u'\n').contains(name))
                QSKIP(qPrintable(
                    QStringLiteral("the locale %1 is missing; tests/core/workbook/"
                                   "ensure_locales.sh makes it when run by the superuser")
                        .arg(name)));
        }

        recorded_ = session::recorded(Session);
        const auto rows = recorded_->recorder().rows();
        const auto& trips = recorded_->recorder().trips();
        const QStringList motionSheets{sheetName(workbook::RecordSheetName),
                                       sheetName(workbook::TripsSheetName)};
        const Workbook motion{QStringLiteral("motion"),
                              workbook::motionWorkbook(rows, trips, motion::StoreyHeight(3.0)),
                              motionSheets};
        for (const Locale& locale : {Bulgarian, English}) {
            const Conversion conversion = convert(soffice, locale, {motion}, false);
            QVERIFY2(conversion.error.isEmpty(), qPrintable(conversion.error));
            qInfo("one workbook converted under %s in %lld ms", qPrintable(locale.name),
                  conversion.milliseconds);
            conversions_.insert(locale.name, conversion);
        }

        // The student's change: a storey of 4 m, the cached speeds left as
        // they were for 3 m.
        auto sheets = workbook::motionSheets(rows, trips, motion::StoreyHeight(3.0));
        sheets.at(1).rows.at(workbook::HeightRow).at(workbook::HeightColumn) = 4.0;
        const Workbook changed{QStringLiteral("motion"), workbook::xlsx(sheets), motionSheets};
        const std::vector<workbook::Sheet> probe{
            {"Проба",
             {{std::string("<>&\"'"), std::string("a\x01z"), std::string("_x0041_"),
               std::string("таб\tи\nред"), std::string("Ёж 🛗"), std::string("  ")},
              {0.1, 1e300, -3.5e-7, 123456789012.0, 86400.07, workbook::Formula{"2*3", 0.0}}}}};
        const Workbook texts{
            QStringLiteral("probe"), workbook::xlsx(probe), {QStringLiteral("Проба")}};
        recalculated_ = convert(soffice, Bulgarian, {changed, texts}, true);
        QVERIFY2(recalculated_.error.isEmpty(), qPrintable(recalculated_.error));
        qInfo("two workbooks converted with recalculation in %lld ms", recalculated_.milliseconds);
    }

    void theRecordReadsAsNumbers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("Bulgarian") << Bulgarian.name;
        QTest::newRow("English") << English.name;
    }

    void theRecordReadsAsNumbers()
    {
        QFETCH(QString, locale);
        const auto cells = sheet(locale, workbook::RecordSheetName);
        const auto rows = recorded_->recorder().rows();
        QCOMPARE(cells.size(), static_cast<qsizetype>(rows.size()) + 1);
        QCOMPARE(cells.front(),
                 (QList<Value>{QStringLiteral("Време, s"), QStringLiteral("Етаж"),
                               QStringLiteral("Крайна спирка"), QStringLiteral("Събитие"),
                               QStringLiteral("Описание")}));
        for (std::size_t at = 0; at < rows.size(); ++at) {
            const QStringList csv =
                QString::fromStdString(motion::csvLine(rows[at])).trimmed().split(u',');
            const QList<Value>& row = cells.at(static_cast<qsizetype>(at) + 1);
            QCOMPARE(row.size(), 5);
            for (int column = 0; column < 3; ++column)
                QCOMPARE(shown(row.at(column)), shown(csv.at(column).toDouble()));
            QCOMPARE(shown(row.at(3)), shown(csv.at(3)));
        }
    }

    void theTripsReadAsTheWindowShowsThem_data() { theRecordReadsAsNumbers_data(); }

    void theTripsReadAsTheWindowShowsThem()
    {
        QFETCH(QString, locale);
        const auto cells = sheet(locale, workbook::TripsSheetName);
        const auto& trips = recorded_->recorder().trips();
        QCOMPARE(cells.size(), static_cast<qsizetype>(trips.size()) + 2);
        QCOMPARE(shown(cells.at(0).at(0)), "\"Височина на етаж, m\"");
        QCOMPARE(shown(cells.at(0).at(5)), "3");
        QCOMPARE(shown(cells.at(1).at(5)), "\"Средна скорост, m/s\"");
        for (qsizetype at = 0; at < static_cast<qsizetype>(trips.size()); ++at) {
            const QList<Value>& row = cells.at(at + 2);
            QCOMPARE(row.size(), 7);
            QCOMPARE(shown(row.at(0)), shown(double(trip(at).number)));
            QCOMPARE(shown(row.at(1)), shown(double(trip(at).startFloor)));
            QCOMPARE(shown(row.at(2)), shown(double(trip(at).finalStop)));
            QCOMPARE(shown(row.at(3)), shown(double(trip(at).floorsTravelled)));
            QCOMPARE(shown(row.at(4)), shown(trip(at).durationSeconds()));
            if (const auto speed = motion::meanSpeed(trip(at), motion::StoreyHeight(3.0))) {
                const auto* read = std::get_if<double>(&row.at(5));
                QVERIFY2(read && close(*read, *speed), qPrintable(shown(row.at(5))));
            } else {
                QCOMPARE(shown(row.at(5)), "\"–\"");
            }
            const QString note = trip(at).interrupted ? QStringLiteral("\"прекъснат\"")
                : trip(at).running                    ? QStringLiteral("\"в движение\"")
                                                      : QStringLiteral("(empty)");
            QCOMPARE(shown(row.at(6)), note);
        }
    }

    void theSameCellsInBothLocales()
    {
        for (const std::string_view name : {workbook::RecordSheetName, workbook::TripsSheetName}) {
            const auto bulgarian = sheet(Bulgarian.name, name);
            const auto english = sheet(English.name, name);
            QCOMPARE(bulgarian.size(), english.size());
            for (qsizetype row = 0; row < bulgarian.size(); ++row) {
                QStringList left;
                QStringList right;
                for (const Value& cell : bulgarian.at(row))
                    left << shown(cell);
                for (const Value& cell : english.at(row))
                    right << shown(cell);
                QCOMPARE(left, right);
            }
        }
    }

    void theSpeedsFollowTheStoreyHeight()
    {
        const auto cells =
            values(parseCsv(recalculated_.sheets.value(QStringLiteral("motion-")
                                                       + sheetName(workbook::TripsSheetName))),
                   Bulgarian.decimal);
        QCOMPARE(shown(cells.at(0).at(5)), "4");
        int moved = 0;
        for (qsizetype at = 0; at + 2 < cells.size(); ++at) {
            const Value& read = cells.at(at + 2).at(5);
            if (const auto speed = motion::meanSpeed(trip(at), motion::StoreyHeight(4.0))) {
                const auto* number = std::get_if<double>(&read);
                QVERIFY2(number && close(*number, *speed), qPrintable(shown(read)));
                moved += *speed > 0;
            } else {
                QCOMPARE(shown(read), "\"–\"");
            }
        }
        QVERIFY(moved >= 2);
    }

    void textsAndNumbersComeBackAsWritten()
    {
        const auto cells = values(
            parseCsv(recalculated_.sheets.value(QStringLiteral("probe-Проба"))), Bulgarian.decimal);
        QCOMPARE(cells.size(), 2);
        QCOMPARE(cells.at(0),
                 (QList<Value>{QStringLiteral("<>&\"'"), QStringLiteral("a\x01z"),
                               QStringLiteral("_x0041_"), QStringLiteral("таб\tи\nред"),
                               QStringLiteral("Ёж 🛗"), QStringLiteral("  ")}));
        QStringList numbers;
        for (const Value& cell : cells.at(1))
            numbers << shown(cell);
        QCOMPARE(numbers,
                 (QStringList{shown(0.1), shown(1e300), shown(-3.5e-7), shown(123456789012.0),
                              shown(86400.07), shown(6.0)}));
    }
};

QTEST_GUILESS_MAIN(TestWorkbookLibreOffice)
#include "tst_workbook_libreoffice.moc"
