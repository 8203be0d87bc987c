#include "app/lodarix/application.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace lodarix {

std::optional<int> setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Lodarix"));
    QApplication::setApplicationVersion(QStringLiteral(LODARIX_DISPLAY_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("example.org"));
    QApplication::setDesktopFileName(QStringLiteral(LODARIX_APP_ID));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A lift in a building of eleven floors, for a physics and informatics lesson."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app); // answers --help and --version, and exits on an unknown option
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "Lodarix: unexpected argument '%s'; see --help.\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        return 1;
    }
    return std::nullopt;
}

} // namespace lodarix
