#include "app/replay/state_json.h"

#include "lift/colors.h"
#include "lift/floor_table.h"
#include "window/description/lodarix_controls.h"
#include "window/qt_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace lodarix::replay {

namespace {

QString grilleName(Grille grille)
{
    switch (grille) {
    case Grille::Closed:
        return QStringLiteral("closed");
    case Grille::Open:
        return QStringLiteral("open");
    case Grille::None:
        break;
    }
    return QStringLiteral("none");
}

} // namespace

QByteArray stateLine(const LodarixModel& model, std::string_view command)
{
    const WindowModel& window = model.window();

    QJsonArray colors;
    for (lift::FloorIndex floor = 0; floor < lift::FloorTable::Count; ++floor)
        colors.append(toQString(lift::toHexRgb(window.backColor(controls::FloorButtons, floor))));

    const std::optional<int> selected = window.selectedIndex(controls::FloorButtons);

    QJsonObject state;
    state.insert(QStringLiteral("command"), toQString(command));
    state.insert(QStringLiteral("current"), model.controller().CurrentFloor());
    state.insert(QStringLiteral("target"), model.controller().TargetFloor());
    state.insert(QStringLiteral("timer"), window.isEnabled(controls::StepTimer));
    state.insert(QStringLiteral("grille"), grilleName(model.grille()));
    state.insert(QStringLiteral("selectedFloor"), selected ? QJsonValue(*selected) : QJsonValue());
    state.insert(QStringLiteral("listVisible"), window.isVisible(controls::FloorNameList));
    state.insert(QStringLiteral("colors"), colors);
    state.insert(QStringLiteral("status"), toQString(window.statusText()));
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

} // namespace lodarix::replay
