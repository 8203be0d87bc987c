// lodarix-replay run by a test, whose build gives the tool's path as
// LODARIX_REPLAY: a script on its standard input; what it wrote and how it
// ended; and its state lines, the JSON objects of its standard output.
#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QtGlobal>

#ifndef LODARIX_REPLAY
#error "a test that runs lodarix-replay defines LODARIX_REPLAY, the tool's path"
#endif

namespace test_support {

struct ReplayRun {
    int exitCode = -1; // -1 when the tool did not end by itself
    QByteArray output;
    QByteArray errors;
};

inline ReplayRun runReplay(const QStringList& arguments, const QByteArray& script = {})
{
    QProcess process;
    process.start(QStringLiteral(LODARIX_REPLAY), arguments);
    process.write(script);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        qFatal("lodarix-replay did not finish");
    ReplayRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = process.readAllStandardOutput();
    run.errors = process.readAllStandardError();
    return run;
}

// Each line of output that starts with '{', as an object; one that is not
// a JSON object stops the test.
inline QList<QJsonObject> stateLines(const QByteArray& output)
{
    QList<QJsonObject> lines;
    for (const QByteArray& line : output.split('\n')) {
        if (!line.startsWith('{'))
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            qFatal("not a JSON object: %s", line.constData());
        lines << document.object();
    }
    return lines;
}

} // namespace test_support
