#include "desktop/motion_window/record_files.h"

#include "core/texts/main_window_texts.h"
#include "core/texts/motion_window_texts.h"
#include "core/texts/number_texts.h"
#include "desktop/window/qt_text.h"
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QSaveFile>

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
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return openFailure(path, error);
    }
    if (file.write(content) != content.size() || !file.commit()) {
        file.cancelWriting();
        return toQString(motion_texts::WriteUnfinished);
    }
    return std::nullopt;
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
