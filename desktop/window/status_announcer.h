// What the window newly shows, told to a screen reader as it happens: the
// window operations hand the announcer what a write newly shows in the
// status box (the lines it appends, or the text that replaced it) and the
// grille opening on arrival, and it makes each line a notification of its
// own, in order, without moving the keyboard focus and without drawing
// anything.
//
// Why this is heard with Qt 6.4 and Orca 43: the announcer keeps a ring of
// hidden child widgets of the window whose accessible role is Notification
// (AT-SPI's notification role). A message becomes the name of the next one,
// and an ObjectShow event is sent for it, which Qt's AT-SPI bridge passes on
// as "showing" becoming true. Orca's default script speaks a notification
// object on that event ("notification" and its name), queued after what it is
// saying, so the message is polite and the focus stays where it is; Orca does
// not ask whether the object is really on screen, so the widgets stay hidden.
// Orca drops a queued showing event when a newer one from the same object
// waits behind it, and reads the name only when it gets to the event, so each
// message has an object of its own until seven more have followed; the
// objects live as long as the window, since events of a deleted object are
// dropped too. What Orca 43 does not speak: text inserted in a box without the
// focus, name and description changes (Qt 6.4 sends the object as the new
// text), alert events and alert objects; announcement events need Qt 6.8 and
// Orca 45.2.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <cstddef>

class QWidget;

namespace lodarix {

class AnnouncementSlot;

class StatusAnnouncer : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t RingSize = 8;

    // The ring's widgets become hidden children of window, which must outlive the announcer.
    explicit StatusAnnouncer(QWidget& window);

    // One notification with text (Qt passes it on only while assistive technology listens).
    void announce(const QString& text);
    // Each non-blank line of text, in order, one notification a line; more
    // lines than the ring holds are joined into one notification, so that no
    // object is reused before the screen reader got to it.
    void announceLines(const QString& text);

signals:
    // After each notification was sent: its object, whose accessible name is text.
    void announced(const QObject* notification, const QString& text);

private:
    std::array<AnnouncementSlot*, RingSize> ring_{};
    std::size_t next_ = 0;
};

} // namespace lodarix
