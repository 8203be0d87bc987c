#include "desktop/motion_window/save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QStandardPaths>

namespace lodarix {

StandardDialogScope::StandardDialogScope()
{
    // Qt's dialogs read and write QSettings(UserScope, "QtProject"), a file
    // wherever the settings are files.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settings_.path());
}

QString startFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

QString askSavePath(QWidget* parent, const QString& title, const QString& fileName,
                    const QString& filter, const QString& suffix)
{
    QFileDialog dialog(parent, title, startFolder(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace lodarix
