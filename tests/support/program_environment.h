// The environment a test starts the built program in: the caller's, without
// what ties a GUI program to the caller's desktop session (display, session
// bus, runtime folder, Qt and locale settings), and with settings of the
// test's own. So the program runs the same from a desktop, a terminal or CI.
#pragma once

#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace test_support {

inline QProcessEnvironment programEnvironment()
{
    // The runtime folder must exist and be private, or Qt warns about it.
    static const QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : environment.keys()) {
        for (const char* prefix : {"QT_", "LC_", "XDG_", "DBUS_"}) {
            if (name.startsWith(QLatin1String(prefix)))
                environment.remove(name);
        }
    }
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "LANG", "LANGUAGE", "DESKTOP_SESSION", "SESSION_MANAGER"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    // No session bus: the toolkit's accessibility bridge gives up at once,
    // where libdbus would otherwise try to start a bus through the X server.
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    return environment;
}

} // namespace test_support
