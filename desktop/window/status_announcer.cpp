#include "desktop/window/status_announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QRegularExpression>
#include <QWidget>

namespace lodarix {

// One object of the ring: never shown, never focused, named by its message.
class AnnouncementSlot : public QWidget {
    Q_OBJECT

public:
    explicit AnnouncementSlot(QWidget* window)
        : QWidget(window)
    {
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    QString message;
};

namespace {

class AnnouncementAccessible : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(AnnouncementSlot* slot)
        : QAccessibleWidget(slot, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const AnnouncementSlot*>(widget())->message;
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* announcementFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("lodarix::AnnouncementSlot"))
        return new AnnouncementAccessible(static_cast<AnnouncementSlot*>(object));
    return nullptr;
}

} // namespace

StatusAnnouncer::StatusAnnouncer(QWidget& window)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcementFactory);
        return true;
    }();
    Q_UNUSED(installed);
    for (AnnouncementSlot*& slot : ring_)
        slot = new AnnouncementSlot(&window);
}

void StatusAnnouncer::announce(const QString& text)
{
    AnnouncementSlot* slot = ring_[next_];
    next_ = (next_ + 1) % ring_.size();
    slot->message = text;
    QAccessibleEvent shown(slot, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit announced(slot, text);
}

void StatusAnnouncer::announceLines(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
    QStringList lines = text.split(lineEnd);
    lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    if (lines.size() > static_cast<qsizetype>(ring_.size())) {
        announce(lines.join(QLatin1Char(' ')));
        return;
    }
    for (const QString& line : lines)
        announce(line);
}

} // namespace lodarix

#include "status_announcer.moc"
