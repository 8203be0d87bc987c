#include "desktop/window/key_sequences.h"

#include <charconv>
#include <utility>

namespace lodarix {

namespace {

constexpr std::pair<std::string_view, Qt::Key> NamedKeys[] = {
    {"Tab", Qt::Key_Tab},        {"ArrowUp", Qt::Key_Up},       {"ArrowDown", Qt::Key_Down},
    {"ArrowLeft", Qt::Key_Left}, {"ArrowRight", Qt::Key_Right}, {" ", Qt::Key_Space},
    {"Pause", Qt::Key_Pause},    {"ContextMenu", Qt::Key_Menu}, {"Escape", Qt::Key_Escape},
    {"Enter", Qt::Key_Return},
};

Qt::Key qtKey(std::string_view name)
{
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z')
        return static_cast<Qt::Key>(Qt::Key_A + (name[0] - 'a'));
    int function = 0;
    if (name.size() > 1 && name[0] == 'F') {
        const auto [end, error] =
            std::from_chars(name.data() + 1, name.data() + name.size(), function);
        if (error == std::errc() && end == name.data() + name.size() && function >= 1
            && function <= 35)
            return static_cast<Qt::Key>(Qt::Key_F1 + (function - 1));
    }
    for (const auto& [named, key] : NamedKeys) {
        if (named == name)
            return key;
    }
    return Qt::Key_unknown;
}

} // namespace

QKeySequence keySequence(const form::Key& key)
{
    const Qt::Key code = qtKey(key.name);
    if (code == Qt::Key_unknown)
        return {};
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    if (key.shift)
        modifiers |= Qt::ShiftModifier;
    if (key.ctrl)
        modifiers |= Qt::ControlModifier;
    return QKeySequence(QKeyCombination(modifiers, code));
}

QList<QKeySequence> desktopShortcuts(form::KeyAction action)
{
    const form::KeyRow& row = form::keyRow(action);
    QList<QKeySequence> shortcuts;
    if (!form::has(row.faces, form::Face::Desktop))
        return shortcuts;
    for (const form::Key& key : row.keys) {
        if (key.bound)
            shortcuts.append(keySequence(key));
    }
    return shortcuts;
}

} // namespace lodarix
