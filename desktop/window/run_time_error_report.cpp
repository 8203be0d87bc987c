#include "desktop/window/run_time_error_report.h"

#include "core/lift/run_time_error.h"
#include "core/texts/main_window_texts.h"
#include "core/texts/number_texts.h"
#include "desktop/window/qt_text.h"

#include <QMessageBox>

namespace lodarix {

QString runTimeErrorText(const std::exception& error)
{
    std::string text(texts::ErrorHeading);
    if (const auto* runTime = dynamic_cast<const lift::RunTimeError*>(&error)) {
        text += texts::fill(texts::ErrorControl, {runTime->control()});
        if (runTime->index())
            text += texts::fill(texts::ErrorIndex, {std::to_string(*runTime->index())});
        text += texts::fill(texts::ErrorOperation, {runTime->operation()});
    }
    text += texts::fill(texts::ErrorClosing, {error.what()});
    return toQString(text);
}

void showRunTimeError(QWidget* parent, const std::exception& error)
{
    QMessageBox box(QMessageBox::Critical, toQString(texts::ProgramName), runTimeErrorText(error),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace lodarix
