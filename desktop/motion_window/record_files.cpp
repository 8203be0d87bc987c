#include "desktop/motion_window/record_files.h"

#include "core/files/whole_file.h"
#include "core/texts/main_window_texts.h"
#include "core/texts/motion_window_texts.h"
#include "core/texts/number_texts.h"
#include "desktop/window/qt_text.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>

#include <cerrno>

namespace lodarix {

namespace {

QString openFailure(const QString& path, int error)
{
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    const QFileInfo folderInfo(file.absolutePath());
    if (!folderInfo.exists())
        return toQString(texts::fill(motion_texts::FolderMissing, {folder.toStdString()}));
    if (!folderInfo.isDir())
        return toQString(texts::fill(motion_texts::NotAFolder, {folder.toStdString()}));
    if (file.isDir())
        return toQString(motion_texts::FolderInTheWay);
    if (file.exists() && !file.isWritable())
        return toQString(motion_texts::FileReadOnly);
    if (error == EACCES || error == EPERM || error == EROFS || !folderInfo.isWritable())
        return toQString(texts::fill(motion_texts::FolderNotWritable, {folder.toStdString()}));
    return toQString(motion_texts::CannotCreate);
}

} // namespace

std::optional<QString> writeWhole(const QString& path, const QByteArray& content)
{
    const auto failure = files::writeWholeFile(QFile::encodeName(path).toStdString(),
                                               std::string_view(content.data(), content.size()));
    if (!failure)
        return std::nullopt;
    if (failure->step == files::WriteFailure::Step::Open)
        return openFailure(path, failure->error.value());
    return toQString(motion_texts::WriteUnfinished);
}

QString saveFailureText(const QString& path, const QString& reason)
{
    return toQString(
        texts::fill(motion_texts::NotSaved,
                    {QDir::toNativeSeparators(path).toStdString(), reason.toStdString()}));
}

bool saveFile(QWidget* parent, const QString& path, const QByteArray& content)
{
    const std::optional<QString> failure = writeWhole(path, content);
    if (!failure)
        return true;
    QMessageBox box(QMessageBox::Warning, toQString(texts::ProgramName),
                    saveFailureText(path, *failure), QMessageBox::Ok, parent);
    box.exec();
    return false;
}

QByteArray pngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace lodarix
