// lodarix: the lift simulation's window. Its only command-line options are
// --help and --version (and Qt's own); anything else is an error, reported
// before the window opens.

#include "window/lodarix_window.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lodarix"));
    QApplication::setApplicationVersion(QStringLiteral(LODARIX_DISPLAY_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("example.org"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.lodarix"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A lift in a building of eleven floors, for a physics and informatics lesson."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "Lodarix: unexpected argument '%s'; see --help.\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        return 1;
    }

    lodarix::LodarixWindow window;
    if (!window.load())
        return lodarix::LodarixWindow::RunTimeErrorExitCode;
    window.show();
    return QApplication::exec();
}
