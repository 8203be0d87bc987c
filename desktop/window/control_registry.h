// The loaded controls by name and array index, as the window operations and
// the event wiring address them. Looking up a missing element, or one of
// another kind, is a lift::RunTimeError naming the control, index and operation.
#pragma once

#include "core/lift/run_time_error.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lodarix {

class ControlRegistry {
public:
    using Key = std::pair<std::string, std::optional<int>>;

    void add(std::string name, std::optional<int> index, QObject* control);

    // The control, or nullptr when there is none of that name and index.
    QObject* find(std::string_view name, std::optional<int> index) const;

    // The elements of a control array in index order.
    std::vector<std::pair<int, QObject*>> elements(std::string_view name) const;

    template <class Control>
    Control* get(std::string_view name, std::optional<int> index, const char* operation) const
    {
        auto* control = qobject_cast<Control*>(find(name, index));
        if (!control)
            throw lift::RunTimeError(std::string(name), index, operation,
                                     "no such control or element");
        return control;
    }

private:
    std::map<Key, QPointer<QObject>> controls_;
};

} // namespace lodarix
