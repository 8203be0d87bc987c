// The stored zip archive: its CRC-32, its structure as a reader written
// from the format's description walks it, the same archive as Python's
// zipfile reads it, and the limits past which it refuses to grow.

#include "core/workbook/zip_writer.h"
#include "zip_entries.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

#include <stdexcept>
#include <string>
#include <sys/mman.h>

using namespace lodarix;

namespace {

std::string_view view(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QByteArray bytes(const std::string& text)
{
    return QByteArray::fromStdString(text);
}

QByteArray everyByte()
{
    QByteArray data;
    for (int i = 0; i < 256; ++i)
        data += static_cast<char>(i);
    return data;
}

// Read-only zero bytes that take no memory until read: room for the size
// checks, which must refuse before they copy anything.
class ZeroPages {
public:
    explicit ZeroPages(std::size_t size)
        : size_(size)
        , data_(mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0))
    {
    }
    ~ZeroPages()
    {
        if (data_ != MAP_FAILED)
            munmap(data_, size_);
    }
    ZeroPages(const ZeroPages&) = delete;
    ZeroPages& operator=(const ZeroPages&) = delete;

    bool mapped() const { return data_ != MAP_FAILED; }
    std::string_view view() const { return {static_cast<const char*>(data_), size_}; }

private:
    std::size_t size_;
    void* data_;
};

} // namespace

class TestZipWriter : public QObject {
    Q_OBJECT

private slots:
    void crcOfKnownTexts_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<quint32>("crc");
        QTest::newRow("nothing") << QByteArray() << quint32{0};
        QTest::newRow("the check value") << QByteArray("123456789") << quint32{0xCBF43926};
        QTest::newRow("one letter") << QByteArray("a") << quint32{0xE8B7BE43};
        QTest::newRow("a pangram")
            << QByteArray("The quick brown fox jumps over the lazy dog") << quint32{0x414FA339};
        QTest::newRow("a zero byte") << QByteArray(1, '\0') << quint32{0xD202EF8D};
    }

    void crcOfKnownTexts()
    {
        QFETCH(QByteArray, data);
        QFETCH(quint32, crc);
        QCOMPARE(workbook::crc32(view(data)), crc);
        QCOMPARE(zip_entries::bitwiseCrc32(data), crc);
    }

    void crcAgreesWithABitwiseOne()
    {
        QRandomGenerator random(20240901);
        for (int length = 0; length < 600; length += 7) {
            QByteArray data(length, '\0');
            for (char& c : data)
                c = static_cast<char>(random.bounded(256));
            QCOMPARE(workbook::crc32(view(data)), zip_entries::bitwiseCrc32(data));
        }
    }

    void filesReadBackAsWritten()
    {
        const QList<QPair<QByteArray, QByteArray>> files{
            {"[Content_Types].xml", "<Types/>"},
            {"empty", ""},
            {"папка/файл.txt", "Асансьор\n"},
            {"binary", everyByte()},
        };
        workbook::ZipWriter zip;
        for (const auto& [name, data] : files)
            zip.add(view(name), view(data));
        QCOMPARE(zip.fileCount(), std::size_t{4});

        const zip_entries::Archive archive = zip_entries::read(bytes(zip.archive()));
        QVERIFY2(archive.error.isEmpty(), qPrintable(archive.error));
        QCOMPARE(archive.entries.size(), files.size());
        for (qsizetype i = 0; i < files.size(); ++i) {
            const zip_entries::Entry& entry = archive.entries.at(i);
            QCOMPARE(entry.name, files.at(i).first);
            QCOMPARE(entry.data, files.at(i).second);
            QCOMPARE(entry.method, quint16{0});
            QCOMPARE(entry.flags, quint16{0x0800}); // names in UTF-8
            QCOMPARE(entry.date, quint16{0x0021});  // 1980-01-01
            QCOMPARE(entry.time, quint16{0});       // 00:00:00
            QCOMPARE(entry.versionNeeded, quint16{20});
        }
    }

    void anEmptyArchiveIsItsEndRecord()
    {
        const std::string archive = workbook::ZipWriter().archive();
        QCOMPARE(archive.size(), std::size_t{22});
        const zip_entries::Archive read = zip_entries::read(bytes(archive));
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QVERIFY(read.entries.isEmpty());
    }

    void pythonReadsTheArchive()
    {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            QFAIL("python3 is missing; it comes with the packages of tools/packages/test.txt");
        workbook::ZipWriter zip;
        zip.add("[Content_Types].xml", "<Types/>");
        zip.add("папка/файл.txt", "Асансьор\n");
        zip.add("binary", view(everyByte()));
        zip.add("empty", "");

        QProcess process;
        process.start(python, {QStringLiteral("-c"), QStringLiteral(R"(
import sys, zipfile, io
with zipfile.ZipFile(io.BytesIO(sys.stdin.buffer.read())) as z:
    bad = z.testzip()
    if bad is not None:
        sys.exit("bad file: " + bad)
    for info in z.infolist():
        print(info.filename, info.compress_type, info.file_size, info.date_time[:3],
              z.read(info).hex())
)")});
        QVERIFY(process.waitForStarted());
        process.write(bytes(zip.archive()));
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(60'000));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 process.readAllStandardError().constData());
        const QStringList expected{
            QStringLiteral("[Content_Types].xml 0 8 (1980, 1, 1) ")
                + QString::fromLatin1(QByteArray("<Types/>").toHex()),
            QStringLiteral("папка/файл.txt 0 17 (1980, 1, 1) ")
                + QString::fromLatin1(QByteArray("Асансьор\n").toHex()),
            QStringLiteral("binary 0 256 (1980, 1, 1) ") + QString::fromLatin1(everyByte().toHex()),
            QStringLiteral("empty 0 0 (1980, 1, 1) "),
        };
        QCOMPARE(
            QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            expected);
    }

    void namesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("from the root") << QByteArray("/etc/passwd");
        QTest::newRow("a backslash") << QByteArray("xl\\workbook.xml");
        QTest::newRow("a NUL") << QByteArray("a\0b", 3);
        QTest::newRow("given before") << QByteArray("twice");
    }

    void namesAreRefused()
    {
        QFETCH(QByteArray, name);
        workbook::ZipWriter zip;
        zip.add("twice", "1");
        const std::string before = zip.archive();
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, zip.add(view(name), "2"));
        QCOMPARE(zip.archive(), before);
    }

    void aNameOfMoreThan65535BytesIsRefused()
    {
        workbook::ZipWriter zip;
        zip.add(std::string(65535, 'n'), "");
        QVERIFY_THROWS_EXCEPTION(std::length_error, zip.add(std::string(65536, 'm'), ""));
        QCOMPARE(zip.fileCount(), std::size_t{1});
    }

    void atMost65535Files()
    {
        workbook::ZipWriter zip;
        for (int i = 0; i < 65535; ++i)
            zip.add(std::to_string(i), "");
        QVERIFY_THROWS_EXCEPTION(std::length_error, zip.add("one more", ""));
        const zip_entries::Archive archive = zip_entries::read(bytes(zip.archive()));
        QVERIFY2(archive.error.isEmpty(), qPrintable(archive.error));
        QCOMPARE(archive.entries.size(), 65535);
        QCOMPARE(archive.entries.last().name, QByteArray("65534"));
    }

    void atMost4GiB_data()
    {
        QTest::addColumn<quint64>("size");
        QTest::newRow("a file past 32 bits") << quint64{0x1'0000'0000};
        QTest::newRow("a file of 32 bits, headers past them") << quint64{0xFFFF'FFFF};
        QTest::newRow("a file that fits, the archive not") << quint64{0xFFFF'FFFF - 100};
    }

    void atMost4GiB()
    {
        QFETCH(quint64, size);
        const ZeroPages pages(size);
        if (!pages.mapped())
            QSKIP("no address space for 4 GiB of zero pages");
        workbook::ZipWriter zip;
        zip.add("small", "0123456789");
        QVERIFY_THROWS_EXCEPTION(std::length_error, zip.add("huge", pages.view()));
        QCOMPARE(zip.fileCount(), std::size_t{1});
    }
};

QTEST_GUILESS_MAIN(TestZipWriter)
#include "tst_zip_writer.moc"
