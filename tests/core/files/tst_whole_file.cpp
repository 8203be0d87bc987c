// A file written whole or not at all: a new one, one replaced with its
// rights kept, and each way of failing with the step it failed at, leaving
// what was there and nothing beside it.

#include "core/files/whole_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace lodarix;
using Step = files::WriteFailure::Step;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<files::WriteFailure> write(const QString& path, const QByteArray& bytes)
{
    return files::writeWholeFile(QFile::encodeName(path).toStdString(),
                                 std::string_view(bytes.data(), bytes.size()));
}

} // namespace

class TestWholeFile : public QObject {
    Q_OBJECT

private slots:
    void aNewFileAndAReplacedOneKeepingItsRights()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("record.csv"));
        QVERIFY(!write(path, "first"));
        QCOMPARE(contentOf(path), QByteArray("first"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        const QFile::Permissions rights = QFile::permissions(path);
        QVERIFY(!write(path, "second"));
        QCOMPARE(contentOf(path), QByteArray("second"));
        QCOMPARE(QFile::permissions(path), rights);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("record.csv")});
    }

    void whereItCannotBeMadeItFailsOpening_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("error");
        QTest::newRow("a folder that does not exist") << "missing/record.csv" << ENOENT;
        QTest::newRow("a folder in the file's place") << "folder" << EISDIR;
        QTest::newRow("a write-protected file") << "protected.csv" << EACCES;
    }
    void whereItCannotBeMadeItFailsOpening()
    {
        QFETCH(QString, where);
        QFETCH(int, error);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
        const QString path = folder.filePath(where);
        if (where == QLatin1String("protected.csv")) {
            if (geteuid() == 0)
                QSKIP("write protection does not hold back the superuser");
            QVERIFY(!write(path, "kept"));
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        }
        const auto failure = write(path, "new");
        QVERIFY(failure);
        QCOMPARE(failure->step, Step::Open);
        QCOMPARE(failure->error.value(), error);
        if (where == QLatin1String("protected.csv"))
            QCOMPARE(contentOf(path), QByteArray("kept"));
    }

    // A size limit on files stands for a full disk: writes past it fail.
    void aFullDiskLeavesTheOldFileAndNothingBesideIt()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("old.csv"));
        QVERIFY(!write(path, QByteArray(100, 'o')));
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit before = limit;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const auto failure = write(path, QByteArray(64 * 1024, 'x'));
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(failure);
        QCOMPARE(failure->step, Step::Write);
        QCOMPARE(contentOf(path), QByteArray(100, 'o'));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("old.csv")});
    }
};

QTEST_GUILESS_MAIN(TestWholeFile)
#include "tst_whole_file.moc"
