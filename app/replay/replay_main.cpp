// lodarix-replay [--motion] [FILE]: loads the model window, runs the script's
// commands in order and prints the state after load and after each command as
// JSON Lines, or with --motion the motion record as CSV, each row as soon as
// it is made. A bad line or an unreadable file ends the run with one line on
// standard error and exit status 2; the lines already printed stand.

#include "app/replay/motion_session.h"
#include "app/replay/runner.h"
#include "app/replay/script.h"
#include "app/replay/state_json.h"
#include "motion/motion_csv.h"
#include "window/model/lodarix_model.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>
#include <variant>

namespace {

constexpr int BadInput = 2;

void write(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void writeLine(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
}

int fail(const QString& message)
{
    std::fflush(stdout);
    const QByteArray text = "lodarix-replay: " + message.toUtf8() + "\n";
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stderr);
    return BadInput;
}

// Hands each command of the script to run, in order, until the end or the
// first bad line.
int runScript(std::istream& script, const QString& path,
              const std::function<void(const lodarix::replay::Command&)>& run)
{
    std::string line;
    for (int lineNumber = 1; std::getline(script, line); ++lineNumber) {
        const auto parsed = lodarix::replay::parseLine(line);
        if (const auto* error = std::get_if<lodarix::replay::ScriptError>(&parsed)) {
            return fail(QStringLiteral("line %1: %2")
                            .arg(lineNumber)
                            .arg(QString::fromStdString(error->message)));
        }
        if (const auto* command = std::get_if<lodarix::replay::Command>(&parsed))
            run(*command);
    }
    if (script.bad())
        return fail(QStringLiteral("cannot read %1").arg(path));
    return 0;
}

int printStates(std::istream& script, const QString& path)
{
    lodarix::LodarixModel model;
    model.load();
    writeLine(lodarix::replay::stateLine(model, "load"));
    return runScript(script, path, [&model](const lodarix::replay::Command& command) {
        lodarix::replay::run(command, model);
        writeLine(lodarix::replay::stateLine(model, command.text));
    });
}

int printMotion(std::istream& script, const QString& path)
{
    lodarix::replay::MotionSession session;
    std::size_t printed = 0;
    const auto printNewRows = [&session, &printed] {
        const auto rows = session.recorder().rows();
        for (; printed < rows.size(); ++printed)
            write(motion::csvLine(rows[printed]));
    };
    write(motion::CsvHeader);
    printNewRows();
    return runScript(script, path,
                     [&session, &printNewRows](const lodarix::replay::Command& command) {
                         session.run(command);
                         printNewRows();
                     });
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lodarix-replay"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs a script of user actions against the lift without a window and prints the\n"
        "state after loading and after each command as one JSON object a line, or with\n"
        "--motion the cabin's motion as CSV.\n"
        "\n"
        "Script: one command a line; blank lines and lines starting with # are skipped.\n"
        "  close    select the closed grille button\n"
        "  open     select the open grille button\n"
        "  pick N   click the floor button N (1 to 11)\n"
        "  tick     one period of the step timer passes"));
    parser.addHelpOption();
    const QCommandLineOption motionOption(
        QStringLiteral("motion"),
        QStringLiteral("Print the motion record as CSV, time_s,floor,target,event: a row at the "
                       "load (start), at each accepted pick (pick) and at each step that runs "
                       "(step, or arrive for the last of a trip). Every tick counts 0.800 s, "
                       "whether or not a step runs; the other commands take no time."));
    parser.addOption(motionOption);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The script; standard input when absent or -."),
                                 QStringLiteral("[FILE]"));
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        writeLine(parser.helpText().trimmed().toUtf8());
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fail(QStringLiteral("expected at most one script file, got %1").arg(files.size()));

    const QString path = files.value(0, QStringLiteral("-"));
    const bool fromStdin = path == QLatin1String("-");
    std::ifstream file;
    if (!fromStdin) {
        const std::filesystem::path filePath(path.toStdString());
        std::error_code ignored;
        if (std::filesystem::is_directory(filePath, ignored))
            return fail(QStringLiteral("cannot read %1: it is a folder").arg(path));
        file.open(filePath, std::ios::binary);
        if (!file)
            return fail(QStringLiteral("cannot read %1: %2")
                            .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    std::istream& script = fromStdin ? std::cin : file;
    return parser.isSet(motionOption) ? printMotion(script, path) : printStates(script, path);
}
