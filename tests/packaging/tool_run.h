// Runs a command-line tool for a packaging test and keeps what it printed, so
// that a failing check can show the tool's own words.

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct ToolRun {
    QString command;
    bool finished = false;
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;

    bool succeeded() const { return finished && exitCode == 0; }

    QString report() const
    {
        return QStringLiteral("%1\nexit code %2\n--- standard output\n%3--- standard error\n%4")
            .arg(command)
            .arg(exitCode)
            .arg(QString::fromUtf8(output), QString::fromUtf8(errors));
    }
};

// PROGRAM is looked up on PATH; a tool that cannot start is reported as such,
// with a pointer to the package list that should have installed it.
inline ToolRun
runTool(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    ToolRun run;
    run.command = (QStringList{program} + arguments).join(u' ');
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        run.errors =
            QStringLiteral("cannot start %1 (is it installed? see tools/packages/test.txt)\n")
                .arg(program)
                .toUtf8();
        return run;
    }
    process.waitForFinished(-1);
    run.finished = process.exitStatus() == QProcess::NormalExit;
    run.exitCode = run.finished ? process.exitCode() : -1;
    run.output = process.readAllStandardOutput();
    run.errors = process.readAllStandardError();
    return run;
}
