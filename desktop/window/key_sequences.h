// The core's keys (core/form/key_table.h) as Qt binds them: each key's name,
// as a browser gives it, becomes a QKeySequence here and nowhere else.
#pragma once

#include "core/form/key_table.h"

#include <QKeySequence>
#include <QList>

namespace lodarix {

// Empty for a name this does not know.
QKeySequence keySequence(const form::Key& key);

// The keys of action's row that the desktop binds itself; none where the
// desktop has no such row.
QList<QKeySequence> desktopShortcuts(form::KeyAction action);

} // namespace lodarix
