// The motion window's saving: the record as CSV or as a workbook, and both
// graphs as one picture, each asked where with the save dialog, or written
// where told without asking; a failure is told in a message box.

#include "desktop/motion_window/motion_window.h"

#include "core/motion/motion_csv.h"
#include "core/texts/motion_window_texts.h"
#include "core/workbook/motion_workbook.h"
#include "desktop/motion_window/motion_recording.h"
#include "desktop/motion_window/position_graph.h"
#include "desktop/motion_window/record_files.h"
#include "desktop/motion_window/save_dialog.h"
#include "desktop/motion_window/speed_graph.h"
#include "desktop/motion_window/step_pacer.h"
#include "desktop/window/color_style.h"
#include "desktop/window/qt_text.h"

#include <QPainter>

#include <algorithm>

namespace lodarix {

QImage MotionWindow::graphsImage() const
{
    const QSize top = position_->size();
    const QSize bottom = speed_->size();
    QImage image(std::max(top.width(), bottom.width()), top.height() + bottom.height(),
                 QImage::Format_RGB32);
    image.fill(toQColor(motion::graph_colors::Ground));
    QPainter painter(&image);
    position_->render(&painter, QPoint(0, 0), QRegion(), QWidget::DrawChildren);
    speed_->render(&painter, QPoint(0, top.height()), QRegion(), QWidget::DrawChildren);
    return image;
}

bool MotionWindow::saveCsv(const QString& path)
{
    const std::string csv = motion::toCsv(recording_.recorder().rows());
    return saveFile(this, path, QByteArray::fromStdString(csv));
}

bool MotionWindow::saveWorkbook(const QString& path)
{
    const motion::MotionRecorder& recorder = recording_.recorder();
    const std::string bytes =
        workbook::motionWorkbook(recorder.rows(), recorder.trips(), pacer_.storeyHeight());
    return saveFile(this, path, QByteArray::fromStdString(bytes));
}

bool MotionWindow::saveImage(const QString& path)
{
    return saveFile(this, path, pngOf(graphsImage()));
}

void MotionWindow::askAndSaveCsv()
{
    const StandardDialogScope scope;
    const QString path = askSavePath(this, toQString(motion_texts::SaveCsvTitle),
                                     toQString(motion_texts::CsvFileName),
                                     toQString(motion_texts::CsvFilter), QStringLiteral("csv"));
    if (!path.isEmpty())
        saveCsv(path);
}

void MotionWindow::askAndSaveWorkbook()
{
    const StandardDialogScope scope;
    const QString path = askSavePath(
        this, toQString(motion_texts::SaveWorkbookTitle), toQString(motion_texts::WorkbookFileName),
        toQString(motion_texts::WorkbookFilter), QStringLiteral("xlsx"));
    if (!path.isEmpty())
        saveWorkbook(path);
}

void MotionWindow::askAndSaveImage()
{
    const StandardDialogScope scope;
    const QString path = askSavePath(this, toQString(motion_texts::SaveImageTitle),
                                     toQString(motion_texts::ImageFileName),
                                     toQString(motion_texts::ImageFilter), QStringLiteral("png"));
    if (!path.isEmpty())
        saveImage(path);
}

} // namespace lodarix
