// A test's side of a screen reader session: the test runs as the client of
// tests/support/orca-session.sh, which gives it an X server, a D-Bus session
// and a running Orca of its own. From here it reads what Orca has said, finds
// and focuses windows, and types as the user would, through the X test
// extension (xdotool). Every wait polls a condition and gives up after a
// bound; none sleeps a fixed time.
#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>

namespace test_support {

class OrcaSession {
public:
    static constexpr int WaitMs = 30000;

    // Whether this process is the client of a session.
    static bool isRunning() { return qEnvironmentVariableIsSet("ORCA_SPEECH_LOG"); }

    // What Orca has said so far, one utterance an entry, as Orca wrote it
    // between the quotes: "Етаж 2, свободен." or "notification Етаж II.".
    QStringList spoken() const
    {
        static const QRegularExpression speech(
            QStringLiteral("^\\S+ SPEECH OUTPUT: '(.*)'(?: \\{.*\\})?$"));
        QFile log(qEnvironmentVariable("ORCA_SPEECH_LOG"));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        QStringList said;
        const QByteArray text = log.readAll();
        // A line still being written, without its line end, is left for the next read.
        const QByteArray complete = text.left(text.lastIndexOf('\n') + 1);
        for (const QByteArray& line : complete.split('\n')) {
            const QRegularExpressionMatch match = speech.match(QString::fromUtf8(line));
            if (match.hasMatch())
                said << match.captured(1);
        }
        return said;
    }

    // Whether an utterance is text as Orca says it: as it is, or with the
    // full stop Orca adds to a text that does not end in punctuation.
    static bool says(const QString& utterance, const QString& text)
    {
        return utterance == text || utterance == text + QLatin1Char('.');
    }

    // Waits until an utterance after the first `from` ones satisfies matches;
    // returns its index, or -1 when none did within WaitMs.
    qsizetype waitFor(const std::function<bool(const QString&)>& matches, qsizetype from) const
    {
        qsizetype found = -1;
        const bool heard = QTest::qWaitFor(
            [&] {
                const QStringList said = spoken();
                for (qsizetype i = from; i < said.size() && found < 0; ++i) {
                    if (matches(said.at(i)))
                        found = i;
                }
                return found >= 0;
            },
            WaitMs);
        return heard ? found : -1;
    }

    qsizetype waitForUtterance(const QString& text, qsizetype from) const
    {
        return waitFor([&text](const QString& said) { return says(said, text); }, from);
    }

    // The id of the first window whose name contains text, once there is
    // one; empty when none came within WaitMs.
    QString findWindow(const QString& text) const
    {
        const QByteArray found =
            xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
                     QRegularExpression::escape(text)});
        return QString::fromLatin1(found.split('\n').value(0).trimmed());
    }

    // Gives the window the keyboard focus, as a window manager would.
    bool focus(const QString& window) const
    {
        return !xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}).isNull();
    }

    // Presses and releases each key in turn ("Tab", "shift+Tab", "space").
    bool press(const QStringList& keys) const
    {
        return !xdotool(QStringList{QStringLiteral("key")} + keys).isNull();
    }

private:
    // xdotool's output, or a null array when it failed or did not end within WaitMs.
    static QByteArray xdotool(const QStringList& arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("xdotool"), arguments);
        if (!process.waitForFinished(WaitMs)) {
            process.kill();
            process.waitForFinished();
            return {};
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return {};
        QByteArray output = process.readAllStandardOutput();
        if (output.isNull())
            output = QByteArray("");
        return output;
    }
};

} // namespace test_support
