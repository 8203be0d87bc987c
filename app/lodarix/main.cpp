// lodarix: the lift simulation's window.

#include "window/lodarix_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lodarix"));

    lodarix::LodarixWindow window;
    if (!window.load())
        return lodarix::LodarixWindow::RunTimeErrorExitCode;
    window.show();
    return QApplication::exec();
}
