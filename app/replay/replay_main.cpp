// lodarix-replay [FILE]: loads the model window, runs the script's commands in
// order and prints the state after load and after each command as JSON Lines.
// A bad line or an unreadable file ends the run with one line on standard
// error and exit status 2; the lines already printed stand.

#include "app/replay/runner.h"
#include "app/replay/script.h"
#include "app/replay/state_json.h"
#include "window/model/lodarix_model.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <variant>

namespace {

constexpr int BadInput = 2;

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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lodarix-replay"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs a script of user actions against the lift without a window and prints the\n"
        "state after loading and after each command as one JSON object a line.\n"
        "\n"
        "Script: one command a line; blank lines and lines starting with # are skipped.\n"
        "  close    select the closed grille button\n"
        "  open     select the open grille button\n"
        "  pick N   click the floor button N (1 to 11)\n"
        "  tick     one period of the step timer passes"));
    parser.addHelpOption();
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

    lodarix::LodarixModel model;
    model.load();
    writeLine(lodarix::replay::stateLine(model, "load"));

    std::string line;
    for (int lineNumber = 1; std::getline(script, line); ++lineNumber) {
        const auto parsed = lodarix::replay::parseLine(line);
        if (const auto* error = std::get_if<lodarix::replay::ScriptError>(&parsed)) {
            return fail(QStringLiteral("line %1: %2")
                            .arg(lineNumber)
                            .arg(QString::fromStdString(error->message)));
        }
        if (const auto* command = std::get_if<lodarix::replay::Command>(&parsed)) {
            lodarix::replay::run(*command, model);
            writeLine(lodarix::replay::stateLine(model, command->text));
        }
    }
    if (script.bad())
        return fail(QStringLiteral("cannot read %1").arg(path));
    return 0;
}
