// A floor button: a small push button showing its floor number on its marker
// colour, raised when not selected and pressed while selected. While it has
// the keyboard focus a dotted rectangle runs just inside its border; the
// number keeps the form's font and colour. The marker also tells assistive
// technology whether the cabin is there or it is the trip's final stop, since
// the colour alone would not.
#pragma once

#include "core/lift/colors.h"

#include <QPushButton>

namespace lodarix {

class FloorButton : public QPushButton {
    Q_OBJECT

public:
    FloorButton(const QString& caption, lift::Color marker, QWidget* parent);

    lift::Color marker() const { return marker_; }
    void setMarker(lift::Color color);

    // "кабината е тук", "крайна спирка" or "свободен", after the marker.
    QString markerMeaning() const;

    // Where the dotted focus rectangle runs, in the button's own coordinates.
    QRect focusRectangle() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    lift::Color marker_ = lift::ColorIdle;
};

} // namespace lodarix
