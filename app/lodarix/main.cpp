// lodarix: the lift simulation's window.

#include "app/lodarix/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = lodarix::answerWithoutWindow(argc, argv))
        return *status;
    QApplication app(argc, argv);
    lodarix::setUpApplication();
    return lodarix::runWindow();
}
