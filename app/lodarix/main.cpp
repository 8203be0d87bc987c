// lodarix: the lift simulation's window.

#include "app/lodarix/application.h"
#include "window/lodarix_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (const std::optional<int> status = lodarix::setUpApplication(app))
        return *status;

    lodarix::LodarixWindow window;
    if (!window.load())
        return lodarix::LodarixWindow::RunTimeErrorExitCode;
    window.show();
    return QApplication::exec();
}
