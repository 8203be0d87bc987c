// Asking where to save, with Qt's own file dialog, starting in the user's
// documents folder. The program keeps no settings, but the dialog keeps its
// history in Qt's settings file (QtProject.conf): so Qt's settings go to a
// temporary folder, removed when the dialog has closed. (Where settings are
// not files, in the Windows registry or macOS preferences, this does not
// hold them back.)
#pragma once

#include <QString>
#include <QTemporaryDir>

class QWidget;

namespace lodarix {

// Sends Qt's settings to a temporary folder, removed with the scope; make it
// before a standard dialog and let the dialog end first. Qt's settings stay away from
// the user's folders afterwards: the program has none of its own.
class StandardDialogScope {
public:
    StandardDialogScope();
    StandardDialogScope(const StandardDialogScope&) = delete;
    StandardDialogScope& operator=(const StandardDialogScope&) = delete;

private:
    QTemporaryDir settings_;
};

// The folder a file dialog starts in: the documents folder, or the home
// folder when there is none.
QString startFolder();

// The path chosen, or an empty string when the user cancelled. fileName is
// the name offered; filter e.g. "CSV (*.csv)", whose suffix is added to a
// name given without one.
QString askSavePath(QWidget* parent, const QString& title, const QString& fileName,
                    const QString& filter, const QString& suffix);

} // namespace lodarix
