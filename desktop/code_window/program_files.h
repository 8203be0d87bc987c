// The files of the code view: asking which file to open with Qt's own
// dialog, a program read through the core's one rule for program files
// (core/program/program_file.h), a script read whole, and a program saved
// whole or not at all (core/files/whole_file.h). A failure comes back as
// the message to show, in Bulgarian; nothing is shown here.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <variant>

class QWidget;

namespace lodarix {

// The path chosen, or an empty string when the user cancelled.
QString askOpenPath(QWidget* parent, const QString& title, const QString& filter);

// The program's text, or the message that it could not be opened.
std::variant<std::string, QString> readProgramFile(const QString& path);
// The script's text, or the message that it could not be read.
std::variant<std::string, QString> readScriptFile(const QString& path);
// Nothing when the text was written; else the message.
std::optional<QString> writeProgramFile(const QString& path, const std::string& text);

} // namespace lodarix
