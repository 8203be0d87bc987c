#include "desktop/window/run_time_error_report.h"

#include "core/lift/run_time_error_report.h"
#include "core/texts/main_window_texts.h"
#include "desktop/window/qt_text.h"

#include <QMessageBox>

namespace lodarix {

QString runTimeErrorText(const std::exception& error)
{
    return toQString(lift::runTimeErrorReport(error, texts::ProgramCloses));
}

void showRunTimeError(QWidget* parent, const std::exception& error)
{
    QMessageBox box(QMessageBox::Critical, toQString(texts::ProgramName), runTimeErrorText(error),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace lodarix
