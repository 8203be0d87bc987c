// A private X server (Xvfb) for a test, and the few things a test does in it:
// find a window by its title, take a picture of it, click into it, press
// keys, and ask it to close as a window manager's close button does.
#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <memory>

namespace test_support {
class Xvfb;
}

class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // Starts the server with one screen of the given size; false on failure.
    bool start(const QSize& screen);
    QString display() const { return display_; }
    // The environment a test starts the program in, with DISPLAY pointing at
    // this server and the xcb platform.
    QProcessEnvironment environment() const;

    // The id of a mapped window whose title contains text, or an empty string.
    QString findWindow(const QString& text) const;
    // The window's contents (its client area) as drawn now.
    QImage grab(const QString& window) const;
    // A left click at a point of the window's client area.
    bool click(const QString& window, const QPoint& at) const;
    // Presses and releases each key in turn ("F2", "Tab", "space"), as the
    // keyboard does, into the window that has the input focus.
    bool pressKeys(const QStringList& keys) const;
    // Sends the window the WM_DELETE_WINDOW request; false when it could not be sent.
    bool close(const QString& window) const;

private:
    QByteArray run(const QString& program, const QStringList& arguments) const;

    std::unique_ptr<test_support::Xvfb> server_;
    QString display_;
};
