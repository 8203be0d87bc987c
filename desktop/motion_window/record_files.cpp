#include "desktop/motion_window/record_files.h"

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
        return QStringLiteral("папката „%1“ не съществува").arg(folder);
    if (!folderInfo.isDir())
        return QStringLiteral("„%1“ не е папка").arg(folder);
    if (file.isDir())
        return QStringLiteral("на това място има папка със същото име");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("файлът е защитен от запис");
    if (error == EACCES || error == EPERM || error == EROFS || !folderInfo.isWritable())
        return QStringLiteral("няма права за запис в папката „%1“").arg(folder);
    return QStringLiteral("файлът не може да бъде създаден");
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
        return QStringLiteral("записът не завърши; може би дискът е пълен");
    }
    return std::nullopt;
}

QString saveFailureText(const QString& path, const QString& reason)
{
    return QStringLiteral("Файлът „%1“ не беше записан: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

bool saveFile(QWidget* parent, const QString& path, const QByteArray& content)
{
    const std::optional<QString> failure = writeWhole(path, content);
    if (!failure)
        return true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Lodarix"),
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
