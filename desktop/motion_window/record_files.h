// Writing what the motion window saves: a file is written whole or not at
// all (core/files/whole_file.h), so that a failure leaves neither a partial
// file nor a damaged older one. A failure is told in a message box naming
// the file and the reason, in Bulgarian.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QImage;
class QWidget;

namespace lodarix {

// Writes content to path whole or not at all; the reason, in Bulgarian, when
// it failed.
std::optional<QString> writeWhole(const QString& path, const QByteArray& content);

// The message for a file that was not written.
QString saveFailureText(const QString& path, const QString& reason);

// writeWhole, and on failure the message box, modal to parent. Returns
// whether the file was written.
bool saveFile(QWidget* parent, const QString& path, const QByteArray& content);

// The image as PNG.
QByteArray pngOf(const QImage& image);

} // namespace lodarix
