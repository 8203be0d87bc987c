// Exposes a FloorButton to assistive technology as what it is to the user: a
// radio button of the floor group, checked while selected, named after its
// floor and described by its marker.
#pragma once

#include <QAccessibleWidget>

namespace lodarix {

class FloorButtonAccessible : public QAccessibleWidget {
public:
    explicit FloorButtonAccessible(QWidget* button);

    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Installs the factory once; safe to call repeatedly.
    static void install();
};

} // namespace lodarix
