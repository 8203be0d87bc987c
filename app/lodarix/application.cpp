#include "app/lodarix/application.h"

#include "app/lodarix/bulgarian_locale.h"
#include "app/lodarix/code_host.h"
#include "app/lodarix/events_host.h"
#include "app/lodarix/motion_host.h"
#include "core/texts/main_window_texts.h"
#include "desktop/window/lodarix_window.h"
#include "desktop/window/qt_text.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace lodarix {

namespace {

const QString ProgramName = toQString(texts::ProgramName);

void nameApplication()
{
    QCoreApplication::setApplicationName(ProgramName);
    QCoreApplication::setApplicationVersion(QStringLiteral(LODARIX_DISPLAY_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("example.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral(LODARIX_APP_ID));
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

std::optional<int> answerWithoutWindow(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // "-reverse" is one of the toolkit's options, not -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "A lift in a building of eleven floors, for a physics and informatics lesson.\n"
        "The program opens its window; any other argument is ignored."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
        QStringLiteral("Displays this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version and exits."));
    parser.addOption(help);
    parser.addOption(version);
    parser.parse(arguments); // what it does not know is left for the toolkit

    if (parser.isSet(version)) {
        print(stdout,
              ProgramName + QLatin1Char(' ') + QStringLiteral(LODARIX_DISPLAY_VERSION)
                  + QLatin1Char('\n'));
        return 0;
    }
    if (parser.isSet(help)) {
        // The usage line names the program as it was started.
        const QCoreApplication core(argc, argv);
        print(stdout, parser.helpText());
        return 0;
    }
    return std::nullopt;
}

void setUpApplication()
{
    nameApplication();
    useBulgarian();
    const QStringList ignored = QCoreApplication::arguments().mid(1);
    if (!ignored.isEmpty())
        print(stderr, QStringLiteral("lodarix: arguments ignored: %1\n").arg(ignored.join(u' ')));
}

void joinViews(EventsHost& events, CodeHost& code)
{
    code.setTrace(&events.trace());
    QObject::connect(&events, &EventsHost::rowChosen, &code, &CodeHost::showRow);
    QObject::connect(&code, &CodeHost::rowChosen, &events, &EventsHost::selectRow);
    QObject::connect(&code, &CodeHost::startingAfresh, &events, &EventsHost::beginSession);
}

int runWindow(const std::function<void(LodarixWindow&)>& beforeShow)
{
    LodarixWindow window;
    MotionHost motion(window);
    EventsHost events(window, motion);
    CodeHost code(window, motion.menu());
    joinViews(events, code);
    if (!window.load())
        return LodarixWindow::RunTimeErrorExitCode;
    if (beforeShow)
        beforeShow(window);
    window.show();
    return QApplication::exec();
}

} // namespace lodarix
