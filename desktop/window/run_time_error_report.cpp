#include "desktop/window/run_time_error_report.h"

#include "core/lift/run_time_error.h"

#include <QMessageBox>

namespace lodarix {

QString runTimeErrorText(const std::exception& error)
{
    QString text = QStringLiteral("Грешка при изпълнение.\n\n");
    if (const auto* runTime = dynamic_cast<const lift::RunTimeError*>(&error)) {
        text += QStringLiteral("Контрола: %1\n").arg(QString::fromStdString(runTime->control()));
        if (runTime->index())
            text += QStringLiteral("Индекс: %1\n").arg(*runTime->index());
        text += QStringLiteral("Действие: %1\n").arg(QString::fromStdString(runTime->operation()));
    }
    text += QStringLiteral("(%1)\n\nПрограмата ще бъде затворена.")
                .arg(QString::fromUtf8(error.what()));
    return text;
}

void showRunTimeError(QWidget* parent, const std::exception& error)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Lodarix"), runTimeErrorText(error),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace lodarix
