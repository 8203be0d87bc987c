#include "desktop/code_window/program_files.h"

#include "core/program/program_file.h"
#include "core/texts/editing_texts.h"
#include "core/texts/events_view_texts.h"
#include "core/texts/number_texts.h"
#include "desktop/motion_window/record_files.h"
#include "desktop/motion_window/save_dialog.h"
#include "desktop/window/qt_text.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace lodarix {

namespace {

constexpr qint64 LongestScript = 16 * 1024 * 1024;

std::string nameOf(const QString& path)
{
    return QFileInfo(path).fileName().toStdString();
}

QString cannotOpen(const QString& path, std::string_view reason)
{
    return toQString(texts::fill(editing_texts::CannotOpen, {nameOf(path), reason}));
}

QString unreadable(const QString& path)
{
    return toQString(texts::fill(events_texts::CannotOpen, {nameOf(path)}));
}

} // namespace

QString askOpenPath(QWidget* parent, const QString& title, const QString& filter)
{
    const StandardDialogScope scope;
    QFileDialog dialog(parent, title, startFolder(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::variant<std::string, QString> readProgramFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(path);
    // One byte over the limit is enough to say that it is over.
    const QByteArray bytes = file.read(static_cast<qint64>(program::MaxFileBytes) + 1);
    auto text =
        program::programText(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (auto* refused = std::get_if<program::NotAProgram>(&text))
        return cannotOpen(path, refused->reason);
    return std::get<std::string>(std::move(text));
}

std::variant<std::string, QString> readScriptFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LongestScript)
        return unreadable(path);
    return file.readAll().toStdString();
}

std::optional<QString> writeProgramFile(const QString& path, const std::string& text)
{
    const std::optional<QString> failure = writeWhole(path, QByteArray::fromStdString(text));
    if (!failure)
        return std::nullopt;
    return toQString(
        texts::fill(editing_texts::CannotSave,
                    {QDir::toNativeSeparators(path).toStdString(), failure->toStdString()}));
}

} // namespace lodarix
