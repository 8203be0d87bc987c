#include "x_server.h"

#include "tests/support/program_environment.h"
#include "tests/support/xvfb.h"

#include <QRegularExpression>

#include <xcb/xcb.h>

#include <memory>
#include <stdexcept>

XServer::XServer() = default;
XServer::~XServer() = default;

bool XServer::start(const QSize& screen)
{
    try {
        server_ = std::make_unique<test_support::Xvfb>(screen.width(), screen.height());
    } catch (const std::runtime_error& error) {
        qWarning("%s", error.what());
        return false;
    }
    display_ = QString::fromStdString(server_->display());
    return true;
}

QProcessEnvironment XServer::environment() const
{
    QProcessEnvironment environment = test_support::programEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

QByteArray XServer::run(const QString& program, const QStringList& arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

QString XServer::findWindow(const QString& text) const
{
    const QByteArray found = run(QStringLiteral("xdotool"),
                                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                  QStringLiteral("--name"), QRegularExpression::escape(text)});
    return QString::fromLatin1(found.split('\n').value(0).trimmed());
}

QImage XServer::grab(const QString& window) const
{
    const QByteArray png =
        run(QStringLiteral("import"), {QStringLiteral("-window"), window, QStringLiteral("png:-")});
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

bool XServer::click(const QString& window, const QPoint& at) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral("xdotool"),
                  {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                   QStringLiteral("--window"), window, QString::number(at.x()),
                   QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
    return process.waitForFinished(20000) && process.exitCode() == 0;
}

bool XServer::pressKeys(const QStringList& keys) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} + keys);
    return process.waitForFinished(20000) && process.exitCode() == 0;
}

bool XServer::close(const QString& window) const
{
    bool isNumber = false;
    const xcb_window_t id = window.toUInt(&isNumber);
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(display_.toLatin1().constData(), nullptr), xcb_disconnect);
    if (!isNumber || xcb_connection_has_error(connection.get()))
        return false;
    const auto atom = [&connection](const char* name) -> xcb_atom_t {
        const xcb_intern_atom_cookie_t cookie =
            xcb_intern_atom(connection.get(), 0, static_cast<uint16_t>(qstrlen(name)), name);
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
            xcb_intern_atom_reply(connection.get(), cookie, nullptr), free);
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    };
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atom("WM_PROTOCOLS");
    request.data.data32[0] = atom("WM_DELETE_WINDOW");
    request.data.data32[1] = XCB_CURRENT_TIME;
    if (request.type == XCB_ATOM_NONE || request.data.data32[0] == XCB_ATOM_NONE)
        return false;
    xcb_send_event(connection.get(), 0, id, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&request));
    return xcb_flush(connection.get()) > 0;
}
